#include "EES003.h"

#include "AccidentReports.h"

using namespace Qt::StringLiterals;

// The period as 'YYYY-MM-DD' on every machine: a workstation's own short
// date form could be anything, and the report reads this or eight digits.
TfrmEES003::TfrmEES003(QWidget *parent)
    : TfrmViewerList({.form = u"frmEES003"_s, .caption = u"전년대비 부상자 현황(로컬)"_s,
                      .codeGroup = accident::ReportCodeGroup, .files = accident::YearOnYearReport(),
                      .source = Source::LocalFolder, .dates = DateForm::Dashed},
                     parent)
{
}
