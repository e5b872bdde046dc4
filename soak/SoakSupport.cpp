#include "SoakSupport.h"

#include "DataModule.h"
#include "StartupValues.h"
#include "TestDatabase.h"

#include <QDate>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <libpq-fe.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace soak {

namespace {
// Enough lines of one kind to see what went wrong; the count has the rest.
constexpr int ShownPerKind = 12;
} // namespace

void Findings::say(const QString &line) const
{
    std::printf("%s %s\n", qPrintable(m_id), line.toUtf8().constData());
    std::fflush(stdout);
}

void Findings::note(int &count, const QString &kind, const QString &what, int times)
{
    count += times;
    ++m_lines[kind];
    if (m_lines[kind] <= ShownPerKind)
        say(kind + u": "_s + what);
    else if (m_lines[kind] == ShownPerKind + 1)
        say(kind + u": (more of these are counted, not shown)"_s);
}

int Findings::finish() const
{
    say(u"result: %1 (%2 lost, %3 doubled, %4 stuck, %5 invalid)"_s.arg(total() == 0 ? u"ok"_s : u"FAILED"_s)
            .arg(m_lost)
            .arg(m_doubled)
            .arg(m_stuck)
            .arg(m_invalid));
    return total() == 0 ? 0 : 1;
}

int SizeArgument(int argc, char **argv, int index, int fallback)
{
    if (argc <= index)
        return fallback;
    bool ok = false;
    const int value = QString::fromLocal8Bit(argv[index]).toInt(&ok);
    if (!ok || value <= 0) {
        std::fprintf(stderr, "%s: argument %d must be a positive number, not '%s'\n", argv[0], index, argv[index]);
        std::exit(2);
    }
    return value;
}

QString Today()
{
    return QDate::currentDate().toString(u"yyyyMMdd"_s);
}

std::unique_ptr<DataModule> ConnectCounter(const QString &database, const QString &employeeNo,
                                           const QString &counterId)
{
    StartupValues values;
    values.exeDir = WithTrailingSeparator(QDir::tempPath());
    values.databaseName = database;
    values.databaseUser = QString::fromLatin1(TestDatabase::LoginRole);
    values.employeeNo = employeeNo;
    values.userName = u"소크"_s + employeeNo;
    values.clientAddress = counterId;
    SetStartupValues(values);

    auto module = std::make_unique<DataModule>();
    QSqlDatabase db = module->database();
    db.setHostName(TestDatabase::socketDir());
    db.setPort(TestDatabase::port());
    module->setParameters(database, values.databaseUser, QString::fromLatin1(TestDatabase::LoginPassword));
    module->Connect();
    return module;
}

QStringList AdminRows(const TestDatabase &db, const QString &sql)
{
    const QString text = db.adminScalar(u"SELECT string_agg(q.r, E'\\n') FROM (%1) q(r)"_s.arg(sql));
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

void LoadRentalItems(const TestDatabase &db, int count)
{
    db.adminExec(u"TRUNCATE eb040dt, eb040ms, eb020tm, eb020ms;"
                 " DELETE FROM kest_private.counters WHERE series LIKE 'eb040ms:%';"
                 " INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun)"
                 " SELECT 'M', 'CS', 'C' || lpad(g::text, 4, '0'), '150' FROM generate_series(1, %1) g"_s.arg(count));
}

BackendKiller::BackendKiller(const QString &database, int pid, int delayMs)
{
    const QByteArray info = u"host='%1' port=%2 dbname='%3' user=postgres"_s
                                .arg(TestDatabase::socketDir())
                                .arg(TestDatabase::port())
                                .arg(database)
                                .toUtf8();
    // Connected before the clock starts, so that the delay is the delay.
    PGconn *connection = PQconnectdb(info.constData());
    m_thread = std::thread([this, connection, pid, delayMs] {
        if (PQstatus(connection) != CONNECTION_OK) {
            m_where = u"killer could not connect: "_s + QString::fromUtf8(PQerrorMessage(connection)).trimmed();
            PQfinish(connection);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        const QByteArray sql =
            u"SELECT concat_ws('|', state, COALESCE(xact_start < query_start, false), application_name,"
            " left(regexp_replace(query, '\\s+', ' ', 'g'), 60)), pg_terminate_backend(pid)"
            " FROM pg_stat_activity WHERE pid = %1"_s.arg(pid).toUtf8();
        PGresult *result = PQexec(connection, sql.constData());
        if (PQresultStatus(result) != PGRES_TUPLES_OK)
            m_where = u"kill failed: "_s + QString::fromUtf8(PQresultErrorMessage(result)).trimmed();
        else if (PQntuples(result) == 0)
            m_where = u"gone"_s;
        else
            m_where = QString::fromUtf8(PQgetvalue(result, 0, 0));
        PQclear(result);
        PQfinish(connection);
    });
}

BackendKiller::~BackendKiller()
{
    where();
}

QString BackendKiller::where()
{
    if (!m_joined && m_thread.joinable())
        m_thread.join();
    m_joined = true;
    return m_where;
}

void CheckNumberSeries(Findings &findings, const TestDatabase &db, const QString &table, const QString &number,
                       int committed)
{
    const QStringList row = db.adminScalar(u"SELECT count(*) || ' ' || count(DISTINCT %1) || ' ' || "
                                           "COALESCE(max(%1), 0) FROM %2"_s.arg(number, table))
                                .split(u' ');
    const int rows = row.value(0).toInt(), distinct = row.value(1).toInt(), highest = row.value(2).toInt();
    if (rows < committed)
        findings.lost(u"a committed save missing from "_s + table, committed - rows);
    if (rows > committed)
        findings.doubled(u"a row of "_s + table + u" no clerk saw committed"_s, rows - committed);
    if (distinct != rows)
        findings.doubled(u"a number of "_s + table + u" given twice"_s, rows - distinct);
    if (highest != rows)
        findings.invalid(u"numbers of %1 up to %2 for %3 rows"_s.arg(table).arg(highest).arg(rows));
    findings.say(u"%1 found: %2 saves committed, %3 rows, numbers 1 to %4"_s.arg(table).arg(committed).arg(rows).arg(highest));
}

} // namespace soak
