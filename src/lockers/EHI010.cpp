#include "EHI010.h"

#include "GridModel.h"
#include "GridView.h"
#include "Guard.h"
#include "LockerFields.h"
#include "Modal.h"
#include "WaitCursor.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// The created flag belongs to the block: any locker of the season in its
// number range, whatever location, zone and type another block gave it.
const QString Query = u"SELECT a.season_year, a.seq_no, a.location, a.area_zone, a.locker_type,\n"
                      "       a.unit_amt, a.member_amt, a.beginning_no, a.locker_qty,\n"
                      "       CASE WHEN EXISTS (SELECT 1 FROM eh020ms b\n"
                      "                         WHERE  b.season_year = a.season_year\n"
                      "                         AND    to_num(b.locker_no) BETWEEN a.beginning_no\n"
                      "                                                    AND a.beginning_no + a.locker_qty - 1)\n"
                      "            THEN 'Y' END AS batch\n"
                      "FROM   eh010ms a\n"
                      "WHERE  a.season_year = :SEASON_YEAR\n"
                      "ORDER  BY a.seq_no"_s;

const QList<ColumnDef> Columns = {
    {.title = u"시즌년도"_s, .field = u"SEASON_YEAR"_s, .width = 70, .dataWidth = 4, .alignment = Qt::AlignCenter,
     .readOnly = true},
    {.title = u"순번"_s, .field = u"SEQ_NO"_s, .width = 50, .alignment = Qt::AlignCenter, .readOnly = true},
    {.title = u"위치"_s, .field = u"LOCATION"_s, .width = 70, .dataWidth = 16, .alignment = Qt::AlignCenter},
    {.title = u"구역"_s, .field = u"AREA_ZONE"_s, .width = 70, .dataWidth = 16, .alignment = Qt::AlignCenter},
    {.title = u"Type"_s, .field = u"LOCKER_TYPE"_s, .width = 70, .dataWidth = 16, .alignment = Qt::AlignCenter},
    {.title = u"일반요금"_s, .field = u"UNIT_AMT"_s, .width = 90, .dataWidth = 10, .alignment = Qt::AlignRight},
    {.title = u"회원요금"_s, .field = u"MEMBER_AMT"_s, .width = 90, .dataWidth = 10, .alignment = Qt::AlignRight},
    {.title = u"시작락카번호"_s, .field = u"BEGINNING_NO"_s, .width = 90, .dataWidth = 4,
     .alignment = Qt::AlignCenter},
    {.title = u"락카수량"_s, .field = u"LOCKER_QTY"_s, .width = 70, .dataWidth = 4, .alignment = Qt::AlignRight},
    {.title = u"시즌락카일괄생성"_s, .field = u"BATCH"_s, .width = 110, .alignment = Qt::AlignCenter,
     .readOnly = true},
};

} // namespace

TfrmEHI010::TfrmEHI010(QWidget *parent) : TfrmZZI090(u"frmEHI010"_s, u"시즌락카 생성"_s, parent)
{
    FieldDef season = lockers::SeasonField();
    season.to = &edtSeasonYear;
    AddSearchFields({season});
    edtSeasonYear->setText(lockers::CurrentSeason());

    SetColumns(Columns);
    qryQuery.setSql(Query);
    prcProc.setName(u"pr_ehi010_01"_s);
    prcBatch.setName(u"pr_ehi010_02"_s);
    prcBatch.declare({u"ASEASON_YEAR"_s, u"ASEQ_NO"_s, u"ALOCATION"_s, u"AAREA_ZONE"_s, u"ALOCKER_TYPE"_s,
                      u"AUNIT_AMT"_s, u"AMEMBER_AMT"_s, u"ABEGINNING_NO"_s, u"ALOCKER_QTY"_s});
    Calls(prcBatch);

    bbtBatch = AddButton(u"bbtBatch"_s, u"시즌락카번호 일괄생성"_s, bbtAdd);
    bbtBatch->setFixedSize(150, 35);
    bbtBatch->setFocusPolicy(Qt::ClickFocus);
    OnClick(bbtBatch, [this] { bbtBatchClick(); });
}

bool TfrmEHI010::BeforeSearch()
{
    qryQuery.clearBinds();
    BindSearchValues(qryQuery);
    return true;
}

bool TfrmEHI010::bbtAddClick()
{
    if (!TfrmZZI090::bbtAddClick())
        return false;
    const int row = rgrGrid->currentRow();
    if (row >= 0 && Rows().value(row, u"SEASON_YEAR"_s).isEmpty())
        Rows().setValue(row, u"SEASON_YEAR"_s, edtSeasonYear->text());
    return true;
}

bool TfrmEHI010::CheckBeforeSave()
{
    prcProc.offerValue(u"ASEASON_YEAR"_s, edtSeasonYear->text());
    return true;
}

void TfrmEHI010::Saved(const SavedRows &)
{
    // New blocks take their numbers on the server: a second Save of the
    // rows as typed would add them again.
    searchAgain();
}

void TfrmEHI010::searchAgain()
{
    if (TfrmGridEntry::bbtCancelClick())
        bbtSearchClick();
}

bool TfrmEHI010::bbtBatchClick()
{
    if (!CommonStart(bbtBatch))
        return false;
    rgrGrid->commitEdit();
    const int row = rgrGrid->currentRow();
    if (row < 0 || row >= Rows().rowCount())
        return false;
    // The server creates what it holds: a block typed but not saved would
    // be created as it was before.
    if (!Rows().isStoredRow(row) || Rows().isEdited(row) || Rows().isLogged(row)) {
        ErrorBox(u"저장하지 않은 블록입니다. 저장한 후 일괄생성하십시오."_s);
        return false;
    }
    if (Rows().value(row, u"BATCH"_s) == u"Y"_s) {
        ErrorBox(u"시즌락카 일괄처리 작업이 이미 완료되었습니다. 확인바랍니다."_s);
        return false;
    }
    {
        const ServerWait wait(this);
        if (!TrySave([&] {
                prcBatch.clearValues();
                for (const QString &field : {u"SEASON_YEAR"_s, u"SEQ_NO"_s, u"LOCATION"_s, u"AREA_ZONE"_s,
                                             u"LOCKER_TYPE"_s, u"UNIT_AMT"_s, u"MEMBER_AMT"_s, u"BEGINNING_NO"_s,
                                             u"LOCKER_QTY"_s})
                    prcBatch.setValue(u"A"_s + field, Rows().value(row, field));
                prcBatch.exec();
            }))
            return false;
    }
    ShowStatus(u"자료를 저장했습니다."_s);
    InfoBox(u"시즌락카 일괄처리 작업이 끝났습니다."_s);
    searchAgain();
    return true;
}
