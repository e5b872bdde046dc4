#include "EBS070.h"

#include "EBP070.h"
#include "GridModel.h"

using namespace Qt::StringLiterals;

TfrmEBS070::TfrmEBS070(QWidget *parent)
    : TfrmEZS000({.form = u"frmEBS070"_s, .caption = u"연일장비대여 현황 조회,출력"_s, .report = ListReport<TfrmEBP070>},
                 parent)
{
    AddSearchFields({{.name = u"cboArea"_s, .caption = u"*지역구분"_s, .kind = FieldKind::Code,
                      .field = u"AREA_GUBUN"_s, .codeGroup = u"E0017"_s, .width = 80}});
    cdsQuery->setColumns({
        {.title = u"장비구분"_s, .field = u"EQUIP_GUBUN_NAME"_s, .width = 70, .print = {20}},
        {.title = u"장비번호"_s, .field = u"EQUIP_NO"_s, .width = 60, .alignment = Qt::AlignCenter, .print = {15}},
        {.title = u"장비사이즈"_s, .field = u"EQUIP_SIZE_NAME"_s, .width = 70, .alignment = Qt::AlignCenter,
         .print = {14, u"장비\n사이즈"_s}},
        {.title = u"대여번호"_s, .field = u"RENT_NO"_s, .width = 80, .alignment = Qt::AlignCenter, .print = {24}},
        {.title = u"대여자명"_s, .field = u"RENT_NAME"_s, .width = 80, .print = {22}},
        {.title = u"연락처"_s, .field = u"TEL_NO"_s, .width = 100, .print = {28}},
        {.title = u"권종"_s, .field = u"TICKET_KIND_NAME"_s, .width = 90, .print = {22}},
        {.title = u" 연일대여 시작일자"_s, .field = u"SVRL_RENT_FROM_DATE"_s, .width = 110, .alignment = Qt::AlignCenter,
         .print = {21, u"연일대여\n시작일자"_s}},
        {.title = u" 연일대여 끝일자"_s, .field = u"SVRL_RENT_TO_DATE"_s, .width = 110, .alignment = Qt::AlignCenter,
         .print = {21, u"연일대여\n끝   일자"_s}},
        {.title = u"취급자"_s, .field = u"DEAL_NAME"_s, .width = 70, .print = {22}},
        {.title = u"보관내용구분"_s, .field = u"KEEP_KIND_GUBUN_NAME"_s, .width = 90, .print = {22, u"보관내용\n구분"_s}},
        {.title = u"보관함번호"_s, .field = u"KEEP_BOX_NO"_s, .width = 70,
         .print = {16, u"보관함\n번호"_s, Qt::AlignCenter}},
    });
    // The rental row that took an item out is the multi-day row of the
    // date its period began; one per item, the latest if ever two.
    SetQuery(uR"sql(SELECT (SELECT detail_name FROM zx010ms WHERE head = :GC_EQUIP_GUBUN_CODE AND detail = m.equip_gubun) AS equip_gubun_name,
       m.equip_no,
       (SELECT detail_name FROM zx010ms WHERE head = :GC_EQUIP_SIZE_GUBUN_CODE AND detail = m.equip_size_gubun) AS equip_size_name,
       to_char(d.rent_no, 'FM0000000000') AS rent_no, d.rent_name,
       fn_za010ms_04(d.tel_no) AS tel_no,
       (SELECT detail_name FROM zx010ms WHERE head = :GC_TICKET_KIND_CODE AND detail = d.ticket_kind) AS ticket_kind_name,
       substr(d.svrl_rent_from_date, 1, 4) || '-' || substr(d.svrl_rent_from_date, 5, 2) || '-' || substr(d.svrl_rent_from_date, 7, 2) AS svrl_rent_from_date,
       substr(d.svrl_rent_to_date, 1, 4) || '-' || substr(d.svrl_rent_to_date, 5, 2) || '-' || substr(d.svrl_rent_to_date, 7, 2) AS svrl_rent_to_date,
       h.deal_name,
       (SELECT detail_name FROM zx010ms WHERE head = :GC_KEEP_KIND_GUBUN_CODE AND detail = h.keep_kind_gubun) AS keep_kind_gubun_name,
       h.keep_box_no
FROM   eb020ms m
JOIN   LATERAL (SELECT r.*
                FROM   eb040dt r
                WHERE  r.area_gubun  = m.area_gubun
                AND    r.equip_gubun = m.equip_gubun
                AND    r.equip_no    = m.equip_no
                AND    r.rent_date   = m.svrl_from_date
                AND    r.rent_stat   = 'S'
                ORDER  BY r.rent_no DESC, r.rent_seq DESC
                LIMIT  1) d ON true
JOIN   eb040ms h ON  h.rent_date  = d.rent_date
                 AND h.area_gubun = d.area_gubun
                 AND h.rent_no    = d.rent_no
WHERE  m.area_gubun   = :AREA_GUBUN
AND    m.svrl_rent_yn = 'Y'
ORDER  BY m.equip_gubun, m.equip_no)sql"_s,
             {{u"GC_EQUIP_GUBUN_CODE"_s, u"E0009"_s},
              {u"GC_EQUIP_SIZE_GUBUN_CODE"_s, u"E0010"_s},
              {u"GC_TICKET_KIND_CODE"_s, u"I0005"_s},
              {u"GC_KEEP_KIND_GUBUN_CODE"_s, u"E0013"_s}});
}
