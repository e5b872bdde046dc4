// Many counters renting from one small stock at once, each a process of its
// own with its own connection and identity, doing what the rental screen
// does: hold an item (pr_ebi040_03 in a transaction of its own), then save
// the head and its row in one transaction (pr_ebi040_01, pr_ebi040_02; a
// new head's number, given by the commit, told by pr_ebi040_05 after it);
// now and then the operator lets the item go instead, and a rental goes
// back (state R) once the counter has three out. Afterwards the tables must
// hold every save a counter saw committed, once, under numbers that run
// without a gap, and no item may have been out or held twice at one moment
// (watched while they run).
//
//   soak_counters [COUNTERS [SAVES [ITEMS]]]        (8, 500, 50)
//   soak_counters --counter N DATABASE SAVES ITEMS SEED   (one counter)

#include "DataModule.h"
#include "SaveTransaction.h"
#include "ServerError.h"
#include "SoakSupport.h"
#include "StoredProc.h"
#include "TestDatabase.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using soak::Findings;

namespace {

const QString Area = u"M"_s;
const QString Kind = u"CS"_s;

QString ItemNo(int n)
{
    return u"C%1"_s.arg(n, 4, 10, QChar(u'0'));
}

QString CounterId(int n)
{
    return u"soak-counter-%1"_s.arg(n);
}

void out(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

// A refusal in one line: its SQL state and the server's words.
QString why(const ServerError &error)
{
    QString text = error.message();
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    return (error.sqlState().isEmpty() ? u"-"_s : error.sqlState()) + u" "_s + text;
}

// One counter: SAVES rounds of hold and save.
int runCounter(int n, const QString &database, int saves, int items, quint32 seed)
{
    const auto module = soak::ConnectCounter(database, u"S%1"_s.arg(n, 3, 10, QChar(u'0')), CounterId(n));
    QRandomGenerator random(seed);
    const QString today = soak::Today();
    StoredProc hold(u"pr_ebi040_03"_s);
    StoredProc head(u"pr_ebi040_01"_s);
    StoredProc row(u"pr_ebi040_02"_s);
    StoredProc numbered(u"pr_ebi040_05"_s);

    const auto callHold = [&](const QString &status, const QString &item) {
        SaveTransaction transaction;
        hold.clearValues();
        hold.setValue(u"ARENT_DATE"_s, today);
        hold.setValue(u"AAREA_GUBUN"_s, Area);
        hold.setValue(u"AEQUIP_GUBUN"_s, Kind);
        hold.setValue(u"AEQUIP_NO"_s, item);
        hold.setValue(u"AEDITSTATUS"_s, status);
        hold.exec();
        transaction.commit();
    };
    // The screen's save: the head, then the row, in one transaction.
    const auto save = [&](const QString &headStatus, const QString &rentNo, const QString &rowStatus,
                          const QString &item, const QString &state) {
        SaveTransaction transaction;
        head.clearValues();
        head.setValue(u"ARENT_DATE"_s, today);
        head.setValue(u"AAREA_GUBUN"_s, Area);
        head.setValue(u"ARENT_NO"_s, rentNo);
        head.setValue(u"ADEAL_NAME"_s, u"창구%1"_s.arg(n));
        head.setValue(u"AKEEP_KIND_GUBUN"_s, u"01"_s);
        head.setValue(u"AKEEP_BOX_NO"_s, u"B%1"_s.arg(n));
        head.setValue(u"AEDITSTATUS"_s, headStatus);
        // A new head's number is given by the commit and asked for after it, as the screen does.
        head.setValue(u"ALATE_NUMBER"_s, headStatus == u"2"_s ? u"Y"_s : QString());
        head.exec();
        QString number = headStatus == u"2"_s ? head.output(u"ANEW_RENT_NO"_s) : rentNo;
        row.clearValues();
        row.setValue(u"ARENT_DATE"_s, today);
        row.setValue(u"AAREA_GUBUN"_s, Area);
        row.setValue(u"ARENT_NO"_s, number);
        if (rowStatus == u"1"_s)
            row.setValue(u"ARENT_SEQ"_s, u"1"_s);
        row.setValue(u"ATICKET_KIND"_s, u"01"_s);
        row.setValue(u"ARENT_STAT"_s, state);
        row.setValue(u"AEQUIP_GUBUN"_s, Kind);
        row.setValue(u"AEQUIP_NO"_s, item);
        row.setValue(u"ARENT_NAME"_s, u"손님%1"_s.arg(n));
        row.setValue(u"ASHOES_SIZE"_s, u"250"_s);
        row.setValue(u"AEDITSTATUS"_s, rowStatus);
        row.exec();
        transaction.commit();
        if (headStatus == u"2"_s) {
            numbered.clearValues();
            numbered.setValue(u"ARENT_DATE"_s, today);
            numbered.setValue(u"AAREA_GUBUN"_s, Area);
            numbered.setValue(u"ARENT_NO"_s, number);
            numbered.exec();
            number = numbered.output(u"ANEW_RENT_NO"_s);
        }
        return number;
    };

    struct Out
    {
        QString rentNo;
        QString item;
    };
    QList<Out> rented;
    for (int i = 0; i < saves; ++i) {
        if (rented.size() >= 3) {
            const Out back = rented.takeFirst();
            try {
                save(u"1"_s, back.rentNo, u"1"_s, back.item, u"R"_s);
                out(u"returned %1 %2"_s.arg(back.rentNo, back.item));
            } catch (const ServerError &error) {
                out(u"refused return %1 %2"_s.arg(back.item, why(error)));
            }
        }
        const QString item = ItemNo(int(random.bounded(items)) + 1);
        try {
            callHold(u"2"_s, item);
        } catch (const ServerError &error) {
            out(u"refused hold %1 %2"_s.arg(item, why(error)));
            continue;
        }
        out(u"held "_s + item);
        if (random.bounded(10) == 0) {
            // The renter changed their mind: the item goes back unsaved.
            try {
                callHold(u"3"_s, item);
                out(u"released "_s + item);
            } catch (const ServerError &error) {
                out(u"refused release %1 %2"_s.arg(item, why(error)));
            }
            continue;
        }
        try {
            const QString rentNo = save(u"2"_s, {}, u"2"_s, item, u"D"_s);
            out(u"saved %1 %2"_s.arg(rentNo, item));
            rented.append({rentNo, item});
        } catch (const ServerError &error) {
            out((error.connectionLost() ? u"unknown save %1 %2"_s : u"refused save %1 %2"_s).arg(item, why(error)));
            try {
                callHold(u"3"_s, item);
            } catch (const ServerError &) {
            }
        }
    }
    out(u"done"_s);
    return 0;
}

struct Saved
{
    int counter = 0;
    QString item;
    bool returned = false;
};

int runSoak(int counters, int saves, int items)
{
    Findings findings(u"R1"_s);
    const quint32 seed = qEnvironmentVariableIsSet("KEST_SOAK_SEED")
                             ? quint32(qEnvironmentVariableIntValue("KEST_SOAK_SEED"))
                             : QRandomGenerator::global()->generate() % 100000;
    findings.say(u"tried: %1 counters (processes, each its own connection and AU_IP) x %2 holds and saves each"
                 " on %3 items; about one hold in ten let go unsaved, a rental returned once a counter has three"
                 " out (seed %4, KEST_SOAK_SEED repeats it)"_s.arg(counters).arg(saves).arg(items).arg(seed));

    TestDatabase db(qEnvironmentVariable("KEST_SOAK_DB", u"soak_counters"_s));
    soak::LoadRentalItems(db, items);
    const QString today = soak::Today();

    QTemporaryDir logs;
    std::vector<std::unique_ptr<QProcess>> children;
    for (int n = 1; n <= counters; ++n) {
        auto child = std::make_unique<QProcess>();
        child->setProgram(QCoreApplication::applicationFilePath());
        child->setArguments({u"--counter"_s, QString::number(n), db.name(), QString::number(saves),
                             QString::number(items), QString::number(seed * 31 + quint32(n))});
        child->setStandardOutputFile(logs.filePath(u"counter%1.log"_s.arg(n)));
        child->setStandardErrorFile(logs.filePath(u"counter%1.err"_s.arg(n)));
        children.push_back(std::move(child));
    }
    QElapsedTimer clock;
    clock.start();
    for (auto &child : children)
        child->start();

    // While they run: no item out twice, none held while it is out.
    const QString watch =
        u"SELECT format('%s out on %s rentals at once (%s)', equip_no, count(*), string_agg(rent_no::text, ' '))"
        " FROM eb040dt WHERE rent_date = '%1' AND rent_stat IN ('D', 'S') GROUP BY equip_no HAVING count(*) > 1"
        " UNION ALL"
        " SELECT format('%s held by %s while out on rental %s', h.equip_no, h.au_ip, d.rent_no)"
        " FROM eb020tm h JOIN eb040dt d USING (rent_date, area_gubun, equip_gubun, equip_no)"
        " WHERE h.rent_date = '%1' AND d.rent_stat IN ('D', 'S')"_s.arg(today);
    QSet<QString> seenAtOnce;
    int looks = 0;
    const QDeadlineTimer deadline(std::max(300, counters * saves / 8) * 1000);
    const auto running = [&] {
        return std::any_of(children.begin(), children.end(),
                           [](const auto &c) { return c->state() != QProcess::NotRunning; });
    };
    while (running() && !deadline.hasExpired()) {
        for (const QString &line : soak::AdminRows(db, watch))
            if (!seenAtOnce.contains(line)) {
                seenAtOnce.insert(line);
                findings.doubled(u"seen while the counters ran: "_s + line);
            }
        ++looks;
        for (auto &child : children)
            child->waitForFinished(5);
        QThread::msleep(20);
    }
    for (int n = 1; n <= counters; ++n) {
        QProcess &child = *children[size_t(n - 1)];
        if (child.state() != QProcess::NotRunning) {
            findings.stuck(u"counter %1 still running after %2 s; killed"_s.arg(n).arg(clock.elapsed() / 1000));
            child.kill();
            child.waitForFinished(5000);
        }
    }
    const qint64 seconds = clock.elapsed() / 1000;

    // What the counters saw.
    QMap<qint64, Saved> saved;
    int holds = 0, released = 0, returns = 0;
    QSet<QString> unknown; // "counter item" of saves whose connection broke
    QMap<QString, int> refusals;
    static const QRegularExpression numbers(u"\\[[^\\]]*\\]"_s);
    for (int n = 1; n <= counters; ++n) {
        QFile log(logs.filePath(u"counter%1.log"_s.arg(n)));
        if (!log.open(QIODevice::ReadOnly)) {
            findings.stuck(u"counter %1 left no log"_s.arg(n));
            continue;
        }
        const QStringList lines = QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
        if (lines.isEmpty() || lines.constLast() != u"done"_s) {
            QFile err(logs.filePath(u"counter%1.err"_s.arg(n)));
            err.open(QIODevice::ReadOnly);
            findings.stuck(u"counter %1 did not finish (exit code %2): %3 %4"_s.arg(n)
                               .arg(children[size_t(n - 1)]->exitCode())
                               .arg(lines.isEmpty() ? u"-"_s : lines.constLast(),
                                    QString::fromUtf8(err.readAll()).simplified().left(300)));
        }
        for (const QString &line : lines) {
            const QStringList word = line.split(u' ');
            if (word[0] == u"held"_s) {
                ++holds;
            } else if (word[0] == u"released"_s) {
                ++released;
            } else if (word[0] == u"saved"_s && word.size() == 3) {
                const qint64 no = word[1].toLongLong();
                if (saved.contains(no))
                    findings.doubled(u"rental number %1 given to counter %2 (%3) and counter %4 (%5)"_s.arg(no)
                                         .arg(saved[no].counter)
                                         .arg(saved[no].item)
                                         .arg(n)
                                         .arg(word[2]));
                saved[no] = {n, word[2], false};
            } else if (word[0] == u"returned"_s && word.size() == 3) {
                ++returns;
                saved[word[1].toLongLong()].returned = true;
            } else if (word[0] == u"unknown"_s && word.size() >= 3) {
                unknown.insert(CounterId(n) + u" "_s + word[2]);
            } else if (word[0] == u"refused"_s && word.size() >= 4) {
                const QString reason = word.mid(3).join(u' ').replace(numbers, u"[..]"_s);
                ++refusals[word[1] + u": "_s + reason];
            }
        }
    }

    // What the tables hold: every rental of the day, its rows and their states.
    const QStringList stored = soak::AdminRows(
        db, u"SELECT concat_ws(' ', m.rent_no, count(d.rent_seq), string_agg(concat_ws('/', d.rent_seq, d.equip_no,"
            " d.rent_stat, d.au_ip), ','))"
            " FROM eb040ms m LEFT JOIN eb040dt d USING (rent_date, area_gubun, rent_no)"
            " WHERE m.rent_date = '%1' AND m.area_gubun = 'M' GROUP BY m.rent_no ORDER BY m.rent_no"_s.arg(today));
    QSet<qint64> inTables;
    for (const QString &line : stored) {
        const QStringList word = line.split(u' ');
        const qint64 no = word.value(0).toLongLong();
        inTables.insert(no);
        if (word.value(1) == u"0"_s) {
            findings.lost(u"rental %1 has a head and no row"_s.arg(no));
            continue;
        }
        if (!saved.contains(no)) {
            const QStringList cell = word.value(2).split(u'/');
            if (unknown.contains(cell.value(3) + u" "_s + cell.value(1))) {
                findings.say(u"rental %1 (%2) kept from a save whose connection broke"_s.arg(no).arg(word.value(2)));
                continue;
            }
            findings.doubled(u"rental %1 (%2) is in the tables, but no counter saw it saved"_s.arg(no).arg(word.value(2)));
            continue;
        }
        const Saved &s = saved[no];
        const QString expected = u"1/%1/%2/%3"_s.arg(s.item, s.returned ? u"R"_s : u"D"_s, CounterId(s.counter));
        if (word.value(1) != u"1"_s || word.value(2) != expected)
            findings.lost(u"rental %1: the tables hold %2 where counter %3 saved %4"_s.arg(no).arg(word.value(2))
                              .arg(s.counter)
                              .arg(expected));
    }
    // The day's numbers run from 1 without a gap: a save that failed after
    // its head gave its number back.
    if (!inTables.isEmpty()) {
        const qint64 highest = *std::max_element(inTables.cbegin(), inTables.cend());
        const qint64 lowest = *std::min_element(inTables.cbegin(), inTables.cend());
        if (lowest != 1 || highest != inTables.size())
            findings.lost(u"the day's rental numbers run from %1 to %2, %3 of them: a gap"_s.arg(lowest).arg(highest)
                              .arg(inTables.size()));
    }
    for (auto it = saved.cbegin(); it != saved.cend(); ++it)
        if (!inTables.contains(it.key()))
            findings.lost(u"rental %1 (item %2) that counter %3 saw committed is not in the tables"_s.arg(it.key())
                              .arg(it->item)
                              .arg(it->counter));
    for (const QString &line : soak::AdminRows(db, watch))
        if (!seenAtOnce.contains(line))
            findings.doubled(u"at the end: "_s + line);
    const QString leftHolds = db.adminScalar(u"SELECT count(*) FROM eb020tm"_s);
    if (leftHolds != u"0"_s)
        findings.stuck(u"%1 holds left after every counter let go of its items: %2"_s.arg(leftHolds).arg(
            db.adminScalar(u"SELECT string_agg(equip_no || ' by ' || au_ip, ', ') FROM eb020tm"_s)));

    int refused = 0;
    for (int count : std::as_const(refusals))
        refused += count;
    findings.say(u"found: %1 holds taken, %2 let go, %3 rentals saved, %4 returned, %5 refusals, %6 saves of"
                 " unknown outcome, in %7 s; %8 looks at the tables while they ran"_s.arg(holds)
                     .arg(released)
                     .arg(saved.size())
                     .arg(returns)
                     .arg(refused)
                     .arg(unknown.size())
                     .arg(seconds)
                     .arg(looks));
    for (auto it = refusals.cbegin(); it != refusals.cend(); ++it)
        findings.say(u"  refused %1 x %2"_s.arg(it.value()).arg(it.key()));
    return findings.finish();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    try {
        if (argc > 1 && QByteArray(argv[1]) == "--counter") {
            if (argc != 7)
                return 2;
            return runCounter(atoi(argv[2]), QString::fromLocal8Bit(argv[3]), atoi(argv[4]), atoi(argv[5]),
                              quint32(strtoul(argv[6], nullptr, 10)));
        }
        return runSoak(soak::SizeArgument(argc, argv, 1, 8), soak::SizeArgument(argc, argv, 2, 500),
                       soak::SizeArgument(argc, argv, 3, 50));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "soak_counters: %s\n", error.what());
        return 2;
    }
}
