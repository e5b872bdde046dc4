#include "EEI020.h"

#include "AccidentRecord.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "Modal.h"

#include <QLocale>
#include <QPushButton>

using namespace Qt::StringLiterals;

// Opened under the menu's screen id, which the form's name carries.
TfrmEEI020::TfrmEEI020(QWidget *parent)
    : AccidentScreen(u"frmEEI010"_s, u"패트롤 사고기록 등록"_s,
                     {.saves = true, .coursesByPeak = true, .clearCourseOnPeak = true, .deriveTimeClass = true},
                     parent)
{
    DateEdit *dtpDate = nullptr;
    AddSearchFields({{.name = u"dtpDate"_s, .caption = u"*사고일자"_s, .kind = FieldKind::Date,
                      .field = u"TROB_DATE"_s, .to = &dtpDate}});
    dtpDate->setDisplayFormat(QLocale(QLocale::Korean).dateFormat(QLocale::LongFormat));
    dtpDate->setMinimumWidth(170);

    SetAccidentColumns({u"TROB_NO"_s, u"PEAK_GUBUN"_s, u"IN_NAME"_s, u"TP_COURSE_GUBUN"_s, u"IN_SEX"_s}, false);
    BuildEntryPages(2);
    FinishFields();

    qryQuery.setSql(accident::SelectList()
                    + u"\nFROM   ee010ms\nWHERE  trob_date = :TROB_DATE\nORDER  BY trob_date, trob_no"_s);
    prcSaveData.setName(u"pr_eei010_01"_s);
    SetOptions({.checkCurrentRow = true, .checkLoneBlankRow = true, .keepEmptyRow = true});
}

void TfrmEEI020::Saved(const SavedRows &)
{
    // Only a save that committed is told as one; a failure has shown its own box.
    InfoBox(u"정상적으로 저장 되었습니다."_s);
}
