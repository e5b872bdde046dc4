#pragma once

#include "Chart.h"
#include "ColumnDef.h"

#include <QList>
#include <QString>

namespace report {
class RowSource;
}

// A cross-table: the rows of a code group (each listed, counts or not)
// against a few column classes, counted over a set of records, with the
// row's total and its share of the grand total in the last column and a
// footer of each column's count and its share of the counted records.
// The rows, the footer and the grand total come from one statement, so
// they always agree: the footer and the grand total ride on every row
// ("F_" + the column's field, GRAND_TOTAL).
//
// A share is written as the old reports wrote it: the count, `open`, the
// per cent through to_char(…, `pattern`), `close`; or, when the base is
// 0, the count followed by `zero`.
struct ShareFormat
{
    QString pattern = QStringLiteral("99900.99");
    QString open = QStringLiteral(" (");
    QString close = QStringLiteral(" %)");
    QString zero = QStringLiteral(" (  00.00 %)");
};

struct CrossColumn
{
    QString title;
    QString key;             // the column key's value counted here
    int width = 83;
    bool footerPercent = true; // the footer's share carries the per-cent sign
};

struct CrossTableDef
{
    QString rowTitle;  // the first column's title
    QString rowGroup;  // the code group of the rows, bound as GC_ROW_CODE
    bool orderByLabel = true; // rows by label; else by code (the group's order)
    // Per record: the row's code, the column key (NULL: in no column) and
    // whether it is counted in the rows and the footer at all (the grand
    // total counts every record of `from`).
    QString rowKey;
    QString columnKey;
    QString counted = QStringLiteral("true");
    QString from; // FROM and WHERE of the records, such as "FROM ee010ms e WHERE …"
    QList<CrossColumn> columns;
    ShareFormat total;
    ShareFormat footer = {.pattern = QStringLiteral("900.99"), .open = QStringLiteral("("),
                          .close = QStringLiteral("%)"), .zero = QStringLiteral("( 00.00%)")};
    QString footerTotal = QStringLiteral("(100.00%)"); // after the footer's count of the total column
};

namespace crosstable {
inline const QString RowName = QStringLiteral("ROW_NAME");
inline const QString TotalText = QStringLiteral("TOTAL_TEXT");
inline const QString GrandTotal = QStringLiteral("GRAND_TOTAL");
inline const QString FooterPrefix = QStringLiteral("F_");
// The field of the n-th value column (0-based).
QString CountField(int column);
} // namespace crosstable

QString CrossTableSql(const CrossTableDef &def);
// The row label, one column per class with its footer, "계 (%)".
QList<ColumnDef> CrossTableColumns(const CrossTableDef &def);
// Whether a row counted anything in a value column (drawn on yellow).
bool CrossRowCounts(const report::RowSource &rows, int row, const QList<ColumnDef> &columns);
// Grouped bars: one group per row, one bar per value column, the counts of the rows.
report::Chart CrossTableChart(const report::RowSource &rows, const QList<ColumnDef> &columns,
                              const QString &title = {});
