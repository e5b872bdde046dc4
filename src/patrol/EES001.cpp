#include "EES001.h"

#include "AccidentReports.h"

using namespace Qt::StringLiterals;

TfrmEES001::TfrmEES001(QWidget *parent)
    : TfrmViewerList({.form = u"frmEES001"_s, .caption = u"사고 통계 보고서"_s, .codeGroup = accident::ReportCodeGroup,
                      .files = accident::ReportFiles()},
                     parent)
{
}
