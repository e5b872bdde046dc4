#include "EBS090.h"

#include "CountingList.h"
#include "EBP090.h"
#include "GridModel.h"
#include "ReportSql.h"

using namespace Qt::StringLiterals;

namespace {

const CountingColumns Columns{.outerTitle = u"대여일자"_s, .outerField = u"RENT_DATE"_s, .countTitle = u"대여현황"_s,
                              .countField = u"RENT_COUNT"_s};

const QString Rows = uR"sql(FROM   eb040dt t
WHERE  t.area_gubun = :AREA_GUBUN
AND    t.rent_date BETWEEN COALESCE(:RENT_DATE_FROM, '00000000')
                       AND COALESCE(:RENT_DATE_TO, '99999999'))sql"_s;

} // namespace

TfrmEBS090::TfrmEBS090(QWidget *parent)
    : TfrmEZS000({.form = u"frmEBS090"_s, .caption = u"기간별 장비대여 현황 조회,출력"_s, .report = ListReport<TfrmEBP090>},
                 parent)
{
    AddSearchFields({
        {.name = u"wmeRentDateFrom"_s, .caption = u"*대여일자"_s, .kind = FieldKind::DateRange,
         .field = u"RENT_DATE_FROM"_s, .width = 80, .printLine = 2},
        {.name = u"cboArea"_s, .caption = u"*지역구분"_s, .kind = FieldKind::Code, .field = u"AREA_GUBUN"_s,
         .codeGroup = u"E0017"_s, .width = 80},
    });
    cdsQuery->setColumns(CountingGridColumns(Columns));
    ColourSubtotalRows(rgrGrid, Columns.kindField);
    SetQuery(CountingSql({
                 .outerKey = u"t.rent_date"_s,
                 .outerShown = DateShownSql(u"t.rent_date"_s),
                 .outerField = Columns.outerField,
                 .kindKey = u"t.equip_gubun"_s,
                 .kindShown = CodeNameSql(u"GC_EQUIP_GUBUN_CODE"_s, u"t.equip_gubun"_s),
                 .kindField = Columns.kindField,
                 .counted = u"COUNT(t.rent_no)"_s,
                 .countField = Columns.countField,
                 .from = Rows,
             }),
             {{u"GC_EQUIP_GUBUN_CODE"_s, u"E0009"_s}});
    SetFooterQuery(u"SELECT COUNT(*) AS rent_count\n"_s + Rows);
}
