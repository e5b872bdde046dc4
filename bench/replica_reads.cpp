// Eight counters saving rentals on the primary while the statistics (every
// accident cross-table over a million accidents, the outlets' season sales
// by category and one outlet's by customer class) read in a loop: the
// counters' save p99 alone, with the statistics on a streaming replica and
// with them on the primary, in one run. The statistics read as the search
// screens do, streamed through the data module, which sends them to the
// replica. On one machine the two servers would share every processor:
// each gets half of them here (the primary and the counters one half, the
// replica and the statistics the other), as two servers have their own.
#include "AccidentTables.h"
#include "Bench.h"
#include "Benches.h"
#include "Counters.h"
#include "CrossTable.h"
#include "DataModule.h"
#include "EFS010.h"
#include "EFS020.h"
#include "ServerError.h"
#include "SqlQuery.h"
#include "TestDatabase.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>

#include <sched.h>
#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int SavesPerCounter = 100;

QList<int> cpusOf(const cpu_set_t &set)
{
    QList<int> cpus;
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
        if (CPU_ISSET(cpu, &set))
            cpus.append(cpu);
    return cpus;
}

cpu_set_t setOf(const QList<int> &cpus)
{
    cpu_set_t set;
    CPU_ZERO(&set);
    for (int cpu : cpus)
        CPU_SET(cpu, &set);
    return set;
}

QString text(const QList<int> &cpus)
{
    QStringList parts;
    for (int cpu : cpus)
        parts.append(QString::number(cpu));
    return parts.join(u',');
}

// A process, its threads and every process it started (a server's
// postmaster: its backends, and the ones it starts later inherit it).
void pinTree(pid_t root, const cpu_set_t &set)
{
    QList<pid_t> pending{root};
    const QStringList all = QDir(u"/proc"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    while (!pending.isEmpty()) {
        const pid_t pid = pending.takeLast();
        for (const QString &task : QDir(u"/proc/%1/task"_s.arg(pid)).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            sched_setaffinity(task.toInt(), sizeof set, &set);
        for (const QString &entry : all) {
            QFile stat(u"/proc/%1/stat"_s.arg(entry));
            if (!stat.open(QIODevice::ReadOnly))
                continue;
            // pid (comm) state ppid ...: the command may hold spaces.
            const QByteArray line = stat.readAll();
            const QList<QByteArray> after = line.mid(line.lastIndexOf(')') + 2).split(' ');
            if (after.value(1).toInt() == pid)
                pending.append(entry.toInt());
        }
    }
}

QSqlDatabase serverAdmin(const QString &connection, int port, const QString &database)
{
    QSqlDatabase admin = QSqlDatabase::contains(connection) ? QSqlDatabase::database(connection)
                                                           : QSqlDatabase::addDatabase(u"QPSQL"_s, connection);
    admin.setHostName(TestDatabase::socketDir());
    admin.setPort(port);
    admin.setUserName(u"postgres"_s);
    admin.setDatabaseName(database);
    return admin;
}

QString scalar(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    return query.exec(sql) && query.next() ? query.value(0).toString() : QString();
}

bool runDb(const QStringList &arguments)
{
    QProcess db;
    db.setProcessChannelMode(QProcess::ForwardedChannels);
    db.start(qEnvironmentVariable("KEST_SOURCE_DIR") + u"/scripts/db"_s, arguments);
    return db.waitForFinished(600000) && db.exitStatus() == QProcess::NormalExit && db.exitCode() == 0;
}

// What a statistics child did while the counters saved.
struct Statistics
{
    qint64 start = 0, end = 0; // µs since the epoch
    int reads = 0;
    int onPrimary = 0; // replica reads the data module sent to the primary
    QString port;      // the server that answered
};

class StatisticsLoop
{
public:
    StatisticsLoop(const QString &self, const QString &where, const QList<int> &cpus)
    {
        m_child.start(self, {u"child"_s, u"statistics"_s, where, text(cpus)});
        m_ready = m_child.waitForReadyRead(120000) && m_child.readLine().startsWith("ready");
        if (m_ready) {
            m_child.write("go\n");
            m_ready = m_child.waitForBytesWritten(10000);
        }
    }
    bool ready() const { return m_ready; }
    bool stop(Statistics &statistics)
    {
        m_child.write("stop\n");
        m_child.waitForBytesWritten(10000);
        if (!m_child.waitForFinished(600000) || m_child.exitCode() != 0) {
            std::fprintf(stderr, "statistics: %s\n", m_child.readAllStandardError().constData());
            return false;
        }
        for (const QByteArray &line : m_child.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> at = line.trimmed().split(' ');
            if (at.value(0) == "span") {
                statistics.start = at.value(1).toLongLong();
                statistics.end = at.value(2).toLongLong();
            } else if (at.value(0) == "reads") {
                statistics.reads = at.value(1).toInt();
                statistics.onPrimary = at.value(2).toInt();
            } else if (at.value(0) == "port") {
                statistics.port = QString::fromLatin1(at.value(1));
            }
        }
        return true;
    }

private:
    QProcess m_child;
    bool m_ready = false;
};

// The cross-tables of the patrol's statistics screens.
QList<CrossTableDef> statisticsTables()
{
    using accidents::Columns;
    using accidents::Rows;
    return {accidents::Table(Rows::HourBands, Columns::Weekdays), accidents::Table(Rows::Injuries, Columns::Weekdays),
            accidents::Table(Rows::HourBands, Columns::Months),   accidents::Table(Rows::Injuries, Columns::Months),
            accidents::Table(Rows::HourBands, Columns::Sexes),    accidents::Table(Rows::Injuries, Columns::Sexes),
            accidents::Table(Rows::HourBands, Columns::AgeBands)};
}

bool stopAsked()
{
    pollfd input{.fd = STDIN_FILENO, .events = POLLIN, .revents = 0};
    return poll(&input, 1, 0) > 0; // a line, or the parent gone
}

} // namespace

// Reads the statistics in a loop until told to stop, on the replica (as a
// search screen with [REPLICA] does) or on the primary.
int StatisticsChild(const QStringList &args)
{
    const bool onReplica = args.value(0) == u"replica"_s;
    QList<int> cpus;
    for (const QString &cpu : args.value(1).split(u',', Qt::SkipEmptyParts))
        cpus.append(cpu.toInt());
    if (!cpus.isEmpty()) {
        const cpu_set_t set = setOf(cpus);
        sched_setaffinity(0, sizeof set, &set);
    }
    TestDatabase database(u"b_kest_bench"_s, TestDatabase::Attach);
    if (onReplica)
        database.dataModule().setReplica(TestDatabase::socketDir(), TestDatabase::port() + 1, 600);
    const auto server = onReplica ? DataModule::Server::Replica : DataModule::Server::Primary;
    using Binds = QList<std::pair<QString, QString>>;
    const auto read = [&](const QString &sql, const Binds &binds) {
        SqlQuery query(sql);
        query.setStreamed(true, 1000);
        query.setServer(server);
        for (const auto &[name, value] : binds)
            query.bind(name, value);
        query.exec();
        QString first;
        while (query.next())
            if (first.isEmpty())
                first = query.value(0);
        if (!query.streamFailure().isEmpty())
            throw ServerError(query.streamFailure());
        return first;
    };
    QList<std::pair<QString, Binds>> statements;
    for (const CrossTableDef &table : statisticsTables()) {
        const QString sql = CrossTableSql(table);
        Binds binds{{u"TROB_DATE_FROM"_s, QString()}, {u"TROB_DATE_TO"_s, QString()}};
        if (sql.contains(u":GC_ROW_CODE"_s))
            binds.append({u"GC_ROW_CODE"_s, table.rowGroup});
        statements.append({sql, binds});
    }
    const Binds season{{u"SALE_DATE_FROM"_s, u"20261201"_s}, {u"SALE_DATE_TO"_s, u"20270330"_s}};
    statements.append({TfrmEFS010::ListSql(), season});
    statements.append({TfrmEFS020::ListSql(), season + Binds{{u"UPJANG_CODE"_s, u"5003"_s}}});
    try {
        const QString port = read(u"SELECT current_setting('port')"_s, {});
        std::printf("ready\n");
        std::fflush(stdout);
        char go[16];
        if (!std::fgets(go, sizeof go, stdin))
            return 1;
        const qint64 start = NowUs();
        int reads = 0, onPrimary = 0;
        while (!stopAsked()) {
            const auto &[sql, binds] = statements.at(reads % statements.size());
            read(sql, binds);
            ++reads;
            if (onReplica && database.dataModule().readNote() == u"주 서버에서 조회"_s)
                ++onPrimary;
        }
        std::printf("span %lld %lld\nreads %d %d\nport %s\n", static_cast<long long>(start),
                    static_cast<long long>(NowUs()), reads, onPrimary, qPrintable(port));
    } catch (const ServerError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}

// Size: the accidents the statistics count (1,000,000); the season's sales
// lines are three times as many, as P11 has them.
void BenchReplicaReads(BenchRun &run)
{
    const QString path = u"P9 counters and statistics"_s;
    const int accidents = run.size("P9", 1000000);
    const int salesLines = 3 * accidents;
    if (!runDb({u"replica"_s, u"start"_s})) {
        run.table.failed(path, u"no replica (scripts/db replica start)"_s);
        return;
    }
    FillAccidents(run.database, accidents);
    FillSales(run.database, salesLines);
    AddCounterItems(run.database, SavesPerCounter);

    const int replicaPort = TestDatabase::port() + 1;
    QSqlDatabase primary = serverAdmin(u"p9_primary"_s, TestDatabase::port(), u"b_kest_bench"_s);
    QSqlDatabase replica = serverAdmin(u"p9_replica"_s, replicaPort, u"b_kest_bench"_s);
    bool caughtUp = false;
    if (primary.open()) {
        const QString lsn = scalar(primary, u"SELECT pg_current_wal_lsn()"_s);
        for (int i = 0; i < 600 && !caughtUp; ++i) {
            caughtUp = replica.open()
                       && scalar(replica, u"SELECT pg_last_wal_replay_lsn() >= '%1'::pg_lsn"_s.arg(lsn)) == u"true"_s;
            if (!caughtUp)
                QThread::msleep(1000);
        }
    }
    if (!caughtUp) {
        run.table.failed(path, u"the replica did not replay the accidents"_s);
        return;
    }

    // Half of the processors each: the primary, this program and its
    // counters on the first; the replica and the statistics on the second.
    cpu_set_t own;
    sched_getaffinity(0, sizeof own, &own);
    const QList<int> all = cpusOf(own);
    const QList<int> primaryCpus = all.mid(0, std::max<qsizetype>(1, all.size() / 2));
    const QList<int> replicaCpus = all.size() > 1 ? all.mid(primaryCpus.size()) : all;
    const auto postmaster = [](QSqlDatabase &db) {
        return scalar(db, u"SELECT split_part(pg_read_file('postmaster.pid'), E'\\n', 1)"_s).toInt();
    };
    const pid_t primaryPid = postmaster(primary), replicaPid = postmaster(replica);
    const cpu_set_t primarySet = setOf(primaryCpus), replicaSet = setOf(replicaCpus);
    if (primaryPid > 0 && replicaPid > 0) {
        pinTree(primaryPid, primarySet);
        pinTree(replicaPid, replicaSet);
    }
    sched_setaffinity(0, sizeof primarySet, &primarySet);

    Sample alone, onReplica, onPrimary, replicaReads, primaryReads;
    bool overlapped = true, served = true, ok = true;
    const QDate first(2028, 1, 1);
    for (int i = 0; i < run.runs && ok; ++i) {
        QStringList dates[3];
        for (int set = 0; set < 3; ++set)
            for (int c = 0; c < Counters; ++c)
                dates[set].append(first.addDays((i * 3 + set) * Counters + c).toString(u"yyyyMMdd"_s));
        CounterGroup a;
        ok = RunCounters(run.self, dates[0], SavesPerCounter, a);
        alone.values.append(a.latencies.percentile(0.99));
        for (const bool toReplica : {true, false}) {
            CounterGroup g;
            Statistics s;
            StatisticsLoop loop(run.self, toReplica ? u"replica"_s : u"primary"_s, replicaCpus);
            ok = ok && loop.ready() && RunCounters(run.self, dates[toReplica ? 1 : 2], SavesPerCounter, g)
                 && loop.stop(s);
            if (!ok)
                break;
            (toReplica ? onReplica : onPrimary).values.append(g.latencies.percentile(0.99));
            (toReplica ? replicaReads : primaryReads).values.append(s.reads * 1e6 / double(std::max<qint64>(1, s.end - s.start)));
            overlapped = overlapped && s.start <= g.first() && s.end >= g.last() && s.reads > 0;
            served = served && s.port == QString::number(toReplica ? replicaPort : TestDatabase::port())
                     && s.onPrimary == 0;
        }
    }

    // Everything back as it was, for the paths after this one.
    const cpu_set_t allSet = setOf(all);
    sched_setaffinity(0, sizeof allSet, &allSet);
    if (primaryPid > 0)
        pinTree(primaryPid, allSet);
    primary.close();
    replica.close();
    runDb({u"replica"_s, u"stop"_s});
    if (!ok) {
        run.table.failed(path, u"a counter or the statistics failed"_s);
        return;
    }

    run.table.ratio(u"P9 a save's p99, statistics on the replica (floor: counters alone)"_s, onReplica, alone, 1.2);
    run.table.ratio(u"P9 a save's p99, statistics on the primary (floor: counters alone)"_s, onPrimary, alone, 0);
    run.table.info(u"P9 statistics read per second on the replica"_s, replicaReads, u"/s"_s);
    run.table.info(u"P9 statistics read per second on the primary"_s, primaryReads, u"/s"_s);
    run.table.check(u"P9 the statistics read all through the counters' saves"_s, overlapped,
                    overlapped ? u"each loop began before the first save and ended after the last"_s
                               : u"a loop did not cover the saves"_s);
    run.table.check(u"P9 the statistics were answered where they were sent"_s, served,
                    served ? u"the replica's reads by the replica, none moved to the primary"_s
                           : u"a read went to the other server"_s);
    run.table.note(u"P9 %L1 accidents, %L2 sales lines, %3 counters of %4 saves; processors %5 for the primary and the "
                   "counters, %6 for the replica and the statistics"_s.arg(accidents).arg(salesLines).arg(Counters)
                       .arg(SavesPerCounter).arg(text(primaryCpus), text(replicaCpus)));
}
