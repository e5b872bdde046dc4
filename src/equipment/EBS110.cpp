#include "EBS110.h"

#include "CodeCombo.h"
#include "EBP110.h"
#include "GridModel.h"
#include "ReportSql.h"

#include <QDateEdit>

using namespace Qt::StringLiterals;

TfrmEBS110::TfrmEBS110(QWidget *parent) : TfrmEZS000(u"frmEBS110"_s, u"미출고 장비보관 현황 조회,출력"_s, parent)
{
    AddSearchFields({
        {.name = u"dtpDate"_s, .caption = u"*기준일자"_s, .kind = FieldKind::Date, .field = u"BASE_DATE"_s,
         .to = &dtpDate},
        {.name = u"cboArea"_s, .caption = u"*지역구분"_s, .kind = FieldKind::Code, .field = u"AREA_GUBUN"_s,
         .codeGroup = u"E0017"_s, .width = 80, .to = &cboArea},
    });
    cdsQuery->setColumns({
        {.title = u"보관번호"_s, .field = u"KEEP_NO"_s, .width = 80, .alignment = Qt::AlignCenter},
        {.title = u"회원번호"_s, .field = u"MEMBER_NO"_s, .width = 70},
        {.title = u"보관자명"_s, .field = u"KEEP_NAME"_s, .width = 80},
        {.title = u"보관함번호"_s, .field = u"KEEP_BOX_NO"_s, .width = 70},
        {.title = u"보관구분"_s, .field = u"KEEP_GUBUN_NAME"_s, .width = 70},
        {.title = u"장비구분"_s, .field = u"EQUIP_GUBUN_NAME"_s, .width = 70},
        {.title = u"장비명"_s, .field = u"EQUIP_NAME"_s, .width = 70},
        {.title = u"장비명기타"_s, .field = u"EQUIP_NAME_ETC"_s, .width = 80},
        {.title = u"고유번호"_s, .field = u"NATIVE_NO"_s, .width = 90},
        {.title = u"폴 유무"_s, .field = u"POELS_YN"_s, .width = 50, .alignment = Qt::AlignCenter},
        {.title = u"폴명"_s, .field = u"POELS_NAME"_s, .width = 70},
        {.title = u"입고일"_s, .field = u"IPGO_DATE"_s, .width = 80, .alignment = Qt::AlignCenter},
        {.title = u"출고일"_s, .field = u"CHULGO_DATE"_s, .width = 80, .alignment = Qt::AlignCenter},
        {.title = u"연락처(핸드폰)"_s, .field = u"MOBILE_NO"_s, .width = 100},
    });
    // Due before the reference date, not on it; an item without a release
    // date is due never, so it is not listed.
    qryQuery.setSql(
        u"SELECT to_char(t.keep_no, 'FM0000000000') AS keep_no, t.member_no, t.keep_name, t.keep_box_no,\n"
        "       "_s + CodeNameSql(u"GC_KEEP_GUBUN_CODE"_s, u"t.keep_gubun"_s) + u" AS keep_gubun_name,\n"
        "       "_s + CodeNameSql(u"GC_EQUIP_GUBUN_CODE"_s, u"t.equip_gubun"_s) + u" AS equip_gubun_name,\n"
        "       "_s + CodeNameSql(u"GC_EQUIP_NAME_GUBUN_CODE"_s, u"t.equip_name_gubun"_s) + u" AS equip_name,\n"
        "       t.equip_name_etc, t.native_no, t.poels_yn, t.poels_name,\n"
        "       "_s + DateShownSql(u"t.ipgo_date"_s) + u" AS ipgo_date,\n"
        "       "_s + DateShownSql(u"t.chulgo_date"_s) + u" AS chulgo_date,\n"
        "       fn_za010ms_04(t.mobile_no) AS mobile_no\n"
        "FROM   eb050ms t\n"
        "WHERE  t.area_gubun  = :AREA_GUBUN\n"
        "AND    t.keep_stat   = :KEEP_STAT\n"
        "AND    t.chulgo_date IS NOT NULL\n"
        "AND    t.chulgo_date < :BASE_DATE\n"
        "ORDER  BY t.chulgo_date, t.season_gubun, t.keep_no"_s);
    qryQuery.bind(u"KEEP_STAT"_s, u"K"_s);
    qryQuery.bind(u"GC_KEEP_GUBUN_CODE"_s, u"E0016"_s);
    qryQuery.bind(u"GC_EQUIP_GUBUN_CODE"_s, u"E0009"_s);
    qryQuery.bind(u"GC_EQUIP_NAME_GUBUN_CODE"_s, u"E0021"_s);
}

std::unique_ptr<TfrmZZP010> TfrmEBS110::CreateReport()
{
    return std::make_unique<TfrmEBP110>();
}

void TfrmEBS110::FillConditions(TfrmZZP010 &report)
{
    report.SetCondition2(TfrmZZP010::ConditionText({{u"*기준일자"_s, ShownValue(dtpDate)}}));
    report.SetCondition(TfrmZZP010::ConditionText({{u"*지역구분"_s, cboArea->currentText()}}));
}
