#include "EFH030.h"

using namespace Qt::StringLiterals;

TfrmEFH030::TfrmEFH030(QWidget *parent) : TfrmViewerWindow(u"frmEFH030"_s, u"영업장할인율권종별매출집계"_s, u"영업장할인율권종별매출집계.mrd"_s, parent) {}
