#include "EFR040.h"

using namespace Qt::StringLiterals;

TfrmEFR040::TfrmEFR040(QWidget *parent) : TfrmViewerWindow(u"frmEFR040"_s, u"메뉴별 매출조회"_s, u"MENU_UPJANG.mrd"_s, parent) {}
