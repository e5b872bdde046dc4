// Eight counters saving rentals at once, each as the rental screen does it:
// the items held one by one, then the head and its rows in one save. Eight
// on one date and area (one number series) against one counter alone and
// against eight on eight dates: saves per second, the latency of one save
// (head and rows, committed), that the eight really ran at once, and what
// the tables hold afterwards.
#include "Bench.h"
#include "Benches.h"
#include "Counters.h"
#include "SaveTransaction.h"
#include "ServerError.h"
#include "StartupValues.h"
#include "StoredProc.h"
#include "TestDatabase.h"

#include <QDate>
#include <QProcess>

#include <algorithm>
#include <ctime>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

using namespace Qt::StringLiterals;

namespace {

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
    head.setValue(u"ALATE_NUMBER"_s, u"Y"_s);
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
    // The number the commit gave, as the screen asks for it.
    StoredProc number(u"pr_ebi040_05"_s);
    number.setValue(u"ARENT_DATE"_s, date);
    number.setValue(u"AAREA_GUBUN"_s, u"M"_s);
    number.setValue(u"ARENT_NO"_s, rentNo);
    number.exec();
    if (number.output(u"ANEW_RENT_NO"_s).toLongLong() <= 0)
        throw ServerError(u"no rental number after the commit"_s);
}

} // namespace

qint64 NowUs()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

void AddCounterItems(TestDatabase &database, int saves)
{
    database.adminExec(uR"(
INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun)
SELECT 'M', 'CS', 'K' || c || lpad(n::text, 3, '0'), '150'
  FROM generate_series(0, %1 - 1) AS c, generate_series(0, %2 - 1) AS n
ON CONFLICT DO NOTHING)"_s.arg(Counters).arg(saves * ItemsPerSave));
}

bool RunCounters(const QString &self, const QStringList &dates, int saves, CounterGroup &group)
{
    std::vector<std::unique_ptr<QProcess>> children;
    for (int c = 0; c < dates.size(); ++c) {
        auto child = std::make_unique<QProcess>();
        child->start(self, {u"child"_s, u"counter"_s, QString::number(c), dates.at(c), QString::number(saves)});
        children.push_back(std::move(child));
    }
    for (auto &child : children)
        if (!child->waitForReadyRead(60000) || !child->readLine().startsWith("ready"))
            return false;
    // QProcess hands a child its input only while waiting on that child:
    // each start is pushed out before the next, so that all run at once.
    for (auto &child : children) {
        child->write("go\n");
        if (!child->waitForBytesWritten(10000))
            return false;
    }
    bool ok = true;
    for (auto &child : children) {
        ok = child->waitForFinished(300000) && child->exitCode() == 0 && ok;
        for (const QByteArray &line : child->readAllStandardOutput().split('\n')) {
            if (line.startsWith("span ")) {
                const QList<QByteArray> at = line.split(' ');
                group.spans.append({at.value(1).toLongLong(), at.value(2).toLongLong()});
            } else if (!line.trimmed().isEmpty()) {
                group.latencies.values.append(line.toDouble());
                ++group.saves;
            }
        }
        if (child->exitCode() != 0)
            std::fprintf(stderr, "counter: %s\n", child->readAllStandardError().constData());
    }
    return ok && group.spans.size() == dates.size();
}

int CounterChild(const QStringList &args)
{
    const int counter = args.value(0).toInt();
    const QString date = args.value(1);
    const int saves = args.value(2).toInt();
    TestDatabase database(u"b_kest_bench"_s, TestDatabase::Attach);
    StartupValues values = Startup();
    values.clientAddress = u"BENCH COUNTER-%1"_s.arg(counter);
    SetStartupValues(values);
    // The procedures' parameter lists are read once per process, before the clock.
    StoredProc(u"pr_ebi040_01"_s).inputNames();
    StoredProc(u"pr_ebi040_02"_s).inputNames();
    StoredProc(u"pr_ebi040_03"_s).inputNames();
    StoredProc(u"pr_ebi040_05"_s).inputNames();
    std::printf("ready\n");
    std::fflush(stdout);
    std::string go;
    std::getline(std::cin, go);
    QList<double> latencies;
    const qint64 start = NowUs();
    try {
        for (int save = 0; save < saves; ++save) {
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
    std::printf("span %lld %lld\n", static_cast<long long>(start), static_cast<long long>(NowUs()));
    for (double ms : latencies)
        std::printf("%.3f\n", ms);
    return 0;
}

// Size: the saves of each counter (100, at most 499).
void BenchCounters(BenchRun &run)
{
    const int saves = std::clamp(run.size("P5", 100), 1, 999 / ItemsPerSave);
    AddCounterItems(run.database, saves);

    Sample alone, same, spread, aloneRate, sameRate, spreadRate, sameP50, aloneP50, sameP99, spreadP99;
    int lost = 0;
    bool overlapped = true;
    QString spans;
    const QDate first(2027, 1, 1);
    const auto day = [&](int n) { return first.addDays(n).toString(u"yyyyMMdd"_s); };
    // Every run rents on days of its own, so that the items are free again:
    // one counter alone, eight on one date, eight on eight dates.
    for (int i = 0; i < run.runs; ++i) {
        const int base = i * (Counters + 2);
        QStringList sameDates, spreadDates;
        for (int c = 0; c < Counters; ++c) {
            sameDates.append(day(base + 1));
            spreadDates.append(day(base + 2 + c));
        }
        CounterGroup a, m, d;
        if (!RunCounters(run.self, {day(base)}, saves, a) || !RunCounters(run.self, sameDates, saves, m)
            || !RunCounters(run.self, spreadDates, saves, d)) {
            run.table.failed(u"P5 counters saving rentals"_s, u"a counter failed"_s);
            return;
        }
        aloneRate.values.append(a.savesPerSecond());
        sameRate.values.append(m.savesPerSecond());
        spreadRate.values.append(d.savesPerSecond());
        aloneP50.values.append(a.latencies.median());
        sameP50.values.append(m.latencies.median());
        sameP99.values.append(m.latencies.percentile(0.99));
        spreadP99.values.append(d.latencies.percentile(0.99));
        overlapped = overlapped && m.overlapped() && d.overlapped();
        spans = u"P5 last run, ms from the first start: one date %1; eight dates %2"_s.arg(m.spansText(), d.spansText());
        // Every save kept, each rental number once, and none missing in the series.
        const QString dates = u"'%1'"_s.arg((QStringList{day(base + 1)} + spreadDates).join(u"', '"_s));
        const int rows = run.database.adminScalar(u"SELECT count(*) FROM eb040dt WHERE rent_date IN (%1)"_s.arg(dates)).toInt();
        const int numbers = run.database.adminScalar(
            u"SELECT count(*) FROM (SELECT rent_date FROM eb040ms WHERE rent_date IN (%1) GROUP BY rent_date"
            " HAVING count(DISTINCT rent_no) = count(*) AND min(rent_no) = 1 AND max(rent_no) = count(*)) s"_s.arg(dates)).toInt();
        const int heads = run.database.adminScalar(u"SELECT count(*) FROM eb040ms WHERE rent_date IN (%1)"_s.arg(dates)).toInt();
        lost += 2 * Counters * saves * ItemsPerSave - rows + 2 * Counters * saves - heads + (Counters + 1 - numbers);
    }
    run.table.atLeast(u"P5 saves per second, 8 counters on one date (floor: one counter)"_s, sameRate, aloneRate, 1.8,
                      u"/s"_s);
    run.table.ratio(u"P5 saves per second, 8 counters on 8 dates (floor: one counter)"_s, spreadRate, aloneRate, 0,
                    u"/s"_s);
    run.table.ratio(u"P5 one save, p99, 8 counters on one date (floor: on 8 dates)"_s, sameP99, spreadP99, 1.2);
    run.table.ratio(u"P5 one save, p50, 8 counters on one date (floor: one counter)"_s, sameP50, aloneP50, 0);
    run.table.check(u"P5 the eight counters ran at once"_s, overlapped, overlapped ? u"every start before any end"_s
                                                                                  : u"a counter ended before another began"_s);
    run.table.note(spans);
    run.table.check(u"P5 saves kept, numbers unique and gap-free"_s, lost == 0,
                    lost == 0 ? u"all"_s : u"%1 rows, heads or series wrong"_s.arg(lost));
}
