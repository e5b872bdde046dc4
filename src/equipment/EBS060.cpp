#include "EBS060.h"

#include "CodeCombo.h"
#include "CodeServices.h"
#include "EBP060.h"
#include "GridModel.h"
#include "ReportSql.h"

#include <QDateEdit>

using namespace Qt::StringLiterals;

namespace {

const QString Select = u"SELECT to_char(t.rent_no, 'FM0000000000') AS rent_no, t.rent_seq,\n"
                       "       "_s + CodeNameSql(u"GC_RENT_STAT_CODE"_s, u"t.rent_stat"_s) + u" AS rent_stat_name,\n"
                       "       "_s + CodeNameSql(u"GC_EQUIP_GUBUN_CODE"_s, u"t.equip_gubun"_s) + u" AS equip_gubun_name,\n"
                       "       t.equip_no, t.rent_name, fn_za010ms_04(t.tel_no) AS tel_no, t.height, t.weight,\n"
                       "       "_s + CodeNameSql(u"GC_SHOES_SIZE_CODE"_s, u"t.shoes_size"_s) + u" AS shoes_size_name,\n"
                       "       t.binding,\n"
                       "       "_s + CodeNameSql(u"GC_TICKET_KIND_CODE"_s, u"t.ticket_kind"_s) + u" AS ticket_kind_name,\n"
                       "       "_s + DateShownSql(u"t.svrl_rent_from_date"_s) + u" AS svrl_rent_from_date,\n"
                       "       "_s + DateShownSql(u"t.svrl_rent_to_date"_s) + u" AS svrl_rent_to_date\n"
                       "FROM   eb040dt t\n"
                       "WHERE  t.rent_date  = :RENT_DATE\n"
                       "AND    t.area_gubun = :AREA_GUBUN\n"_s;
const QString Order = u"ORDER  BY t.rent_no, t.rent_seq"_s;

} // namespace

TfrmEBS060::TfrmEBS060(QWidget *parent) : TfrmEZS000(u"frmEBS060"_s, u"일일 장비대여 현황 조회,출력"_s, parent)
{
    AddSearchFields({
        {.name = u"dtpDate"_s, .caption = u"*대여일자"_s, .kind = FieldKind::Date, .field = u"RENT_DATE"_s,
         .to = &dtpDate},
        {.name = u"cboArea"_s, .caption = u"*지역구분"_s, .kind = FieldKind::Code, .field = u"AREA_GUBUN"_s,
         .codeGroup = u"E0017"_s, .width = 80, .to = &cboArea},
        {.name = u"cboRentStat"_s, .caption = u"*상태구분"_s, .kind = FieldKind::Code, .field = u"RENT_STAT"_s,
         .width = 90, .to = &cboRentStat},
        {.name = u"cboTicketKind"_s, .caption = u"*권종구분"_s, .kind = FieldKind::Code, .field = u"TICKET_KIND"_s,
         .width = 110, .to = &cboTicketKind},
    });
    FillWithAll(*cboRentStat, u"E0012"_s);
    FillWithAll(*cboTicketKind, u"I0005"_s);

    cdsQuery->setColumns({
        {.title = u"대여번호"_s, .field = u"RENT_NO"_s, .width = 80, .alignment = Qt::AlignCenter},
        {.title = u"순번"_s, .field = u"RENT_SEQ"_s, .width = 40, .alignment = Qt::AlignRight},
        {.title = u"대여상태"_s, .field = u"RENT_STAT_NAME"_s, .width = 70},
        {.title = u"장비구분"_s, .field = u"EQUIP_GUBUN_NAME"_s, .width = 70},
        {.title = u"장비번호"_s, .field = u"EQUIP_NO"_s, .width = 60, .alignment = Qt::AlignCenter},
        {.title = u"대여자명"_s, .field = u"RENT_NAME"_s, .width = 80},
        {.title = u"연락처"_s, .field = u"TEL_NO"_s, .width = 100},
        {.title = u"신장"_s, .field = u"HEIGHT"_s, .width = 40, .alignment = Qt::AlignRight},
        {.title = u"체중"_s, .field = u"WEIGHT"_s, .width = 40, .alignment = Qt::AlignRight},
        {.title = u"신발규격"_s, .field = u"SHOES_SIZE_NAME"_s, .width = 60, .alignment = Qt::AlignCenter},
        {.title = u"바인딩강도"_s, .field = u"BINDING"_s, .width = 70, .alignment = Qt::AlignRight},
        {.title = u"권종"_s, .field = u"TICKET_KIND_NAME"_s, .width = 90},
        {.title = u" 연일대여 시작일자"_s, .field = u"SVRL_RENT_FROM_DATE"_s, .width = 110, .alignment = Qt::AlignCenter},
        {.title = u" 연일대여 끝일자"_s, .field = u"SVRL_RENT_TO_DATE"_s, .width = 110, .alignment = Qt::AlignCenter},
    });
    qryQuery.setSql(Select + Order);
}

void TfrmEBS060::PrepareSearch()
{
    // A filter left on "[전체]" adds no condition at all.
    QString sql = Select;
    if (!cboRentStat->code().isEmpty())
        sql += u"AND    t.rent_stat  = :RENT_STAT\n"_s;
    if (!cboTicketKind->code().isEmpty())
        sql += u"AND    t.ticket_kind = :TICKET_KIND\n"_s;
    qryQuery.setSql(sql + Order);
    qryQuery.bind(u"GC_RENT_STAT_CODE"_s, u"E0012"_s);
    qryQuery.bind(u"GC_EQUIP_GUBUN_CODE"_s, u"E0009"_s);
    qryQuery.bind(u"GC_SHOES_SIZE_CODE"_s, u"E0011"_s);
    qryQuery.bind(u"GC_TICKET_KIND_CODE"_s, u"I0005"_s);
}

std::unique_ptr<TfrmZZP010> TfrmEBS060::CreateReport()
{
    return std::make_unique<TfrmEBP060>();
}

void TfrmEBS060::FillConditions(TfrmZZP010 &report)
{
    report.SetCondition2(TfrmZZP010::ConditionText({{u"*대여일자"_s, ShownValue(dtpDate)}}));
    report.SetCondition(TfrmZZP010::ConditionText({{u"*지역구분"_s, cboArea->currentText()},
                                                   {u"*상태구분"_s, cboRentStat->currentText()},
                                                   {u"*권종구분"_s, cboTicketKind->currentText()}}));
}
