#include "EES004.h"

#include "AccidentReports.h"

using namespace Qt::StringLiterals;

// The period as 'YYYY-MM-DD' on every machine, as EES003 sends it.
TfrmEES004::TfrmEES004(QWidget *parent)
    : TfrmViewerList({.form = u"frmEES004"_s, .caption = u"전년대비 부상자 현황"_s,
                      .codeGroup = accident::ReportCodeGroup, .files = accident::YearOnYearReport(),
                      .dates = DateForm::Dashed},
                     parent)
{
}
