#include "EFS030.h"

#include "EFH030.h"
#include "GridModel.h"
#include "SalesFields.h"
#include "SearchChecks.h"

using namespace Qt::StringLiterals;

namespace {

// The column groups after date, rate and ticket kind: heading, field stem, adult/child code.
struct Group
{
    QString heading;
    QString stem;
    QString lines;
};

const QList<Group> Groups = {{u"구분없슴"_s, u"NONE"_s, u"m.daeso_code = 'Z'"_s},
                             {u"대인"_s, u"ADULT"_s, u"m.daeso_code = '1'"_s},
                             {u"소인"_s, u"CHILD"_s, u"m.daeso_code = '2'"_s},
                             {u"합계"_s, u"TOTAL"_s, u"true"_s}};

QList<ColumnDef> Columns()
{
    QList<ColumnDef> columns = {
        {.title = u"매출일자"_s, .field = u"SALE_DATE"_s, .width = 80, .alignment = Qt::AlignCenter},
        {.title = u"DC율"_s, .field = u"DC_RATE"_s, .width = 50, .alignment = Qt::AlignRight},
        {.title = u"권종"_s, .field = u"TICKET"_s, .width = 120}};
    for (const Group &group : Groups) {
        columns.append({.title = u"수량"_s, .field = group.stem + u"_QTY"_s, .width = 60,
                        .alignment = Qt::AlignRight, .group = group.heading});
        columns.append({.title = u"매출금액"_s, .field = group.stem + u"_AMT"_s, .width = 100,
                        .alignment = Qt::AlignRight, .group = group.heading});
    }
    return columns;
}

} // namespace

QString TfrmEFS030::ListSql()
{
    QStringList sums;
    for (const Group &group : Groups) {
        sums.append(u"TO_CHAR(COALESCE(SUM(i.sale_qty) FILTER (WHERE %1), 0), 'FM9,999,999,999') AS %2_qty"_s
                        .arg(group.lines, group.stem.toLower()));
        sums.append(u"TO_CHAR(COALESCE(SUM(i.sale_amt) FILTER (WHERE %1), 0), 'FM9,999,999,999') AS %2_amt"_s
                        .arg(group.lines, group.stem.toLower()));
    }
    // A menu's ticket kind and adult/child class are the greatest of its rows.
    return uR"sql(WITH m AS (
    SELECT menu_code, MAX(ticket_kind) AS ticket_kind, MAX(daeso_code) AS daeso_code
    FROM   jb010ms
    WHERE  upjang_code = :UPJANG_CODE
    GROUP  BY menu_code)
SELECT i.sale_date, i.dc_rate, c.detail_name AS ticket,
       )sql"_s
        + sums.join(u",\n       "_s) + uR"sql(
FROM   ia010ms i
JOIN   m ON m.menu_code = i.menu_code
LEFT   JOIN zx010ms c ON c.head = :GC_TICKET_KIND AND c.detail = m.ticket_kind
WHERE  i.upjang_code = :UPJANG_CODE
AND    i.sale_date BETWEEN :SALE_DATE_FROM AND :SALE_DATE_TO
GROUP  BY i.sale_date, i.dc_rate, m.ticket_kind, c.detail_name
ORDER  BY i.sale_date, i.dc_rate, m.ticket_kind)sql"_s;
}

TfrmEFS030::TfrmEFS030(QWidget *parent)
    : TfrmEZS000({.form = u"frmEFS030"_s, .caption = u"DC율/권종별 매출 현황"_s}, parent)
{
    AddSearchFields(sales::SaleDateFields() + QList<FieldDef>{sales::OutletField()});
    sales::ReadOutletNames(SearchFields());
    SetControlValue(SearchFields().last().control, u"5001"_s);
    cdsQuery->setColumns(Columns());
    SetQuery(ListSql(), {{u"GC_TICKET_KIND"_s, u"I0005"_s}});
}

QList<RowCheck> TfrmEFS030::SearchChecks()
{
    return sales::OutletChecks(SearchFields());
}

bool TfrmEFS030::bbtPrintClick()
{
    return PassSearchChecks(SearchFields(), SearchChecks())
        && OpenViewerWindow<TfrmEFH030>(sales::ReportValues(SearchFields(), sales::ReportOrder::PeriodFirst), this);
}

bool TfrmEFS030::bbtPreviewClick()
{
    return bbtPrintClick();
}
