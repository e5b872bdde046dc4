// One run of one path: how long until a result list holds its first rows,
// and the process's peak memory. scripts/bench runs every path several times
// and prints the table.
//
//   kest_bench_first_rows streamed|buffered ROWS

#include "GridModel.h"
#include "SqlQuery.h"
#include "TestDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <sys/resource.h>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 || (args.at(1) != u"streamed"_s && args.at(1) != u"buffered"_s)) {
        std::fprintf(stderr, "usage: kest_bench_first_rows streamed|buffered ROWS\n");
        return 2;
    }
    TestDatabase database(u"b_kest_bench"_s);
    const bool streamed = args.at(1) == u"streamed"_s;
    const auto makeQuery = [streamed](const QString &rows) {
        // The series in the select list reaches the client as it is made;
        // in FROM the server would build all of it before the first row.
        auto query = std::make_unique<SqlQuery>(u"SELECT g AS no, 'row ' || g AS name, g * 7 AS amount"
                                                " FROM (SELECT generate_series(1, CAST(:N AS integer)) AS g) s"_s);
        if (streamed)
            query->setStreamed(true);
        else
            query->setBuffered(true);
        query->bind(u"N"_s, rows);
        return query;
    };
    // A search after the first: its connection is open already.
    makeQuery(u"1"_s)->exec();

    QElapsedTimer clock;
    clock.start();
    auto query = makeQuery(args.at(2));
    query->exec();
    GridModel list;
    list.setColumns({{.title = u"no"_s, .field = u"NO"_s}, {.title = u"name"_s, .field = u"NAME"_s}});
    list.setQuery(std::move(query));
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    if (list.rowCount() == 0)
        return 1;

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.3f %ld\n", ms, usage.ru_maxrss);
    return 0;
}
