#include "EFS020.h"

#include "GridModel.h"
#include "SalesFields.h"

using namespace Qt::StringLiterals;

namespace {

// The column groups after the date and the class: heading and the field stem.
const QList<std::pair<QString, QString>> Classes = {
    {u"일        반"_s, u"GENERAL"_s}, {u"회        원"_s, u"MEMBER"_s}, {u"일일스키"_s, u"DAILY"_s},
    {u"판촉단체"_s, u"PROMOTION"_s}, {u"총        계"_s, u"TOTAL"_s}};

QList<ColumnDef> Columns()
{
    QList<ColumnDef> columns = {
        {.title = u"판매일자"_s, .field = u"SALE_DATE"_s, .width = 80, .alignment = Qt::AlignCenter},
        {.title = u"대소구분"_s, .field = u"DAESO_NAME"_s, .width = 70, .alignment = Qt::AlignCenter}};
    for (const auto &[heading, stem] : Classes) {
        columns.append({.title = u"수량"_s, .field = stem + u"_QTY"_s, .width = 60, .alignment = Qt::AlignRight,
                        .group = heading});
        columns.append({.title = u"판매금액"_s, .field = stem + u"_AMT"_s, .width = 100,
                        .alignment = Qt::AlignRight, .group = heading});
    }
    return columns;
}

} // namespace

QString TfrmEFS020::ListSql()
{
    // The general class is what the three named classes leave of the total.
    return uR"sql(WITH m AS (
    SELECT menu_code, MAX(daeso_code) AS daeso_code
    FROM   jb010ms
    WHERE  upjang_code = :UPJANG_CODE
    GROUP  BY menu_code),
l AS (
    SELECT i.sale_date, COALESCE(m.daeso_code, 'Z') AS daeso_code, i.sale_qty, i.sale_amt,
           left(COALESCE(i.accept_member_no, ''), 2) AS prefix
    FROM   ia010ms i
    JOIN   m ON m.menu_code = i.menu_code
    WHERE  i.upjang_code = :UPJANG_CODE
    AND    i.sale_date BETWEEN :SALE_DATE_FROM AND :SALE_DATE_TO),
s AS (
    SELECT GROUPING(sale_date) AS g_date, GROUPING(daeso_code) AS g_daeso, sale_date, daeso_code,
           SUM(sale_qty) AS total_qty, SUM(sale_amt) AS total_amt,
           COALESCE(SUM(sale_qty) FILTER (WHERE prefix = '00'), 0) AS member_qty,
           COALESCE(SUM(sale_amt) FILTER (WHERE prefix = '00'), 0) AS member_amt,
           COALESCE(SUM(sale_qty) FILTER (WHERE prefix = '42'), 0) AS daily_qty,
           COALESCE(SUM(sale_amt) FILTER (WHERE prefix = '42'), 0) AS daily_amt,
           COALESCE(SUM(sale_qty) FILTER (WHERE prefix = '41'), 0) AS promotion_qty,
           COALESCE(SUM(sale_amt) FILTER (WHERE prefix = '41'), 0) AS promotion_amt
    FROM   l
    GROUP  BY ROLLUP (sale_date, daeso_code)
    HAVING COUNT(*) > 0)
SELECT CASE WHEN g_date = 1 THEN '총    계' WHEN g_daeso = 1 THEN '일    계' ELSE sale_date END AS sale_date,
       CASE WHEN g_daeso = 1 THEN '' WHEN daeso_code = '1' THEN '대    인'
            WHEN daeso_code = '2' THEN '소    인' ELSE '구분없슴' END AS daeso_name,
       TO_CHAR(total_qty - member_qty - daily_qty - promotion_qty, 'FM9,999,999,999,999') AS general_qty,
       TO_CHAR(total_amt - member_amt - daily_amt - promotion_amt, 'FM9,999,999,999,999') AS general_amt,
       TO_CHAR(member_qty, 'FM9,999,999,999,999') AS member_qty,
       TO_CHAR(member_amt, 'FM9,999,999,999,999') AS member_amt,
       TO_CHAR(daily_qty, 'FM9,999,999,999,999') AS daily_qty,
       TO_CHAR(daily_amt, 'FM9,999,999,999,999') AS daily_amt,
       TO_CHAR(promotion_qty, 'FM9,999,999,999,999') AS promotion_qty,
       TO_CHAR(promotion_amt, 'FM9,999,999,999,999') AS promotion_amt,
       TO_CHAR(total_qty, 'FM9,999,999,999,999') AS total_qty,
       TO_CHAR(total_amt, 'FM9,999,999,999,999') AS total_amt
FROM   s
ORDER  BY g_date, s.sale_date, g_daeso, s.daeso_code)sql"_s;
}

TfrmEFS020::TfrmEFS020(QWidget *parent)
    : TfrmEZS000({.form = u"frmEFS020"_s, .caption = u"고객구분별 매출 현황"_s}, parent)
{
    AddSearchFields(sales::SaleDateFields() + QList<FieldDef>{sales::OutletField()});
    sales::ReadOutletNames(SearchFields());
    cdsQuery->setColumns(Columns());
    SetQuery(ListSql());
    // No printed form belongs to this list: the buttons would do nothing.
    bbtPrint->hide();
    bbtPreview->hide();
}

QList<RowCheck> TfrmEFS020::SearchChecks()
{
    return sales::OutletChecks(SearchFields());
}
