#include "EBS110.h"

#include "EBP110.h"
#include "GridModel.h"

using namespace Qt::StringLiterals;

TfrmEBS110::TfrmEBS110(QWidget *parent)
    : TfrmEZS000({.form = u"frmEBS110"_s, .caption = u"미출고 장비보관 현황 조회,출력"_s, .report = ListReport<TfrmEBP110>},
                 parent)
{
    AddSearchFields({
        {.name = u"dtpDate"_s, .caption = u"*기준일자"_s, .kind = FieldKind::Date, .field = u"BASE_DATE"_s,
         .printLine = 2},
        {.name = u"cboArea"_s, .caption = u"*지역구분"_s, .kind = FieldKind::Code, .field = u"AREA_GUBUN"_s,
         .codeGroup = u"E0017"_s, .width = 80},
    });
    cdsQuery->setColumns({
        {.title = u"보관번호"_s, .field = u"KEEP_NO"_s, .width = 80, .alignment = Qt::AlignCenter, .print = {23}},
        {.title = u"회원번호"_s, .field = u"MEMBER_NO"_s, .width = 70, .print = {18}},
        {.title = u"보관자명"_s, .field = u"KEEP_NAME"_s, .width = 80, .print = {20}},
        {.title = u"보관함번호"_s, .field = u"KEEP_BOX_NO"_s, .width = 70,
         .print = {15, u"보관함\n번호"_s, Qt::AlignCenter}},
        {.title = u"보관구분"_s, .field = u"KEEP_GUBUN_NAME"_s, .width = 70, .print = {17}},
        {.title = u"장비구분"_s, .field = u"EQUIP_GUBUN_NAME"_s, .width = 70, .print = {17}},
        {.title = u"장비명"_s, .field = u"EQUIP_NAME"_s, .width = 70, .print = {16}},
        {.title = u"장비명기타"_s, .field = u"EQUIP_NAME_ETC"_s, .width = 80, .print = {20, u"장비명\n기타"_s}},
        {.title = u"고유번호"_s, .field = u"NATIVE_NO"_s, .width = 90, .print = {24}},
        {.title = u"폴 유무"_s, .field = u"POELS_YN"_s, .width = 50, .alignment = Qt::AlignCenter,
         .print = {9, u"폴\n유무"_s}},
        {.title = u"폴명"_s, .field = u"POELS_NAME"_s, .width = 70, .print = {16}},
        {.title = u"입고일"_s, .field = u"IPGO_DATE"_s, .width = 80, .alignment = Qt::AlignCenter, .print = {20}},
        {.title = u"출고일"_s, .field = u"CHULGO_DATE"_s, .width = 80, .alignment = Qt::AlignCenter, .print = {20}},
        {.title = u"연락처(핸드폰)"_s, .field = u"MOBILE_NO"_s, .width = 100, .print = {27, u"연락처\n(핸드폰)"_s}},
    });
    // Due before the reference date, not on it; an item without a release
    // date is due never, so it is not listed.
    SetQuery(uR"sql(SELECT to_char(t.keep_no, 'FM0000000000') AS keep_no, t.member_no, t.keep_name, t.keep_box_no,
       (SELECT detail_name FROM zx010ms WHERE head = :GC_KEEP_GUBUN_CODE AND detail = t.keep_gubun) AS keep_gubun_name,
       (SELECT detail_name FROM zx010ms WHERE head = :GC_EQUIP_GUBUN_CODE AND detail = t.equip_gubun) AS equip_gubun_name,
       (SELECT detail_name FROM zx010ms WHERE head = :GC_EQUIP_NAME_GUBUN_CODE AND detail = t.equip_name_gubun) AS equip_name,
       t.equip_name_etc, t.native_no, t.poels_yn, t.poels_name,
       substr(t.ipgo_date, 1, 4) || '-' || substr(t.ipgo_date, 5, 2) || '-' || substr(t.ipgo_date, 7, 2) AS ipgo_date,
       substr(t.chulgo_date, 1, 4) || '-' || substr(t.chulgo_date, 5, 2) || '-' || substr(t.chulgo_date, 7, 2) AS chulgo_date,
       fn_za010ms_04(t.mobile_no) AS mobile_no
FROM   eb050ms t
WHERE  t.area_gubun  = :AREA_GUBUN
AND    t.keep_stat   = :KEEP_STAT
AND    t.chulgo_date IS NOT NULL
AND    t.chulgo_date < :BASE_DATE
ORDER  BY t.chulgo_date, t.season_gubun, t.keep_no)sql"_s,
             {{u"KEEP_STAT"_s, u"K"_s},
              {u"GC_KEEP_GUBUN_CODE"_s, u"E0016"_s},
              {u"GC_EQUIP_GUBUN_CODE"_s, u"E0009"_s},
              {u"GC_EQUIP_NAME_GUBUN_CODE"_s, u"E0021"_s}});
}
