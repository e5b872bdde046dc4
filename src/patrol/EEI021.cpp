#include "EEI021.h"

#include "AccidentRecord.h"
#include "GridModel.h"
#include "InputEdits.h"
#include "Modal.h"
#include "Routines.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

TfrmEEI021::TfrmEEI021(QWidget *parent)
    : AccidentScreen(u"frmEEI021"_s, u"패트롤 사고기록 조회 - 이름별"_s,
                     {.saves = false, .coursesByPeak = true, .clearCourseOnPeak = true, .deriveTimeClass = true},
                     parent)
{
    AddSearchFields({{.name = u"edtFindName"_s, .caption = u"*부상자명"_s, .field = u"IN_NAME"_s, .bytes = 30,
                      .width = 140, .to = &edtFindName}});
    SetAccidentColumns({u"TROB_NO"_s, u"PEAK_GUBUN"_s, u"IN_NAME"_s}, true);
    BuildEntryPages(3);
    FinishFields();

    qryQuery.setSql(accident::SelectList({u"TROB_DATE"_s})
                    + u"\nFROM   ee010ms\nWHERE  (trob_date = :TROB_DATE OR in_name = :IN_NAME)\nORDER  BY trob_date, trob_no"_s);
    prcSaveData.setName(u"pr_eei010_01"_s);
    for (QPushButton *button : {bbtSave, bbtAdd, bbtDelete})
        button->hide();
}

bool TfrmEEI021::BeforeSearch()
{
    qryQuery.bind(u"TROB_DATE"_s, TodayKey());
    return true;
}

void TfrmEEI021::Searched()
{
    if (Rows().rowCount() == 0 || Rows().value(0, u"TROB_NO"_s).isEmpty()) {
        ClearControls();
        ClearRows();
        InfoBox(u"검색결과가 없습니다."_s);
    }
}

void TfrmEEI021::Cancelled()
{
    edtFindName->clear();
}
