#include "EFR041.h"

using namespace Qt::StringLiterals;

TfrmEFR041::TfrmEFR041(QWidget *parent) : TfrmViewerWindow(u"frmEFR041"_s, u"POS별 매출조회"_s, u"POS_UPJANG.mrd"_s, parent) {}
