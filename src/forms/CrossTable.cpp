#include "CrossTable.h"

#include "RowSource.h"

using namespace Qt::StringLiterals;

namespace crosstable {
QString CountField(int column)
{
    return u"CNT_%1"_s.arg(column + 1);
}
} // namespace crosstable

namespace {

// SQL text literal of a value that is part of a definition, never of input.
QString literal(const QString &text)
{
    return u'\'' + QString(text).replace(u'\'', u"''"_s) + u'\'';
}

QString share(const QString &count, const QString &base, const ShareFormat &format)
{
    return u"CASE WHEN "_s + base + u" = 0 THEN "_s + count + u"::text || "_s + literal(format.zero) + u"\n            ELSE "_s
           + count + u"::text || "_s + literal(format.open) + u" || to_char(round("_s + count + u" * 100.0 / "_s + base
           + u", 2), "_s + literal(format.pattern) + u") || "_s + literal(format.close) + u" END"_s;
}

ShareFormat withoutPercent(ShareFormat format)
{
    format.close.remove(u'%');
    format.zero.remove(u'%');
    return format;
}

} // namespace

QString CrossTableSql(const CrossTableDef &def)
{
    using namespace crosstable;
    QString counts;
    QString shown;
    QString footerShown;
    QString sums = u"coalesce(sum(grand), 0)::bigint AS grand, coalesce(sum(counted), 0)::bigint AS counted"_s;
    for (int i = 0; i < def.columns.size(); ++i) {
        const QString field = CountField(i).toLower();
        sums += u", coalesce(sum("_s + field + u"), 0)::bigint AS "_s + field;
        counts += u",\n                  count(*) FILTER (WHERE ("_s + def.counted + u") AND "_s + def.columnKey + u" = "_s
                  + literal(def.columns.at(i).key) + u") AS "_s + field;
        shown += u",\n       coalesce(r."_s + field + u", 0) AS "_s + field;
        const ShareFormat format = def.columns.at(i).footerPercent ? def.footer : withoutPercent(def.footer);
        footerShown += u",\n       "_s + share(u"f."_s + field, u"f.counted"_s, format) + u" AS f_"_s + field;
    }
    const QString rowCount = u"coalesce(r.counted, 0)"_s;
    const QString footerTotal = u"CASE WHEN f.counted = 0 THEN '0' || "_s + literal(def.footer.zero)
                                + u" ELSE f.counted::text || "_s + literal(def.footerTotal) + u" END"_s;
    // One pass over the records: each row's counts; the footer and the grand
    // total are their sums, read in the same statement (one grouping: the
    // filters run once a record, not again for a grand total's grouping).
    return u"WITH r AS (SELECT "_s + def.rowKey + u" AS row_key,\n                  count(*) AS grand, count(*) FILTER (WHERE "_s
           + def.counted + u") AS counted"_s + counts + u"\n           "_s + def.from + u"\n           GROUP  BY 1),\n"
             u"     f AS (SELECT "_s + sums + u"\n           FROM   r)\n"
             u"SELECT l.detail_name AS row_name"_s
           + shown + u",\n       "_s + share(rowCount, u"f.grand"_s, def.total) + u" AS total_text"_s + footerShown
           + u",\n       "_s + footerTotal
           + u" AS f_total_text,\n       f.grand AS grand_total\nFROM   zx010ms l\nLEFT   JOIN r ON r.row_key = l.detail\nCROSS  JOIN f\nWHERE  l.head = :GC_ROW_CODE\nAND    trim(l.detail) <> ''\nORDER  BY "_s
           + (def.orderByLabel ? u"l.detail_name, l.detail"_s : u"l.detail"_s);
}

QList<ColumnDef> CrossTableColumns(const CrossTableDef &def)
{
    using namespace crosstable;
    // Millimetres on a landscape page: twelve months still leave room for the total.
    const auto printWidth = [&](const CrossColumn &column) {
        if (def.columns.size() > 7)
            return column.width < 83 ? 14.0 : 18.0;
        return def.columns.size() > 2 ? 24.0 : 40.0;
    };
    QList<ColumnDef> columns{{.title = def.rowTitle, .field = RowName, .width = 120, .print = {36}}};
    for (int i = 0; i < def.columns.size(); ++i) {
        const CrossColumn &column = def.columns.at(i);
        columns.append({.title = column.title, .field = CountField(i), .width = column.width,
                        .alignment = Qt::AlignRight | Qt::AlignVCenter, .footer = true,
                        .print = {.width = printWidth(column),
                                  .alignment = Qt::AlignRight | Qt::AlignVCenter}});
    }
    columns.append({.title = u"계 (%)"_s, .field = TotalText, .width = 130,
                    .alignment = Qt::AlignRight | Qt::AlignVCenter, .footer = true,
                    .print = {.width = 40, .alignment = Qt::AlignRight | Qt::AlignVCenter}});
    return columns;
}

namespace {
QList<int> valueColumns(const QList<ColumnDef> &columns)
{
    QList<int> values;
    for (int i = 0; i < columns.size(); ++i)
        if (columns.at(i).field.startsWith(u"CNT_"_s, Qt::CaseInsensitive))
            values.append(i);
    return values;
}
} // namespace

bool CrossRowCounts(const report::RowSource &rows, int row, const QList<ColumnDef> &columns)
{
    for (const int column : valueColumns(columns))
        if (rows.value(row, columns.at(column).field).toLongLong() > 0)
            return true;
    return false;
}

report::Chart CrossTableChart(const report::RowSource &rows, const QList<ColumnDef> &columns, const QString &title)
{
    report::Chart chart{.title = title};
    const QList<int> values = valueColumns(columns);
    for (const int column : values)
        chart.series.append({.name = QString(columns.at(column).title).replace(u'\n', u' ')});
    for (int row = 0; row < rows.count(); ++row) {
        chart.categories.append(rows.value(row, crosstable::RowName));
        for (int s = 0; s < values.size(); ++s)
            chart.series[s].values.append(rows.value(row, columns.at(values.at(s)).field).toDouble());
    }
    return chart;
}
