// The accident cross-tables over a million accidents: each table's one
// statement (rows, footer and grand total, formatted) against its floor, a
// hand-written single pass over the same accidents and the same calendar
// join that only counts (no labels, no footer, no text).
#include "AccidentTables.h"
#include "Bench.h"
#include "Benches.h"
#include "SqlQuery.h"
#include "TestDatabase.h"

using namespace Qt::StringLiterals;

namespace {

double readAll(const QString &sql, const QString &group)
{
    return TimeMs([&] {
        SqlQuery query(sql);
        query.bind(u"TROB_DATE_FROM"_s, QString());
        query.bind(u"TROB_DATE_TO"_s, QString());
        if (sql.contains(u":GC_ROW_CODE"_s))
            query.bind(u"GC_ROW_CODE"_s, group);
        query.exec();
        int rows = 0;
        while (query.next())
            ++rows;
        if (rows == 0)
            qFatal("the table read no rows");
    });
}

// The same counts in one pass, without labels, footer or formatting.
QString floorSql(const CrossTableDef &table)
{
    QString counts;
    for (const CrossColumn &column : table.columns)
        counts += u", count(*) FILTER (WHERE ("_s + table.counted + u") AND "_s + table.columnKey + u" = '"_s
                  + column.key + u"')"_s;
    return u"SELECT "_s + table.rowKey + u", count(*) FILTER (WHERE "_s + table.counted + u')' + counts + u' '
           + table.from + u" GROUP BY 1"_s;
}

} // namespace

void FillAccidents(TestDatabase &database, int accidents)
{
    if (database.adminScalar(u"SELECT count(*) FROM ee010ms"_s).toInt() == accidents)
        return;
    // Ten seasons of a hundred days; hours 6 to 23 (some without a band),
    // every kind of injury, two sexes and a third, ages 0 to 99 and unknown.
    database.adminExec(uR"(
DELETE FROM ee010ms;
INSERT INTO zx020ms (caln_date, yoil_code)
SELECT to_char(d, 'YYYYMMDD'), (extract(dow FROM d) + 1)::text
  FROM generate_series(date '2015-01-01', date '2026-12-31', interval '1 day') d
ON CONFLICT DO NOTHING;
INSERT INTO ee010ms (trob_date, trob_no, trob_time, in_sex, in_age, in_stat_gubun, peak_gubun)
SELECT to_char(date '2016-12-01' + (n % 10) * 365 + (n / 10) % 100, 'YYYYMMDD'), n / 1000 + 1,
       lpad((6 + n % 18)::text, 2, '0') || lpad((n % 60)::text, 2, '0'),
       (1 + n % 3)::text, CASE WHEN n % 50 = 0 THEN NULL ELSE (n % 100)::text END,
       lpad((1 + n % 7)::text, 2, '0'), 'P' || (1 + n % 3)
  FROM generate_series(0, %1 - 1) n;
ANALYZE ee010ms;
ANALYZE zx020ms;)"_s.arg(accidents));
}

// Size: the accidents counted (1,000,000).
void BenchAccidentTables(BenchRun &run)
{
    const int accidents = run.size("P8", 1000000);
    FillAccidents(run.database, accidents);

    using accidents::Columns;
    using accidents::Rows;
    const QList<std::pair<QString, CrossTableDef>> tables{
        {u"EES030"_s, accidents::Table(Rows::HourBands, Columns::Weekdays)},
        {u"EES040"_s, accidents::Table(Rows::Injuries, Columns::Weekdays)},
        {u"EES050"_s, accidents::Table(Rows::HourBands, Columns::Months)},
        {u"EES060"_s, accidents::Table(Rows::Injuries, Columns::Months)},
        {u"EES070"_s, accidents::Table(Rows::HourBands, Columns::Sexes)},
        {u"EES080"_s, accidents::Table(Rows::Injuries, Columns::Sexes)},
        {u"EES090"_s, accidents::Table(Rows::HourBands, Columns::AgeBands)},
    };
    for (const auto &[id, table] : tables) {
        const QString sql = CrossTableSql(table);
        const QString floor = floorSql(table);
        const QList<Sample> s = Interleave(run.runs, {[&] { return readAll(sql, table.rowGroup); },
                                                      [&] { return readAll(floor, table.rowGroup); }});
        run.table.ratio(u"P8 %1 over %L2 accidents (floor: one counting pass)"_s.arg(id).arg(accidents), s.at(0),
                        s.at(1), 1.5);
    }
}
