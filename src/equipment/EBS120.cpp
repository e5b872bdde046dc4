#include "EBS120.h"

#include "CountingList.h"
#include "EBP120.h"
#include "GridModel.h"
#include "Lookups.h"
#include "ReportSql.h"

using namespace Qt::StringLiterals;

namespace {

const CountingColumns Columns{.outerTitle = u"보관구분"_s, .outerField = u"KEEP_GUBUN_NAME"_s, .countTitle = u"보관현황"_s,
                              .countField = u"KEEP_COUNT"_s};

const QString Stored = uR"sql(FROM   eb050ms t
WHERE  t.season_gubun = :SEASON_GUBUN
AND    t.area_gubun   = :AREA_GUBUN
AND    t.ipgo_date BETWEEN COALESCE(:IPGO_DATE_FROM, '00000000')
                       AND COALESCE(:IPGO_DATE_TO, '99999999'))sql"_s;

} // namespace

TfrmEBS120::TfrmEBS120(QWidget *parent)
    : TfrmEZS000({.form = u"frmEBS120"_s, .caption = u"보관종류별 현황 조회,출력"_s, .report = ListReport<TfrmEBP120>},
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
    SetQuery(CountingSql({
                 .outerKey = u"t.keep_gubun"_s,
                 .outerShown = CodeNameSql(u"GC_KEEP_GUBUN_CODE"_s, u"t.keep_gubun"_s),
                 .outerField = Columns.outerField,
                 .kindKey = u"t.equip_gubun"_s,
                 .kindShown = CodeNameSql(u"GC_EQUIP_GUBUN_CODE"_s, u"t.equip_gubun"_s),
                 .kindField = Columns.kindField,
                 .counted = u"COUNT(t.keep_no)"_s,
                 .countField = Columns.countField,
                 .from = Stored,
             }),
             {{u"GC_KEEP_GUBUN_CODE"_s, u"E0016"_s}, {u"GC_EQUIP_GUBUN_CODE"_s, u"E0009"_s}});
    SetFooterQuery(u"SELECT COUNT(*) AS keep_count\n"_s + Stored);
}
