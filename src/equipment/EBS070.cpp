#include "EBS070.h"

#include "CodeCombo.h"
#include "EBP070.h"
#include "GridModel.h"
#include "ReportSql.h"

using namespace Qt::StringLiterals;

TfrmEBS070::TfrmEBS070(QWidget *parent) : TfrmEZS000(u"frmEBS070"_s, u"연일장비대여 현황 조회,출력"_s, parent)
{
    AddSearchFields({{.name = u"cboArea"_s, .caption = u"*지역구분"_s, .kind = FieldKind::Code,
                      .field = u"AREA_GUBUN"_s, .codeGroup = u"E0017"_s, .width = 80, .to = &cboArea}});
    cdsQuery->setColumns({
        {.title = u"장비구분"_s, .field = u"EQUIP_GUBUN_NAME"_s, .width = 70},
        {.title = u"장비번호"_s, .field = u"EQUIP_NO"_s, .width = 60, .alignment = Qt::AlignCenter},
        {.title = u"장비사이즈"_s, .field = u"EQUIP_SIZE_NAME"_s, .width = 70, .alignment = Qt::AlignCenter},
        {.title = u"대여번호"_s, .field = u"RENT_NO"_s, .width = 80, .alignment = Qt::AlignCenter},
        {.title = u"대여자명"_s, .field = u"RENT_NAME"_s, .width = 80},
        {.title = u"연락처"_s, .field = u"TEL_NO"_s, .width = 100},
        {.title = u"권종"_s, .field = u"TICKET_KIND_NAME"_s, .width = 90},
        {.title = u" 연일대여 시작일자"_s, .field = u"SVRL_RENT_FROM_DATE"_s, .width = 110, .alignment = Qt::AlignCenter},
        {.title = u" 연일대여 끝일자"_s, .field = u"SVRL_RENT_TO_DATE"_s, .width = 110, .alignment = Qt::AlignCenter},
        {.title = u"취급자"_s, .field = u"DEAL_NAME"_s, .width = 70},
        {.title = u"보관내용구분"_s, .field = u"KEEP_KIND_GUBUN_NAME"_s, .width = 90},
        {.title = u"보관함번호"_s, .field = u"KEEP_BOX_NO"_s, .width = 70},
    });
    // The rental row that took an item out is the multi-day row of the
    // date its period began; one per item, the latest if ever two.
    qryQuery.setSql(u"SELECT "_s + CodeNameSql(u"GC_EQUIP_GUBUN_CODE"_s, u"m.equip_gubun"_s) + u" AS equip_gubun_name,\n"
                    "       m.equip_no,\n"
                    "       "_s + CodeNameSql(u"GC_EQUIP_SIZE_GUBUN_CODE"_s, u"m.equip_size_gubun"_s) + u" AS equip_size_name,\n"
                    "       to_char(d.rent_no, 'FM0000000000') AS rent_no, d.rent_name,\n"
                    "       fn_za010ms_04(d.tel_no) AS tel_no,\n"
                    "       "_s + CodeNameSql(u"GC_TICKET_KIND_CODE"_s, u"d.ticket_kind"_s) + u" AS ticket_kind_name,\n"
                    "       "_s + DateShownSql(u"d.svrl_rent_from_date"_s) + u" AS svrl_rent_from_date,\n"
                    "       "_s + DateShownSql(u"d.svrl_rent_to_date"_s) + u" AS svrl_rent_to_date,\n"
                    "       h.deal_name,\n"
                    "       "_s + CodeNameSql(u"GC_KEEP_KIND_GUBUN_CODE"_s, u"h.keep_kind_gubun"_s) + u" AS keep_kind_gubun_name,\n"
                    "       h.keep_box_no\n"
                    "FROM   eb020ms m\n"
                    "JOIN   LATERAL (SELECT r.*\n"
                    "                FROM   eb040dt r\n"
                    "                WHERE  r.area_gubun  = m.area_gubun\n"
                    "                AND    r.equip_gubun = m.equip_gubun\n"
                    "                AND    r.equip_no    = m.equip_no\n"
                    "                AND    r.rent_date   = m.svrl_from_date\n"
                    "                AND    r.rent_stat   = 'S'\n"
                    "                ORDER  BY r.rent_no DESC, r.rent_seq DESC\n"
                    "                LIMIT  1) d ON true\n"
                    "JOIN   eb040ms h ON  h.rent_date  = d.rent_date\n"
                    "                 AND h.area_gubun = d.area_gubun\n"
                    "                 AND h.rent_no    = d.rent_no\n"
                    "WHERE  m.area_gubun   = :AREA_GUBUN\n"
                    "AND    m.svrl_rent_yn = 'Y'\n"
                    "ORDER  BY m.equip_gubun, m.equip_no"_s);
    qryQuery.bind(u"GC_EQUIP_GUBUN_CODE"_s, u"E0009"_s);
    qryQuery.bind(u"GC_EQUIP_SIZE_GUBUN_CODE"_s, u"E0010"_s);
    qryQuery.bind(u"GC_TICKET_KIND_CODE"_s, u"I0005"_s);
    qryQuery.bind(u"GC_KEEP_KIND_GUBUN_CODE"_s, u"E0013"_s);
}

std::unique_ptr<TfrmZZP010> TfrmEBS070::CreateReport()
{
    return std::make_unique<TfrmEBP070>();
}

void TfrmEBS070::FillConditions(TfrmZZP010 &report)
{
    report.SetCondition(TfrmZZP010::ConditionText({{u"*지역구분"_s, cboArea->currentText()}}));
}
