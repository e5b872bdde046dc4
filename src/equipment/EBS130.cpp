#include "EBS130.h"

#include "CodeCombo.h"
#include "CodeNameField.h"
#include "CountingList.h"
#include "EBP130.h"
#include "GridModel.h"
#include "InputEdits.h"
#include "Lookups.h"
#include "ReportSql.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

const CountingColumns Columns{.outerTitle = u"지역"_s, .outerField = u"REGION_NAME"_s, .countTitle = u"보관현황"_s,
                              .countField = u"KEEP_COUNT"_s};

const QString From = u"FROM   eb050ms t\n"_s;
const QString Where = u"WHERE  t.season_gubun = :SEASON_GUBUN\n"
                      "AND    t.area_gubun   = :AREA_GUBUN\n"
                      "AND    t.ipgo_date BETWEEN COALESCE(:IPGO_DATE_FROM, '00000000')\n"
                      "                       AND COALESCE(:IPGO_DATE_TO, '99999999')"_s;

} // namespace

TfrmEBS130::TfrmEBS130(QWidget *parent) : TfrmEZS000(u"frmEBS130"_s, u"지역별 보관 현황 조회,출력"_s, parent)
{
    AddSearchFields({
        {.name = u"edtSeason"_s, .caption = u"*시즌"_s, .field = u"SEASON_GUBUN"_s, .bytes = 2,
         .lookup = [this] { m_season->Lookup([this] { cboArea->setFocus(); }); }, .width = 30, .to = &edtSeason},
        {.name = u"wlbSeason"_s, .kind = FieldKind::Label, .width = 110, .to = &wlbSeason},
        {.name = u"cboArea"_s, .caption = u"지역구분"_s, .kind = FieldKind::Code, .field = u"AREA_GUBUN"_s,
         .codeGroup = u"E0017"_s, .width = 80, .to = &cboArea},
        {.name = u"wmeIpgoDateFrom"_s, .caption = u"입고일자"_s, .kind = FieldKind::Mask,
         .field = u"IPGO_DATE_FROM"_s, .mask = u"9999-99-99;0; "_s, .width = 80, .to = &wmeIpgoDateFrom},
        {.name = u"wmeIpgoDateTo"_s, .caption = u"∼"_s, .kind = FieldKind::Mask, .field = u"IPGO_DATE_TO"_s,
         .mask = u"9999-99-99;0; "_s, .width = 80, .to = &wmeIpgoDateTo},
    });
    m_season = new CodeNameField(edtSeason, wlbSeason, u"E0004"_s, [this](QString &code, QString &name) {
        return PickCode(u"스키 시즌구분"_s, u"E0004"_s, code, name, this);
    }, this);
    cdsQuery->setColumns(CountingGridColumns(Columns));
    ColourSubtotalRows(rgrGrid, Columns.kindField);
    // A region is the first three digits of the keeper's postal code, shown
    // once for each address pair the postal table holds under them (the key
    // starts with the digits, so regions sort by them); a storage without a
    // postal code is in no region.
    const QString region = u"z.zip_prefix || z.address"_s;
    qryQuery.setSql(CountingSql({
        .outerKey = region,
        .outerShown = u"substr("_s + region + u", 4)"_s,
        .outerField = Columns.outerField,
        .kindKey = u"t.equip_gubun"_s,
        .kindShown = CodeNameSql(u"GC_EQUIP_GUBUN_CODE"_s, u"t.equip_gubun"_s),
        .kindField = Columns.kindField,
        .counted = u"COUNT(t.keep_no)"_s,
        .countField = Columns.countField,
        .from = From
                + u"JOIN   (SELECT DISTINCT substr(zip_code, 1, 3) AS zip_prefix,\n"
                  "                        concat_ws(' ', address1, address2) AS address\n"
                  "        FROM   zx030ms) z ON z.zip_prefix = substr(t.zip_code, 1, 3)\n"_s
                + Where,
    }));
    qryQuery.bind(u"GC_EQUIP_GUBUN_CODE"_s, u"E0009"_s);
    qryFooter.setSql(u"SELECT COUNT(*) AS keep_count\n"_s + From + Where);
}

QList<RowCheck> TfrmEBS130::SearchChecks()
{
    return m_season->Checks(u"*시즌"_s) + DateRangeChecks(u"입고일자"_s, {wmeIpgoDateFrom, wmeIpgoDateTo});
}

std::unique_ptr<TfrmZZP010> TfrmEBS130::CreateReport()
{
    return std::make_unique<TfrmEBP130>();
}

void TfrmEBS130::FillConditions(TfrmZZP010 &report)
{
    report.SetCondition1(TfrmZZP010::ConditionText({{u"*시즌"_s, m_season->Name()}}));
    report.SetCondition2(TfrmZZP010::ConditionText({{u"지역구분"_s, cboArea->currentText()}}));
    report.SetCondition(u"입고일자: "_s + DateRangeText(wmeIpgoDateFrom, wmeIpgoDateTo));
}
