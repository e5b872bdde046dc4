// Eight counters saving rentals at once, each as the rental screen does it:
// the items held one by one, then the head and its rows in one save. The
// latency of one save (head and rows, committed) against one counter alone,
// and what the tables hold afterwards.
#include "Bench.h"
#include "Benches.h"
#include "SaveTransaction.h"
#include "ServerError.h"
#include "StartupValues.h"
#include "StoredProc.h"
#include "TestDatabase.h"

#include <QProcess>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

using namespace Qt::StringLiterals;

namespace {

constexpr int Counters = 8;
constexpr int Saves = 100;
constexpr int ItemsPerSave = 2;

QString itemNo(int counter, int n)
{
    return u"K%1%2"_s.arg(counter).arg(n, 3, 10, QChar(u'0'));
}

void hold(const QString &date, const QString &item)
{
    SaveTransaction transaction;
    StoredProc proc(u"pr_ebi040_03"_s);
    proc.setValue(u"ARENT_DATE"_s, date);
    proc.setValue(u"AAREA_GUBUN"_s, u"M"_s);
    proc.setValue(u"AEQUIP_GUBUN"_s, u"CS"_s);
    proc.setValue(u"AEQUIP_NO"_s, item);
    proc.setValue(u"AEDITSTATUS"_s, u"2"_s);
    proc.exec();
    transaction.commit();
}

void saveRental(const QString &date, const QStringList &items)
{
    SaveTransaction transaction;
    StoredProc head(u"pr_ebi040_01"_s);
    head.setValue(u"ARENT_DATE"_s, date);
    head.setValue(u"AAREA_GUBUN"_s, u"M"_s);
    head.setValue(u"ADEAL_NAME"_s, u"벤치"_s);
    head.setValue(u"AEDITSTATUS"_s, u"2"_s);
    head.exec();
    const QString rentNo = head.output(u"ANEW_RENT_NO"_s);
    StoredProc row(u"pr_ebi040_02"_s);
    for (const QString &item : items) {
        row.clearValues();
        for (const auto &[name, value] :
             {std::pair{u"ARENT_DATE"_s, date}, {u"AAREA_GUBUN"_s, u"M"_s}, {u"ARENT_NO"_s, rentNo},
              {u"ATICKET_KIND"_s, u"01"_s}, {u"ARENT_STAT"_s, u"D"_s}, {u"AEQUIP_GUBUN"_s, u"CS"_s},
              {u"AEQUIP_NO"_s, item}, {u"ARENT_NAME"_s, u"홍길동"_s}, {u"ATEL_NO"_s, u"010-1234-5678"_s},
              {u"AHEIGHT"_s, u"175"_s}, {u"AWEIGHT"_s, u"70"_s}, {u"AEDITSTATUS"_s, u"2"_s}})
            row.setValue(name, value);
        row.exec();
    }
    transaction.commit();
}

// Starts `count` counters on `date`, lets them go at once and gathers every
// save's latency; false when a counter failed.
bool runCounters(const QString &self, int count, const QString &date, Sample &latencies)
{
    std::vector<std::unique_ptr<QProcess>> children;
    for (int c = 0; c < count; ++c) {
        auto child = std::make_unique<QProcess>();
        child->start(self, {u"child"_s, u"counter"_s, QString::number(c), date});
        children.push_back(std::move(child));
    }
    for (auto &child : children)
        if (!child->waitForReadyRead(60000) || !child->readLine().startsWith("ready"))
            return false;
    for (auto &child : children)
        child->write("go\n");
    bool ok = true;
    for (auto &child : children) {
        ok = child->waitForFinished(300000) && child->exitCode() == 0 && ok;
        for (const QByteArray &line : child->readAllStandardOutput().split('\n'))
            if (!line.trimmed().isEmpty())
                latencies.values.append(line.toDouble());
        if (child->exitCode() != 0)
            std::fprintf(stderr, "counter: %s\n", child->readAllStandardError().constData());
    }
    return ok;
}

} // namespace

int CounterChild(const QStringList &args)
{
    const int counter = args.value(0).toInt();
    const QString date = args.value(1);
    TestDatabase database(u"b_kest_bench"_s, TestDatabase::Attach);
    StartupValues values = Startup();
    values.clientAddress = u"BENCH COUNTER-%1"_s.arg(counter);
    SetStartupValues(values);
    // The procedures' parameter lists are read once per process, before the clock.
    StoredProc(u"pr_ebi040_01"_s).inputNames();
    StoredProc(u"pr_ebi040_02"_s).inputNames();
    StoredProc(u"pr_ebi040_03"_s).inputNames();
    std::printf("ready\n");
    std::fflush(stdout);
    std::string go;
    std::getline(std::cin, go);
    QList<double> latencies;
    try {
        for (int save = 0; save < Saves; ++save) {
            QStringList items;
            for (int i = 0; i < ItemsPerSave; ++i) {
                items.append(itemNo(counter, save * ItemsPerSave + i));
                hold(date, items.last());
            }
            latencies.append(TimeMs([&] { saveRental(date, items); }));
        }
    } catch (const ServerError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    for (double ms : latencies)
        std::printf("%.3f\n", ms);
    return 0;
}

void BenchCounters(BenchRun &run)
{
    run.database.adminExec(uR"(
INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun)
SELECT 'M', 'CS', 'K' || c || lpad(n::text, 3, '0'), '150'
  FROM generate_series(0, %1 - 1) AS c, generate_series(0, %2 - 1) AS n)"_s.arg(Counters).arg(Saves * ItemsPerSave));

    Sample aloneP50, aloneP99, manyP50, manyP99;
    int lost = 0;
    // Every run rents on a day of its own, so that the items are free again.
    for (int i = 0; i < run.runs; ++i) {
        Sample alone, many;
        const QString aloneDay = u"202701%1"_s.arg(2 * i + 1, 2, 10, QChar(u'0'));
        const QString manyDay = u"202701%1"_s.arg(2 * i + 2, 2, 10, QChar(u'0'));
        if (!runCounters(run.self, 1, aloneDay, alone) || !runCounters(run.self, Counters, manyDay, many)) {
            run.table.failed(u"P5 counters saving rentals"_s, u"a counter failed"_s);
            return;
        }
        aloneP50.values.append(alone.median());
        aloneP99.values.append(alone.percentile(0.99));
        manyP50.values.append(many.median());
        manyP99.values.append(many.percentile(0.99));
        const int rows = run.database.adminScalar(u"SELECT count(*) FROM eb040dt WHERE rent_date = '%1'"_s.arg(manyDay)).toInt();
        const int numbers = run.database.adminScalar(
            u"SELECT count(DISTINCT rent_no) FROM eb040ms WHERE rent_date = '%1'"_s.arg(manyDay)).toInt();
        lost += Counters * Saves * ItemsPerSave - rows + Counters * Saves - numbers;
    }
    run.table.ratio(u"P5 one save, 8 counters at once, p50 (floor: alone)"_s, manyP50, aloneP50, 0);
    run.table.ratio(u"P5 one save, 8 counters at once, p99 (floor: alone)"_s, manyP99, aloneP99, 0);
    run.table.limit(u"P5 one save, 8 counters at once, p99"_s, manyP99, 50);
    if (lost != 0)
        run.table.failed(u"P5 saves kept"_s, u"%1 rows or rental numbers lost"_s.arg(lost));
}
