// A search screen's first rows of a result of 1,000,000 rows against one of
// 1,000, and the peak memory of each: every run is a process of its own, so
// that its peak is its own.
#include "Bench.h"
#include "Benches.h"
#include "GridModel.h"
#include "SqlQuery.h"
#include "TestDatabase.h"

#include <QProcess>

#include <sys/resource.h>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

struct FirstRows
{
    double ms = 0;
    double peakMb = 0;
};

FirstRows runChild(const QString &self, const QString &rows)
{
    QProcess child;
    child.start(self, {u"child"_s, u"first-rows"_s, rows});
    if (!child.waitForFinished(120000) || child.exitCode() != 0)
        qFatal("first-rows child failed: %s", child.readAllStandardError().constData());
    const QList<QByteArray> out = child.readAllStandardOutput().trimmed().split(' ');
    return {out.value(0).toDouble(), out.value(1).toDouble() / 1024};
}

} // namespace

int FirstRowsChild(const QStringList &args)
{
    TestDatabase database(u"b_kest_bench"_s, TestDatabase::Attach);
    const auto makeQuery = [](const QString &rows) {
        // The series in the select list reaches the client as it is made;
        // in FROM the server would build all of it before the first row.
        auto query = std::make_unique<SqlQuery>(u"SELECT g AS no, 'row ' || g AS name, g * 7 AS amount"
                                                " FROM (SELECT generate_series(1, CAST(:N AS integer)) AS g) s"_s);
        query->setStreamed(true);
        query->bind(u"N"_s, rows);
        return query;
    };
    // A search after the first: its connection is open already.
    makeQuery(u"1"_s)->exec();

    GridModel list;
    list.setColumns({{.title = u"no"_s, .field = u"NO"_s}, {.title = u"name"_s, .field = u"NAME"_s}});
    const double ms = TimeMs([&] {
        auto query = makeQuery(args.value(0));
        query->exec();
        list.setQuery(std::move(query));
    });
    if (list.rowCount() == 0)
        return 1;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.3f %ld\n", ms, usage.ru_maxrss);
    return 0;
}

void BenchFirstRows(BenchRun &run)
{
    Sample shortMs, longMs, shortMb, longMb;
    for (int i = 0; i < run.runs; ++i) {
        for (const auto &[rows, ms, mb] : {std::tuple{u"1000"_s, &shortMs, &shortMb},
                                           std::tuple{u"1000000"_s, &longMs, &longMb}}) {
            const FirstRows r = runChild(run.self, rows);
            ms->values.append(r.ms);
            mb->values.append(r.peakMb);
        }
    }
    run.table.ratio(u"P2 first rows of 1,000,000 (floor: of 1,000)"_s, longMs, shortMs, 2);
    run.table.ratio(u"P2 peak memory at 1,000,000 (floor: at 1,000)"_s, longMb, shortMb, 1.1, u"MB"_s);
}
