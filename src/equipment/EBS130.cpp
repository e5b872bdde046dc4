#include "EBS130.h"

#include "CountingList.h"
#include "EBP130.h"
#include "GridModel.h"
#include "Lookups.h"
#include "ReportSql.h"

using namespace Qt::StringLiterals;

namespace {

const CountingColumns Columns{.outerTitle = u"지역"_s, .outerField = u"REGION_NAME"_s, .countTitle = u"보관현황"_s,
                              .countField = u"KEEP_COUNT"_s};

const QString Where = uR"sql(WHERE  t.season_gubun = :SEASON_GUBUN
AND    t.area_gubun   = :AREA_GUBUN
AND    t.ipgo_date BETWEEN COALESCE(:IPGO_DATE_FROM, '00000000')
                       AND COALESCE(:IPGO_DATE_TO, '99999999'))sql"_s;

} // namespace

TfrmEBS130::TfrmEBS130(QWidget *parent)
    : TfrmEZS000({.form = u"frmEBS130"_s, .caption = u"지역별 보관 현황 조회,출력"_s, .report = ListReport<TfrmEBP130>},
                 parent)
{
    AddSearchFields({
        {.name = u"edtSeason"_s, .caption = u"*시즌"_s, .kind = FieldKind::CodeName, .field = u"SEASON_GUBUN"_s,
         .bytes = 2, .codeGroup = u"E0004"_s, .required = true, .width = 30, .printLine = 1,
         .pick = CodeLookup(u"스키 시즌구분"_s), .nameWidth = 110},
        {.name = u"cboArea"_s, .caption = u"지역구분"_s, .kind = FieldKind::Code, .field = u"AREA_GUBUN"_s,
         .codeGroup = u"E0017"_s, .width = 80, .printLine = 2},
        {.name = u"wmeIpgoDateFrom"_s, .caption = u"입고일자"_s, .kind = FieldKind::DateRange,
         .field = u"IPGO_DATE_FROM"_s, .width = 80},
    });
    cdsQuery->setColumns(CountingGridColumns(Columns));
    ColourSubtotalRows(rgrGrid, Columns.kindField);
    // A region is the first three digits of the keeper's postal code, shown
    // once for each address pair the postal table holds under them (the key
    // starts with the digits, so regions sort by them); a storage without a
    // postal code is in no region.
    const QString region = u"z.zip_prefix || z.address"_s;
    SetQuery(CountingSql({
                 .outerKey = region,
                 .outerShown = u"substr("_s + region + u", 4)"_s,
                 .outerField = Columns.outerField,
                 .kindKey = u"t.equip_gubun"_s,
                 .kindShown = CodeNameSql(u"GC_EQUIP_GUBUN_CODE"_s, u"t.equip_gubun"_s),
                 .kindField = Columns.kindField,
                 .counted = u"COUNT(t.keep_no)"_s,
                 .countField = Columns.countField,
                 .from = uR"sql(FROM   eb050ms t
JOIN   (SELECT DISTINCT substr(zip_code, 1, 3) AS zip_prefix,
                        concat_ws(' ', address1, address2) AS address
        FROM   zx030ms) z ON z.zip_prefix = substr(t.zip_code, 1, 3)
)sql"_s + Where,
             }),
             {{u"GC_EQUIP_GUBUN_CODE"_s, u"E0009"_s}});
    SetFooterQuery(u"SELECT COUNT(*) AS keep_count\nFROM   eb050ms t\n"_s + Where);
}
