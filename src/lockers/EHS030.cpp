#include "EHS030.h"

#include "EHP030.h"
#include "GridModel.h"
#include "GridView.h"
#include "LockerFields.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

ColumnDef Column(const QString &title, const QString &field, int width, double printed,
                 Qt::Alignment alignment = Qt::AlignCenter, bool amount = false)
{
    return {.title = title, .field = field, .width = width, .alignment = alignment,
            .displayMask = amount ? lockers::ThousandsMask : QString(),
            .print = {.width = printed, .number = amount}};
}

} // namespace

TfrmEHS030::TfrmEHS030(QWidget *parent)
    : TfrmEZS000({.form = u"frmEHS030"_s, .caption = u"시즌락카 현황"_s, .report = ListReport<TfrmEHP030>}, parent)
{
    QLineEdit *edtSeasonYear = nullptr;
    FieldDef season = lockers::SeasonField();
    season.to = &edtSeasonYear;
    lockers::CodeLists lists;
    QList<FieldDef> fields = lockers::ListFields(lists, {u"location    = :LOCATION"_s, u"area_zone   = :AREA_ZONE"_s,
                                                         u"locker_type = :LOCKER_TYPE"_s, u"use_yn      = :SALE_YN"_s});
    fields.last().field = u"SALE_YN"_s;
    fields.prepend(season);
    AddSearchFields(fields);
    // This list starts at the first season the lockers were kept in.
    edtSeasonYear->setText(u"2010"_s);

    cdsQuery->setColumns({
        Column(u"시즌년도"_s, u"SEASON_YEAR"_s, 60, 11),
        Column(u"위치"_s, u"LOCATION"_s, 60, 11),
        Column(u"장소"_s, u"AREA_ZONE"_s, 50, 10),
        Column(u"락카TYPE"_s, u"LOCKER_TYPE"_s, 60, 11),
        Column(u"락카번호"_s, u"LOCKER_NO"_s, 60, 11),
        Column(u"판매일자"_s, u"SALE_DATE"_s, 70, 14),
        Column(u"주민번호"_s, u"M_ID"_s, 80, 15, Qt::AlignLeft),
        Column(u"성명"_s, u"M_NAME"_s, 70, 14, Qt::AlignLeft),
        Column(u"주민번호"_s, u"M_IDNO"_s, 100, 20),
        Column(u"연락처"_s, u"M_TOPHONE"_s, 100, 20, Qt::AlignLeft),
        Column(u"결재방법"_s, u"PAY_CODE"_s, 60, 12),
        Column(u"판매금액"_s, u"SALE_AMT"_s, 70, 15, Qt::AlignRight, true),
        Column(u"할인종류"_s, u"DC_REMARKS"_s, 70, 14, Qt::AlignLeft),
        Column(u"입금금액"_s, u"IPGUM_AMT"_s, 70, 15, Qt::AlignRight, true),
        Column(u"입금여부"_s, u"IPGUM_YN"_s, 50, 9),
        Column(u"보증금"_s, u"ASSURANCE_AMT"_s, 60, 12, Qt::AlignRight, true),
        Column(u"키수령일자"_s, u"KEY_RECEIPT_DATE"_s, 70, 14),
        Column(u"키반환일자"_s, u"KEY_RESTORE_DATE"_s, 70, 14),
        Column(u"사용여부"_s, u"USE_YN"_s, 50, 9),
        Column(u"승인번호"_s, u"APPROVAL_NO"_s, 80, 15),
    });
    rgrGrid->setFooterVisible(false); // the list counts nothing on screen; the paper shows the count
    SetQuery(uR"sql(SELECT season_year, location, area_zone, locker_type, locker_no, sale_date, m_id, m_name,
       fn_za010ms_04(m_idno) AS m_idno, fn_za010ms_04(m_tophone) AS m_tophone, pay_code, sale_amt,
       dc_remarks, ipgum_amt, ipgum_yn, assurance_amt, key_receipt_date, key_restore_date, use_yn,
       approval_no
FROM   eh020ms
WHERE  season_year = :SEASON_YEAR{filters}
ORDER  BY to_num(locker_no), locker_no)sql"_s);
    lockers::FillLists(lists);
}
