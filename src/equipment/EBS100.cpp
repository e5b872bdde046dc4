#include "EBS100.h"

#include "CodeCombo.h"
#include "CodeNameField.h"
#include "CodeServices.h"
#include "EBP100.h"
#include "GridModel.h"
#include "Lookups.h"
#include "ReportSql.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

const QString Select =
    u"SELECT to_char(t.keep_no, 'FM0000000000') AS keep_no,\n"
    "       "_s + CodeNameSql(u"GC_KEEP_STAT_CODE"_s, u"t.keep_stat"_s) + u" AS keep_stat_name,\n"
    "       "_s + CodeNameSql(u"GC_KEEP_GUBUN_CODE"_s, u"t.keep_gubun"_s) + u" AS keep_gubun_name,\n"
    "       "_s + CodeNameSql(u"GC_EQUIP_GUBUN_CODE"_s, u"t.equip_gubun"_s) + u" AS equip_gubun_name,\n"
    "       "_s + CodeNameSql(u"GC_EQUIP_NAME_GUBUN_CODE"_s, u"t.equip_name_gubun"_s) + u" AS equip_name_gubun_name,\n"
    "       t.member_no, t.keep_name, t.keep_box_no,\n"
    "       t.guest_no, t.guest_name, t.equip_name_etc, t.native_no, t.poels_yn, t.poels_name,\n"
    "       "_s + DateShownSql(u"t.ipgo_date"_s) + u" AS ipgo_date,\n"
    "       "_s + DateShownSql(u"t.chulgo_date"_s) + u" AS chulgo_date,\n"
    "       substr(t.zip_code, 1, 3) || '-' || substr(t.zip_code, 4, 3) AS zip_code,\n"
    "       fn_za010ms_04(t.addr1) AS addr1, fn_za010ms_04(t.addr2) AS addr2,\n"
    "       fn_za010ms_04(t.tel_no) AS tel_no, fn_za010ms_04(t.mobile_no) AS mobile_no,\n"
    "       t.remark, t.conf_question, t.conf_answer\n"
    "FROM   eb050ms t\n"
    "WHERE  t.season_gubun = :SEASON_GUBUN\n"
    "AND    t.area_gubun   = :AREA_GUBUN\n"_s;
const QString Order = u"ORDER  BY t.keep_no"_s;

} // namespace

TfrmEBS100::TfrmEBS100(QWidget *parent) : TfrmEZS000(u"frmEBS100"_s, u"장비보관 현황 조회,출력"_s, parent)
{
    AddSearchFields({
        {.name = u"edtSeason"_s, .caption = u"*시즌"_s, .field = u"SEASON_GUBUN"_s, .bytes = 2,
         .lookup = [this] { m_season->Lookup([this] { cboArea->setFocus(); }); }, .width = 30, .to = &edtSeason},
        {.name = u"wlbSeason"_s, .kind = FieldKind::Label, .width = 90, .to = &wlbSeason},
        {.name = u"cboArea"_s, .caption = u"지역구분"_s, .kind = FieldKind::Code, .field = u"AREA_GUBUN"_s,
         .codeGroup = u"E0017"_s, .width = 50, .to = &cboArea},
        {.name = u"cboKeepStat"_s, .caption = u"보관상태"_s, .kind = FieldKind::Code, .field = u"KEEP_STAT"_s,
         .width = 55, .to = &cboKeepStat},
        {.name = u"cboKeepGubun"_s, .caption = u"보관구분"_s, .kind = FieldKind::Code, .field = u"KEEP_GUBUN"_s,
         .width = 65, .to = &cboKeepGubun},
        {.name = u"cboEquipGubun"_s, .caption = u"장비구분"_s, .kind = FieldKind::Code, .field = u"EQUIP_GUBUN"_s,
         .width = 65, .to = &cboEquipGubun},
        {.name = u"cboEquipNameGubun"_s, .caption = u"장비명구분"_s, .kind = FieldKind::Code,
         .field = u"EQUIP_NAME_GUBUN"_s, .width = 55, .to = &cboEquipNameGubun},
        {.name = u"edtKeepName"_s, .caption = u"보관자명"_s, .bytes = 30, .width = 55, .to = &edtKeepName},
    });
    m_season = new CodeNameField(edtSeason, wlbSeason, u"E0004"_s, [this](QString &code, QString &name) {
        return PickCode(u"스키 시즌구분"_s, u"E0004"_s, code, name, this);
    }, this);
    FillWithAll(*cboKeepStat, u"E0015"_s);
    FillWithAll(*cboKeepGubun, u"E0016"_s);
    FillWithAll(*cboEquipGubun, u"E0009"_s);
    FillWithAll(*cboEquipNameGubun, u"E0021"_s);

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
    qryQuery.setSql(Select + Order);
}

QList<RowCheck> TfrmEBS100::SearchChecks()
{
    return m_season->Checks(u"*시즌"_s);
}

void TfrmEBS100::PrepareSearch()
{
    // Each filter chosen adds its own condition; "[전체]" adds none.
    QString sql = Select;
    const struct
    {
        CodeCombo *list;
        const char16_t *condition;
    } filters[] = {
        {cboKeepStat, u"AND    t.keep_stat        = :KEEP_STAT\n"},
        {cboKeepGubun, u"AND    t.keep_gubun       = :KEEP_GUBUN\n"},
        {cboEquipGubun, u"AND    t.equip_gubun      = :EQUIP_GUBUN\n"},
        {cboEquipNameGubun, u"AND    t.equip_name_gubun = :EQUIP_NAME_GUBUN\n"},
    };
    for (const auto &filter : filters)
        if (!filter.list->code().isEmpty())
            sql += QString::fromUtf16(filter.condition);
    const QString name = edtKeepName->text().trimmed();
    if (!name.isEmpty())
        sql += u"AND    t.keep_name LIKE :KEEP_NAME ESCAPE '!'\n"_s;
    qryQuery.setSql(sql + Order);
    qryQuery.bind(u"KEEP_NAME"_s, LikeAnywhere(name));
    qryQuery.bind(u"GC_KEEP_STAT_CODE"_s, u"E0015"_s);
    qryQuery.bind(u"GC_KEEP_GUBUN_CODE"_s, u"E0016"_s);
    qryQuery.bind(u"GC_EQUIP_GUBUN_CODE"_s, u"E0009"_s);
    qryQuery.bind(u"GC_EQUIP_NAME_GUBUN_CODE"_s, u"E0021"_s);
}

std::unique_ptr<TfrmZZP010> TfrmEBS100::CreateReport()
{
    return std::make_unique<TfrmEBP100>();
}

void TfrmEBS100::FillConditions(TfrmZZP010 &report)
{
    report.SetCondition1(
        TfrmZZP010::ConditionText({{u"*시즌"_s, m_season->Name()}, {u"지역구분"_s, cboArea->currentText()}}));
    report.SetCondition2(TfrmZZP010::ConditionText(
        {{u"보관상태"_s, cboKeepStat->currentText()}, {u"보관구분"_s, cboKeepGubun->currentText()}}));
    report.SetCondition(TfrmZZP010::ConditionText({{u"장비구분"_s, cboEquipGubun->currentText()},
                                                   {u"장비명구분"_s, cboEquipNameGubun->currentText()},
                                                   {u"보관자명"_s, edtKeepName->text().trimmed()}}));
}
