#include "EBS090.h"

#include "CodeCombo.h"
#include "CountingList.h"
#include "EBP090.h"
#include "GridModel.h"
#include "InputEdits.h"
#include "ReportSql.h"

using namespace Qt::StringLiterals;

namespace {

const CountingColumns Columns{.outerTitle = u"대여일자"_s, .outerField = u"RENT_DATE"_s, .countTitle = u"대여현황"_s,
                              .countField = u"RENT_COUNT"_s};

const QString Rows = u"FROM   eb040dt t\n"
                     "WHERE  t.area_gubun = :AREA_GUBUN\n"
                     "AND    t.rent_date BETWEEN COALESCE(:RENT_DATE_FROM, '00000000')\n"
                     "                       AND COALESCE(:RENT_DATE_TO, '99999999')"_s;

} // namespace

TfrmEBS090::TfrmEBS090(QWidget *parent) : TfrmEZS000(u"frmEBS090"_s, u"기간별 장비대여 현황 조회,출력"_s, parent)
{
    AddSearchFields({
        {.name = u"wmeRentDateFrom"_s, .caption = u"*대여일자"_s, .kind = FieldKind::Mask,
         .field = u"RENT_DATE_FROM"_s, .mask = u"9999-99-99;0; "_s, .width = 80, .to = &wmeRentDateFrom},
        {.name = u"wmeRentDateTo"_s, .caption = u"∼"_s, .kind = FieldKind::Mask, .field = u"RENT_DATE_TO"_s,
         .mask = u"9999-99-99;0; "_s, .width = 80, .to = &wmeRentDateTo},
        {.name = u"cboArea"_s, .caption = u"*지역구분"_s, .kind = FieldKind::Code, .field = u"AREA_GUBUN"_s,
         .codeGroup = u"E0017"_s, .width = 80, .to = &cboArea},
    });
    cdsQuery->setColumns(CountingGridColumns(Columns));
    ColourSubtotalRows(rgrGrid, Columns.kindField);
    qryQuery.setSql(CountingSql({
        .outerKey = u"t.rent_date"_s,
        .outerShown = DateShownSql(u"t.rent_date"_s),
        .outerField = Columns.outerField,
        .kindKey = u"t.equip_gubun"_s,
        .kindShown = CodeNameSql(u"GC_EQUIP_GUBUN_CODE"_s, u"t.equip_gubun"_s),
        .kindField = Columns.kindField,
        .counted = u"COUNT(t.rent_no)"_s,
        .countField = Columns.countField,
        .from = Rows,
    }));
    qryQuery.bind(u"GC_EQUIP_GUBUN_CODE"_s, u"E0009"_s);
    qryFooter.setSql(u"SELECT COUNT(*) AS rent_count\n"_s + Rows);
}

QList<RowCheck> TfrmEBS090::SearchChecks()
{
    return DateRangeChecks(u"*대여일자"_s, {wmeRentDateFrom, wmeRentDateTo});
}

std::unique_ptr<TfrmZZP010> TfrmEBS090::CreateReport()
{
    return std::make_unique<TfrmEBP090>();
}

void TfrmEBS090::FillConditions(TfrmZZP010 &report)
{
    report.SetCondition2(u"*대여일자: "_s + DateRangeText(wmeRentDateFrom, wmeRentDateTo));
    report.SetCondition(TfrmZZP010::ConditionText({{u"*지역구분"_s, cboArea->currentText()}}));
}
