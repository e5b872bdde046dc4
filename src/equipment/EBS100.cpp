#include "EBS100.h"

#include "EBP100.h"
#include "GridModel.h"
#include "Lookups.h"

using namespace Qt::StringLiterals;

TfrmEBS100::TfrmEBS100(QWidget *parent)
    : TfrmEZS000({.form = u"frmEBS100"_s,
                  .caption = u"장비보관 현황 조회,출력"_s,
                  .report = [](const QList<ColumnDef> &) { return std::make_unique<TfrmEBP100>(); }},
                 parent)
{
    AddSearchFields({
        {.name = u"edtSeason"_s, .caption = u"*시즌"_s, .kind = FieldKind::CodeName, .field = u"SEASON_GUBUN"_s,
         .bytes = 2, .codeGroup = u"E0004"_s, .required = true, .width = 30, .printLine = 1,
         .pick = CodeLookup(u"스키 시즌구분"_s), .nameWidth = 90},
        {.name = u"cboArea"_s, .caption = u"지역구분"_s, .kind = FieldKind::Code, .field = u"AREA_GUBUN"_s,
         .codeGroup = u"E0017"_s, .width = 50, .printLine = 1},
        {.name = u"cboKeepStat"_s, .caption = u"보관상태"_s, .kind = FieldKind::Code, .field = u"KEEP_STAT"_s,
         .codeGroup = u"E0015"_s, .width = 55, .condition = u"t.keep_stat        = :KEEP_STAT"_s, .withAll = true,
         .printLine = 2},
        {.name = u"cboKeepGubun"_s, .caption = u"보관구분"_s, .kind = FieldKind::Code, .field = u"KEEP_GUBUN"_s,
         .codeGroup = u"E0016"_s, .width = 65, .condition = u"t.keep_gubun       = :KEEP_GUBUN"_s, .withAll = true,
         .printLine = 2},
        {.name = u"cboEquipGubun"_s, .caption = u"장비구분"_s, .kind = FieldKind::Code, .field = u"EQUIP_GUBUN"_s,
         .codeGroup = u"E0009"_s, .width = 65, .condition = u"t.equip_gubun      = :EQUIP_GUBUN"_s, .withAll = true},
        {.name = u"cboEquipNameGubun"_s, .caption = u"장비명구분"_s, .kind = FieldKind::Code,
         .field = u"EQUIP_NAME_GUBUN"_s, .codeGroup = u"E0021"_s, .width = 55,
         .condition = u"t.equip_name_gubun = :EQUIP_NAME_GUBUN"_s, .withAll = true},
        {.name = u"edtKeepName"_s, .caption = u"보관자명"_s, .field = u"KEEP_NAME"_s, .bytes = 30, .width = 55,
         .condition = u"t.keep_name LIKE :KEEP_NAME ESCAPE '!'"_s, .bound = LikeAnywhere},
    });
    cdsQuery->setColumns({
        {.title = u"보관번호"_s, .field = u"KEEP_NO"_s, .width = 80, .alignment = Qt::AlignCenter},
        {.title = u"보관상태"_s, .field = u"KEEP_STAT_NAME"_s, .width = 60},
        {.title = u"보관구분"_s, .field = u"KEEP_GUBUN_NAME"_s, .width = 70},
        {.title = u"장비구분"_s, .field = u"EQUIP_GUBUN_NAME"_s, .width = 70},
        {.title = u"장비명구분"_s, .field = u"EQUIP_NAME_GUBUN_NAME"_s, .width = 80},
        {.title = u"회원번호"_s, .field = u"MEMBER_NO"_s, .width = 80},
        {.title = u"보관자명"_s, .field = u"KEEP_NAME"_s, .width = 80},
        {.title = u"보관함번호"_s, .field = u"KEEP_BOX_NO"_s, .width = 80},
    });
    SetQuery(uR"sql(SELECT to_char(t.keep_no, 'FM0000000000') AS keep_no,
       (SELECT detail_name FROM zx010ms WHERE head = :GC_KEEP_STAT_CODE AND detail = t.keep_stat) AS keep_stat_name,
       (SELECT detail_name FROM zx010ms WHERE head = :GC_KEEP_GUBUN_CODE AND detail = t.keep_gubun) AS keep_gubun_name,
       (SELECT detail_name FROM zx010ms WHERE head = :GC_EQUIP_GUBUN_CODE AND detail = t.equip_gubun) AS equip_gubun_name,
       (SELECT detail_name FROM zx010ms WHERE head = :GC_EQUIP_NAME_GUBUN_CODE AND detail = t.equip_name_gubun) AS equip_name_gubun_name,
       t.member_no, t.keep_name, t.keep_box_no,
       t.guest_no, t.guest_name, t.equip_name_etc, t.native_no, t.poels_yn, t.poels_name,
       substr(t.ipgo_date, 1, 4) || '-' || substr(t.ipgo_date, 5, 2) || '-' || substr(t.ipgo_date, 7, 2) AS ipgo_date,
       substr(t.chulgo_date, 1, 4) || '-' || substr(t.chulgo_date, 5, 2) || '-' || substr(t.chulgo_date, 7, 2) AS chulgo_date,
       substr(t.zip_code, 1, 3) || '-' || substr(t.zip_code, 4, 3) AS zip_code,
       fn_za010ms_04(t.addr1) AS addr1, fn_za010ms_04(t.addr2) AS addr2,
       fn_za010ms_04(t.tel_no) AS tel_no, fn_za010ms_04(t.mobile_no) AS mobile_no,
       t.remark, t.conf_question, t.conf_answer
FROM   eb050ms t
WHERE  t.season_gubun = :SEASON_GUBUN
AND    t.area_gubun   = :AREA_GUBUN{filters}
ORDER  BY t.keep_no)sql"_s,
             {{u"GC_KEEP_STAT_CODE"_s, u"E0015"_s},
              {u"GC_KEEP_GUBUN_CODE"_s, u"E0016"_s},
              {u"GC_EQUIP_GUBUN_CODE"_s, u"E0009"_s},
              {u"GC_EQUIP_NAME_GUBUN_CODE"_s, u"E0021"_s}});
}
