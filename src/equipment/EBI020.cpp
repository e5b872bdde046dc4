#include "EBI020.h"

#include "CodeCombo.h"
#include "CodeServices.h"
#include "EquipmentRules.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"

#include <QHBoxLayout>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

const QString SizeGroupMissing =
    u"선택하신 지역,장비에 해당하는 사이즈그룹이 존재하지 않습니다\r\r공통코드를 확인 하십시요!"_s;

} // namespace

TfrmEBI020::TfrmEBI020(QWidget *parent) : TfrmEZI000(u"frmEBI020"_s, u"장비등록"_s, parent)
{
    AddSearchFields({
        {.name = u"cboAreaGubun"_s, .caption = u"*지역구분"_s, .kind = FieldKind::Code, .field = u"AREA_GUBUN"_s,
         .codeGroup = u"E0017"_s},
        {.name = u"cboEquipGubun"_s, .caption = u"*장비구분"_s, .kind = FieldKind::Code, .field = u"EQUIP_GUBUN"_s,
         .codeGroup = u"E0009"_s},
    });

    SetColumns({{.title = u"장비번호"_s, .field = u"EQUIP_NO"_s, .width = 70, .dataWidth = 5, .key = true},
                {.title = u"사이즈"_s, .field = u"EQUIP_SIZE_GUBUN"_s, .width = 60, .dataWidth = 10},
                {.title = u"장비대여가능여부"_s, .field = u"EQUIP_RENT_YN"_s, .width = 110, .dataWidth = 1,
                 .alignment = Qt::AlignHCenter},
                {.title = u"구입일자"_s, .field = u"BUY_DATE"_s, .width = 80, .dataWidth = 8,
                 .alignment = Qt::AlignHCenter, .displayMask = u"9999-99-99"_s},
                {.title = u"비고"_s, .field = u"REMARK"_s, .width = 200, .dataWidth = 60},
                {.title = u"연일대여여부"_s, .field = u"SVRL_RENT_YN"_s, .dataWidth = 1, .visible = false},
                {.title = u"연일사용기간FROM"_s, .field = u"SVRL_RENT_FROM_DATE"_s, .dataWidth = 10, .visible = false},
                {.title = u"연일사용기간TO"_s, .field = u"SVRL_RENT_TO_DATE"_s, .dataWidth = 10, .visible = false},
                {.title = u"버전"_s, .field = u"ROW_VER"_s, .visible = false, .readOnly = true}});
    FillColumnCodes(Rows(), 1, u"E0010"_s);

    AddFields({
        {.name = u"wlbEquipNo"_s, .caption = u"장비번호"_s, .kind = FieldKind::Label, .field = u"EQUIP_NO"_s,
         .width = 80},
        {.name = u"cboEquipSizeGubun"_s, .caption = u"*사이즈"_s, .kind = FieldKind::Code,
         .field = u"EQUIP_SIZE_GUBUN"_s, .codeGroup = u"E0010"_s, .required = true, .to = &cboEquipSizeGubun},
        {.name = u"cboEquipRentYn"_s, .caption = u"*장비대여\r\n 가능여부"_s, .kind = FieldKind::Code,
         .field = u"EQUIP_RENT_YN"_s, .required = true,
         .choices = {{u"가능"_s, u"불가능"_s}, {u"Y"_s, u"N"_s}}},
        {.name = u"wmeBuyDate"_s, .caption = u"*구입일자"_s, .kind = FieldKind::Mask, .field = u"BUY_DATE"_s,
         .mask = u"9999-99-99;0; "_s, .to = &wmeBuyDate},
        {.name = u"edtRemark"_s, .caption = u"비고"_s, .field = u"REMARK"_s, .bytes = 60},
        {.name = u"wlbSvrlRentYn"_s, .caption = u"연일\r\n대여여부"_s, .kind = FieldKind::Label,
         .field = u"SVRL_RENT_YN"_s, .width = 80},
        {.name = u"wlbSvrlRentFromDate"_s, .caption = u"연일사용기간"_s, .kind = FieldKind::Label,
         .field = u"SVRL_RENT_FROM_DATE"_s, .width = 80},
        {.name = u"wlbSvrlRentToDate"_s, .caption = u"∼"_s, .kind = FieldKind::Label, .field = u"SVRL_RENT_TO_DATE"_s,
         .sameLine = true, .width = 80},
    });

    // One row per item: the rental row of the multi-day rental is joined only
    // while the item is out on it, and only one of them. Ordered by the key,
    // so that the row kept after a save is the same item.
    qryQuery.setSql(u"SELECT t1.equip_no, t1.equip_size_gubun, t1.equip_rent_yn, t1.buy_date, t1.remark,\n"
                    "       t1.svrl_rent_yn,\n"
                    "       CASE WHEN NULLIF(t2.svrl_rent_from_date, '') IS NULL THEN NULL\n"
                    "            ELSE concat(substr(t2.svrl_rent_from_date, 1, 4), '-', substr(t2.svrl_rent_from_date, 5, 2),\n"
                    "                        '-', substr(t2.svrl_rent_from_date, 7, 2)) END AS svrl_rent_from_date,\n"
                    "       CASE WHEN NULLIF(t2.svrl_rent_to_date, '') IS NULL THEN NULL\n"
                    "            ELSE concat(substr(t2.svrl_rent_to_date, 1, 4), '-', substr(t2.svrl_rent_to_date, 5, 2),\n"
                    "                        '-', substr(t2.svrl_rent_to_date, 7, 2)) END AS svrl_rent_to_date,\n"
                    "       t1.row_ver\n"
                    "FROM   eb020ms t1\n"
                    "LEFT   JOIN LATERAL (SELECT d.svrl_rent_from_date, d.svrl_rent_to_date\n"
                    "                     FROM   eb040dt d\n"
                    "                     WHERE  d.area_gubun  = t1.area_gubun\n"
                    "                     AND    d.equip_gubun = t1.equip_gubun\n"
                    "                     AND    d.equip_no    = t1.equip_no\n"
                    "                     AND    d.rent_date   = t1.svrl_from_date\n"
                    "                     AND    d.rent_stat   = 'S'\n"
                    "                     AND    t1.svrl_rent_yn = 'Y'\n"
                    "                     ORDER  BY d.rent_no DESC, d.rent_seq DESC\n"
                    "                     LIMIT  1) t2 ON true\n"
                    "WHERE  t1.area_gubun  = :AREA_GUBUN\n"
                    "AND    t1.equip_gubun = :EQUIP_GUBUN\n"
                    "ORDER  BY t1.equip_no"_s);
    prcSaveData.setName(u"pr_ebi020_01"_s);
    SetOptions({.keepEmptyRow = true});
}

QList<RowCheck> TfrmEBI020::RowChecks()
{
    const auto size = cboEquipSizeGubun;
    const auto buyDate = wmeBuyDate;
    const QString area = SearchedValue(u"AREA_GUBUN"_s), kind = SearchedValue(u"EQUIP_GUBUN"_s);
    return {
        {[=] { return !SizeInGroup(area, kind, size->code()); }, size, SizeGroupMissing},
        {[=] { return buyDate->plainText().trimmed().isEmpty(); }, buyDate, u"*구입일자"_s + EnterFirst},
        {[=] { return !IsValidYmd(buyDate->plainText().trimmed()); }, buyDate, u"*구입일자"_s + EnterCorrectly},
    };
}
