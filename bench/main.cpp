// Every benchmark in one run and one table: each path next to its floor,
// measured side by side.
//
//   kest_bench [RUNS [P1 P3=1000 ...]]   (default 5 runs of every path)
//
// A path named with a number runs at that size (rows, pages or saves; see
// each path), the others at their usual one.
#include "Bench.h"
#include "Benches.h"
#include "TestDatabase.h"

#include <QApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    if (argc > 2 && qstrcmp(argv[1], "child") == 0) {
        const QString kind = QString::fromLocal8Bit(argv[2]);
        QStringList args;
        for (int i = 3; i < argc; ++i)
            args.append(QString::fromLocal8Bit(argv[i]));
        if (kind == u"startup"_s)
            return StartupChild(args);
        if (kind == u"xlsx"_s)
            return ExportXlsxChild(args);
        if (kind == u"first-rows"_s) {
            // A search screen of its own, painted offscreen.
            qputenv("QT_QPA_PLATFORM", "offscreen");
            QApplication app(argc, argv);
            return FirstRowsChild(args);
        }
        QCoreApplication app(argc, argv);
        if (kind == u"counter"_s)
            return CounterChild(args);
        if (kind == u"statistics"_s)
            return StatisticsChild(args);
        std::fprintf(stderr, "unknown child %s\n", argv[2]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    TestDatabase database(u"b_kest_bench"_s);
    BenchTable table;
    BenchRun run{.runs = runs, .table = table, .database = database, .self = QCoreApplication::applicationFilePath()};
    std::printf("%d runs of each path\n", runs);
    table.header();
    const std::pair<const char *, void (*)(BenchRun &)> benches[] = {
        {"P1", BenchEntryLoad}, {"P2", BenchFirstRows}, {"P3", BenchExport},  {"P4", BenchPersonal},
        {"P5", BenchCounters},  {"P6", BenchStartup},   {"P7", BenchReports},
        {"P3", BenchExportXlsx},
        {"V1", BenchViewerReports},
        {"P8", BenchAccidentTables},
        {"P9", BenchReplicaReads},
    };
    QStringList chosen;
    for (const QString &arg : app.arguments().mid(2)) {
        const QString id = arg.section(u'=', 0, 0).toUpper();
        chosen.append(id);
        if (arg.contains(u'=')) {
            bool ok = false;
            const int size = arg.section(u'=', 1).toInt(&ok);
            if (!ok || size <= 0) {
                std::fprintf(stderr, "kest_bench: %s is no size\n", qPrintable(arg));
                return 2;
            }
            run.sizes.insert(id, size);
        }
    }
    for (const auto &[id, bench] : benches)
        if (chosen.isEmpty() || chosen.contains(QLatin1StringView(id)))
            bench(run);

    table.printGrowth();
    const QString missed = table.missedPaths().isEmpty() ? QString() : u" (missed: "_s + table.missedPaths().join(u", "_s) + u')';
    std::printf("\nbench: %d of %d goals met%s, %d runs each\n", table.met(), table.met() + table.missed(),
                missed.toUtf8().constData(), runs);
    return 0;
}
