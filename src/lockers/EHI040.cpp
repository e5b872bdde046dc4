#include "EHI040.h"

#include "GridModel.h"
#include "GridView.h"
#include "LockerFields.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QString Query = u"SELECT SEQ_NO, cancel_date, season_year, location, area_zone, locker_type, locker_no,\n"
                      "       m_name, penalty_amt, ipgum_date, pay_code, ipgum_amt, penalty_yn, return_date,\n"
                      "       return_amt\n"
                      "FROM EH030MS \n"
                      "WHERE SEASON_YEAR = :SEASON_YEAR\n"
                      "ORDER  BY seq_no"_s;

ColumnDef Cell(const QString &title, const QString &field, int width, const QString &mask = {})
{
    return {.title = title, .field = field, .width = width, .alignment = Qt::AlignCenter, .readOnly = true,
            .displayMask = mask};
}

const QList<ColumnDef> Columns = [] {
    QList<ColumnDef> columns = {
        Cell(u"순번"_s, u"SEQ_NO"_s, 40),
        Cell(u"취소일자"_s, u"CANCEL_DATE"_s, 70),
        Cell(u"시즌년도"_s, u"SEASON_YEAR"_s, 60),
        Cell(u"위치"_s, u"LOCATION"_s, 50),
        Cell(u"구역"_s, u"AREA_ZONE"_s, 50),
        Cell(u"타입"_s, u"LOCKER_TYPE"_s, 50),
        Cell(u"락카번호"_s, u"LOCKER_NO"_s, 60),
        Cell(u"이름"_s, u"M_NAME"_s, 70),
        Cell(u"위약금액"_s, u"PENALTY_AMT"_s, 70, lockers::ThousandsMask),
        Cell(u"위약금 입금일자"_s, u"IPGUM_DATE"_s, 100),
        Cell(u"결제구분"_s, u"PAY_CODE"_s, 60),
        Cell(u"위약입금금액"_s, u"IPGUM_AMT"_s, 80, lockers::ThousandsMask),
        Cell(u"위약금 입금여부"_s, u"PENALTY_YN"_s, 100),
        Cell(u"환불일자"_s, u"RETURN_DATE"_s, 70),
        Cell(u"환불금"_s, u"RETURN_AMT"_s, 70, lockers::ThousandsMask),
    };
    // The two dates are typed into the grid as text.
    for (ColumnDef &column : columns)
        if (column.field == u"IPGUM_DATE"_s || column.field == u"RETURN_DATE"_s) {
            column.readOnly = false;
            column.dataWidth = 8;
        }
    return columns;
}();

} // namespace

TfrmEHI040::TfrmEHI040(QWidget *parent) : TfrmZZI090(u"frmEHI040"_s, u"시즌락카 위약금 관리"_s, parent)
{
    FieldDef season = lockers::SeasonField();
    season.to = &edtSeasonYear;
    AddSearchFields({season});
    edtSeasonYear->setText(lockers::CurrentSeason());

    SetColumns(Columns);
    bbtAdd->hide();
    bbtDelete->hide();
    qryQuery.setSql(Query);
    prcProc.setName(u"pr_ehi040_01"_s);
}

bool TfrmEHI040::BeforeSearch()
{
    qryQuery.clearBinds();
    BindSearchValues(qryQuery);
    return true;
}

bool TfrmEHI040::CheckBeforeSave()
{
    prcProc.offerValue(u"ASEASON_YEAR"_s, edtSeasonYear->text());
    return true;
}

void TfrmEHI040::Saved(const SavedRows &)
{
    // The grid shows what the server stored: the paid flag it set.
    if (TfrmGridEntry::bbtCancelClick())
        bbtSearchClick();
}
