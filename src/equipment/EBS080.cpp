#include "EBS080.h"

#include "CountingList.h"
#include "EBP080.h"
#include "GridModel.h"
#include "ReportSql.h"

using namespace Qt::StringLiterals;

namespace {

const CountingColumns Columns{.outerTitle = u"시간대"_s, .outerField = u"RENT_HOUR"_s, .countTitle = u"대여현황"_s,
                              .countField = u"RENT_COUNT"_s};

} // namespace

TfrmEBS080::TfrmEBS080(QWidget *parent)
    : TfrmEZS000({.form = u"frmEBS080"_s, .caption = u"시간대별 장비대여현황 조회,출력"_s, .report = ListReport<TfrmEBP080>},
                 parent)
{
    AddSearchFields({
        {.name = u"dtpDate"_s, .caption = u"*대여일자"_s, .kind = FieldKind::Date, .field = u"RENT_DATE"_s,
         .printLine = 2},
        {.name = u"cboArea"_s, .caption = u"*지역구분"_s, .kind = FieldKind::Code, .field = u"AREA_GUBUN"_s,
         .codeGroup = u"E0017"_s, .width = 80},
    });
    cdsQuery->setColumns(CountingGridColumns(Columns));
    ColourSubtotalRows(rgrGrid, Columns.kindField);
    // The hour is that of RENT_TIME, the server's clock when the rental row
    // was stored; rows kept before it was recorded count under their own band.
    const QString hour = u"substr(t.rent_time, 1, 2)"_s;
    SetQuery(CountingSql({
                 .outerKey = hour,
                 .outerShown = u"COALESCE("_s + hour + u" || ':00 - ' || "_s + hour + u" || ':59', '시간 미기록')"_s,
                 .outerField = Columns.outerField,
                 .kindKey = u"t.equip_gubun"_s,
                 .kindShown = CodeNameSql(u"GC_EQUIP_GUBUN_CODE"_s, u"t.equip_gubun"_s),
                 .kindField = Columns.kindField,
                 .counted = u"COUNT(t.rent_no)"_s,
                 .countField = Columns.countField,
                 .from = uR"sql(FROM   eb040dt t
WHERE  t.rent_date  = :RENT_DATE
AND    t.area_gubun = :AREA_GUBUN)sql"_s,
             }),
             {{u"GC_EQUIP_GUBUN_CODE"_s, u"E0009"_s}});
    SetFooterQuery(uR"sql(SELECT COUNT(*) AS rent_count
FROM   eb040dt
WHERE  rent_date  = :RENT_DATE
AND    area_gubun = :AREA_GUBUN)sql"_s);
}
