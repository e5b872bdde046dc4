#include "EBS060.h"

#include "EBP060.h"
#include "GridModel.h"

using namespace Qt::StringLiterals;

TfrmEBS060::TfrmEBS060(QWidget *parent)
    : TfrmEZS000({.form = u"frmEBS060"_s, .caption = u"일일 장비대여 현황 조회,출력"_s, .report = ListReport<TfrmEBP060>},
                 parent)
{
    AddSearchFields({
        {.name = u"dtpDate"_s, .caption = u"*대여일자"_s, .kind = FieldKind::Date, .field = u"RENT_DATE"_s,
         .printLine = 2},
        {.name = u"cboArea"_s, .caption = u"*지역구분"_s, .kind = FieldKind::Code, .field = u"AREA_GUBUN"_s,
         .codeGroup = u"E0017"_s, .width = 80},
        {.name = u"cboRentStat"_s, .caption = u"*상태구분"_s, .kind = FieldKind::Code, .field = u"RENT_STAT"_s,
         .codeGroup = u"E0012"_s, .width = 90, .condition = u"t.rent_stat  = :RENT_STAT"_s, .withAll = true},
        {.name = u"cboTicketKind"_s, .caption = u"*권종구분"_s, .kind = FieldKind::Code, .field = u"TICKET_KIND"_s,
         .codeGroup = u"I0005"_s, .width = 110, .condition = u"t.ticket_kind = :TICKET_KIND"_s, .withAll = true},
    });
    cdsQuery->setColumns({
        {.title = u"대여번호"_s, .field = u"RENT_NO"_s, .width = 80, .alignment = Qt::AlignCenter, .print = {24}},
        {.title = u"순번"_s, .field = u"RENT_SEQ"_s, .width = 40, .alignment = Qt::AlignRight, .print = {10}},
        {.title = u"대여상태"_s, .field = u"RENT_STAT_NAME"_s, .width = 70, .print = {18}},
        {.title = u"장비구분"_s, .field = u"EQUIP_GUBUN_NAME"_s, .width = 70, .print = {20}},
        {.title = u"장비번호"_s, .field = u"EQUIP_NO"_s, .width = 60, .alignment = Qt::AlignCenter, .print = {15}},
        {.title = u"대여자명"_s, .field = u"RENT_NAME"_s, .width = 80, .print = {22}},
        {.title = u"연락처"_s, .field = u"TEL_NO"_s, .width = 100, .print = {28}},
        {.title = u"신장"_s, .field = u"HEIGHT"_s, .width = 40, .alignment = Qt::AlignRight, .print = {10}},
        {.title = u"체중"_s, .field = u"WEIGHT"_s, .width = 40, .alignment = Qt::AlignRight, .print = {10}},
        {.title = u"신발규격"_s, .field = u"SHOES_SIZE_NAME"_s, .width = 60, .alignment = Qt::AlignCenter,
         .print = {15}},
        {.title = u"바인딩강도"_s, .field = u"BINDING"_s, .width = 70, .alignment = Qt::AlignRight,
         .print = {13, u"방인딩\n강   도"_s}},
        {.title = u"권종"_s, .field = u"TICKET_KIND_NAME"_s, .width = 90, .print = {22, u"권    종"_s}},
        {.title = u" 연일대여 시작일자"_s, .field = u"SVRL_RENT_FROM_DATE"_s, .width = 110, .alignment = Qt::AlignCenter,
         .print = {20, u"연일대여\n시작일자"_s}},
        {.title = u" 연일대여 끝일자"_s, .field = u"SVRL_RENT_TO_DATE"_s, .width = 110, .alignment = Qt::AlignCenter,
         .print = {20, u"연일대여\n끝   일자"_s}},
    });
    SetQuery(uR"sql(SELECT to_char(t.rent_no, 'FM0000000000') AS rent_no, t.rent_seq,
       (SELECT detail_name FROM zx010ms WHERE head = :GC_RENT_STAT_CODE AND detail = t.rent_stat) AS rent_stat_name,
       (SELECT detail_name FROM zx010ms WHERE head = :GC_EQUIP_GUBUN_CODE AND detail = t.equip_gubun) AS equip_gubun_name,
       t.equip_no, t.rent_name, fn_za010ms_04(t.tel_no) AS tel_no, t.height, t.weight,
       (SELECT detail_name FROM zx010ms WHERE head = :GC_SHOES_SIZE_CODE AND detail = t.shoes_size) AS shoes_size_name,
       t.binding,
       (SELECT detail_name FROM zx010ms WHERE head = :GC_TICKET_KIND_CODE AND detail = t.ticket_kind) AS ticket_kind_name,
       substr(t.svrl_rent_from_date, 1, 4) || '-' || substr(t.svrl_rent_from_date, 5, 2) || '-' || substr(t.svrl_rent_from_date, 7, 2) AS svrl_rent_from_date,
       substr(t.svrl_rent_to_date, 1, 4) || '-' || substr(t.svrl_rent_to_date, 5, 2) || '-' || substr(t.svrl_rent_to_date, 7, 2) AS svrl_rent_to_date
FROM   eb040dt t
WHERE  t.rent_date  = :RENT_DATE
AND    t.area_gubun = :AREA_GUBUN{filters}
ORDER  BY t.rent_no, t.rent_seq)sql"_s,
             {{u"GC_RENT_STAT_CODE"_s, u"E0012"_s},
              {u"GC_EQUIP_GUBUN_CODE"_s, u"E0009"_s},
              {u"GC_SHOES_SIZE_CODE"_s, u"E0011"_s},
              {u"GC_TICKET_KIND_CODE"_s, u"I0005"_s}});
}
