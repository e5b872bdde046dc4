#include "DataModule.h"

#include "ConnectionWatch.h"
#include "ServerError.h"
#include "StartupValues.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

#include <libpq-fe.h>

using namespace Qt::StringLiterals;

namespace {
DataModule *current = nullptr;

// Sessions of this program name it and the counter, so that an administrator
// sees in pg_stat_activity whose session holds what.
QString applicationName()
{
    QString name = u"Kest_E "_s + Startup().clientAddress;
    for (QChar &c : name)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e || c == u'\\' || c == u'\'')
            c = u'_';
    return u"'"_s + name.left(63) + u"'"_s;
}

// Idle stream connections kept for the next search; more are closed.
constexpr int IdleStreamsKept = 1;

// After a replica read failed, reads go to the primary this long before
// the replica is tried again (a replica that is down would otherwise cost
// every search its connect timeout).
constexpr qint64 ReplicaRetryMs = 30000;
const QString PrimaryReadNote = QStringLiteral("주 서버에서 조회");

QString conninfoValue(const QString &value)
{
    QString quoted = value;
    quoted.replace(u"\\"_s, u"\\\\"_s).replace(u"'"_s, u"\\'"_s);
    return u"'"_s + quoted + u"'"_s;
}

// What every statement of the client relies on, set on each connection as
// it opens, whatever defaults the login role or the database carry (a
// counter's role may change its own defaults). The timeouts are last and
// each a statement of its own: should one be refused, the other still holds.
QStringList sessionSettings(int statementMs, int lockMs)
{
    return {u"SET standard_conforming_strings = on"_s,
            u"SET search_path = ktuser, public"_s,
            u"SET timezone = 'Asia/Seoul'"_s,
            u"SET default_transaction_isolation = 'read committed'"_s,
            u"SET default_transaction_read_only = off"_s,
            u"SET idle_in_transaction_session_timeout = 0"_s,
            u"SET application_name = "_s + applicationName(),
            u"SET statement_timeout = %1"_s.arg(statementMs),
            u"SET lock_timeout = %1"_s.arg(lockMs)};
}

// Runs the settings as one statement; when that is refused, one at a time,
// so that a refused one takes no other with it.
void applySettings(const QStringList &settings, const std::function<QString(const QString &)> &exec)
{
    if (exec(settings.join(u"; "_s)).isEmpty())
        return;
    for (const QString &setting : settings) {
        const QString error = exec(setting);
        if (!error.isEmpty())
            qWarning().noquote() << u"session setting refused: %1: %2"_s.arg(setting, error.trimmed());
    }
}
} // namespace

DataModule::DataModule()
{
    QSqlDatabase db = QSqlDatabase::contains(ConnectionName) ? QSqlDatabase::database(ConnectionName, false)
                                                              : QSqlDatabase::addDatabase(u"QPSQL"_s, ConnectionName);
    // Whole numbers come back as their digits, never as "1e+06".
    db.setNumericalPrecisionPolicy(QSql::HighPrecision);
    // Where the server is: Main.ini, else the libpq defaults (PGHOST, PGPORT).
    db.setHostName(IniValue(u"Main.ini"_s, u"DATABASE"_s, u"HOST"_s));
    const int port = IniNumber(u"Main.ini"_s, u"DATABASE"_s, u"PORT"_s, -1, 1, 65535);
    db.setPort(port);
    // A host that takes the connection and never answers ends the start-up
    // after the connect timeout, unless OPTIONS names one itself.
    QString options = IniValue(u"Main.ini"_s, u"DATABASE"_s, u"OPTIONS"_s);
    if (!options.contains(u"connect_timeout"_s, Qt::CaseInsensitive)) {
        const int connectTimeout = IniNumber(u"Main.ini"_s, u"DATABASE"_s, u"CONNECT_TIMEOUT"_s,
                                             DefaultConnectTimeout, 1, MaxTimeout);
        options = (options.trimmed().isEmpty() ? QString() : options.trimmed() + u';')
                  + u"connect_timeout="_s + QString::number(connectTimeout);
    }
    db.setConnectOptions(options);
    m_statementMs = IniNumber(u"Main.ini"_s, u"DATABASE"_s, u"STATEMENT_TIMEOUT"_s, DefaultStatementTimeout, 0,
                              MaxTimeout) * 1000;
    m_lockMs = IniNumber(u"Main.ini"_s, u"DATABASE"_s, u"LOCK_TIMEOUT"_s, DefaultLockTimeout, 0, MaxTimeout) * 1000;
    setReplica(IniValue(u"Main.ini"_s, u"REPLICA"_s, u"HOST"_s),
               IniNumber(u"Main.ini"_s, u"REPLICA"_s, u"PORT"_s, -1, 1, 65535),
               IniNumber(u"Main.ini"_s, u"REPLICA"_s, u"MAX_LAG"_s, DefaultMaxLag, 0, MaxTimeout));
    m_waitHook = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
    current = this;
}

void DataModule::waiting() const
{
    if (m_waitHook)
        m_waitHook();
}

DataModule::~DataModule()
{
    Disconnect();
    for (pg_conn *stream : std::as_const(m_idleStreams))
        PQfinish(stream);
    m_idleStreams.clear();
    for (pg_conn *stream : std::as_const(m_idleReplicaStreams))
        PQfinish(stream);
    m_idleReplicaStreams.clear();
    if (current == this)
        current = nullptr;
    QSqlDatabase::removeDatabase(ConnectionName);
}

DataModule *DataModule::instance()
{
    return current;
}

void DataModule::setParameters(const QString &databaseName, const QString &userName, const QString &password)
{
    QSqlDatabase db = database();
    db.setDatabaseName(databaseName);
    db.setUserName(userName);
    db.setPassword(password);
}

namespace {

int nextGeneration()
{
    static int openings = 0;
    return ++openings;
}

} // namespace

void DataModule::Connect()
{
    QSqlDatabase db = database();
    if (db.isOpen())
        return;
    if (db.open()) {
        m_generation = nextGeneration();
        applySessionSettings();
        return;
    }
    const QString text = db.lastError().text();
    if (IsConnectionLimitError(text))
        throw ServerError(u"현재 너무 많은 사용자가 사용 중이므로 연결할 수 없습니다.\r잠시 후 다시 시도하십시오."_s);
    throw ServerError(u"데이터베이스와 연결할 수 없습니다.\r\r에러내용:\r"_s + text);
}

void DataModule::applySessionSettings()
{
    QSqlQuery query(database());
    applySettings(sessionSettings(m_statementMs, m_lockMs), [&query](const QString &sql) {
        return query.exec(sql) ? QString() : query.lastError().text();
    });
}

void DataModule::setTimeouts(int statementMs, int lockMs)
{
    m_statementMs = std::clamp(statementMs, 0, MaxTimeout * 1000);
    m_lockMs = std::clamp(lockMs, 0, MaxTimeout * 1000);
    if (isConnected())
        applySessionSettings();
    // Idle stream connections carry the old values: open new ones.
    for (pg_conn *stream : std::as_const(m_idleStreams))
        PQfinish(stream);
    m_idleStreams.clear();
    for (pg_conn *stream : std::as_const(m_idleReplicaStreams))
        PQfinish(stream);
    m_idleReplicaStreams.clear();
}

void DataModule::Disconnect()
{
    QSqlDatabase db = database();
    if (db.isOpen())
        db.close();
    m_transactionDepth = 0;
    m_generation = nextGeneration();
}

void DataModule::DropConnection()
{
    Disconnect();
    for (pg_conn *stream : std::as_const(m_idleStreams))
        PQfinish(stream);
    m_idleStreams.clear();
    for (pg_conn *stream : std::as_const(m_idleReplicaStreams))
        PQfinish(stream);
    m_idleReplicaStreams.clear();
}

void DataModule::Reconnect()
{
    DropConnection();
    try {
        Connect();
    } catch (const ServerError &error) {
        throw ServerError(ServerText::ConnectionLost, error.sqlState(), ServerError::Kind::ConnectionLost);
    }
}

void DataModule::RecoverOrThrow(const ServerError &error)
{
    if (!error.connectionLost())
        throw error;
    if (inTransaction()) {
        DropConnection();
        throw error;
    }
    Reconnect();
}

bool DataModule::isConnected() const
{
    return database().isOpen();
}

bool DataModule::Ping()
{
    try {
        QSqlDatabase db = Connection();
        QSqlQuery probe(db);
        if (probe.exec(u"SELECT 1"_s))
            return true;
        if (inTransaction())
            return false;
        Reconnect();
        return QSqlQuery(database()).exec(u"SELECT 1"_s);
    } catch (const ServerError &) {
        return false;
    }
}

QSqlDatabase DataModule::database() const
{
    return QSqlDatabase::database(ConnectionName, false);
}

QString DataModule::streamConnectInfo(const QString &host, int port) const
{
    const QSqlDatabase db = database();
    QStringList parts;
    if (const QString server = host.isEmpty() ? db.hostName() : host; !server.isEmpty())
        parts << u"host="_s + conninfoValue(server);
    if (const int serverPort = host.isEmpty() ? db.port() : port; serverPort > 0)
        parts << u"port="_s + QString::number(serverPort);
    parts << u"dbname="_s + conninfoValue(db.databaseName());
    parts << u"user="_s + conninfoValue(db.userName());
    if (!db.password().isEmpty())
        parts << u"password="_s + conninfoValue(db.password());
    // The options of the main connection, as its driver reads them.
    QString options = db.connectOptions();
    options.replace(u';', u' ');
    if (!options.trimmed().isEmpty())
        parts << options.trimmed();
    return parts.join(u' ');
}

void DataModule::setReplica(const QString &host, int port, int maxLagSeconds)
{
    m_replicaHost = host.trimmed();
    m_replicaPort = port;
    m_maxLagSeconds = maxLagSeconds;
    m_readNote.clear();
    m_replicaDownUntil = 0;
    for (pg_conn *stream : std::as_const(m_idleReplicaStreams)) {
        m_replicaStreams.removeOne(stream);
        PQfinish(stream);
    }
    m_idleReplicaStreams.clear();
}

void DataModule::replicaFailed()
{
    m_replicaDownUntil = QDateTime::currentMSecsSinceEpoch() + ReplicaRetryMs;
    m_readNote = PrimaryReadNote;
}

pg_conn *DataModule::takeStreamConnection(Server wanted)
{
    if (wanted == Server::Replica && hasReplica()) {
        if (pg_conn *replica = takeReplicaStream())
            return replica;
    }
    while (!m_idleStreams.isEmpty()) {
        pg_conn *stream = m_idleStreams.takeLast();
        if (PQstatus(stream) == CONNECTION_OK && PQtransactionStatus(stream) == PQTRANS_IDLE)
            return stream;
        PQfinish(stream);
    }
    return openStream(streamConnectInfo());
}

// A replica connection whose replica is no further behind than allowed;
// null (and the note says why) when the read is to go to the primary.
pg_conn *DataModule::takeReplicaStream()
{
    if (QDateTime::currentMSecsSinceEpoch() < m_replicaDownUntil) {
        m_readNote = PrimaryReadNote;
        return nullptr;
    }
    pg_conn *stream = nullptr;
    while (!m_idleReplicaStreams.isEmpty() && !stream) {
        stream = m_idleReplicaStreams.takeLast();
        if (PQstatus(stream) != CONNECTION_OK || PQtransactionStatus(stream) != PQTRANS_IDLE) {
            m_replicaStreams.removeOne(stream);
            PQfinish(stream);
            stream = nullptr;
        }
    }
    if (!stream) {
        try {
            stream = openStream(streamConnectInfo(m_replicaHost, m_replicaPort));
        } catch (const ServerError &) {
            replicaFailed();
            return nullptr;
        }
        m_replicaStreams.append(stream);
    }
    // Behind by the time since its last replayed commit, unless it has
    // replayed all it received (an idle primary commits nothing).
    PGresult *lag = PQexec(stream, "SELECT CASE WHEN pg_last_wal_receive_lsn() = pg_last_wal_replay_lsn() THEN 0"
                                   " ELSE COALESCE(floor(extract(epoch FROM now() - pg_last_xact_replay_timestamp())),"
                                   " 0) END");
    const bool answered = PQresultStatus(lag) == PGRES_TUPLES_OK && PQntuples(lag) == 1;
    const int seconds = answered ? QByteArray(PQgetvalue(lag, 0, 0)).toInt() : 0;
    PQclear(lag);
    if (!answered) {
        m_replicaStreams.removeOne(stream);
        PQfinish(stream);
        replicaFailed();
        return nullptr;
    }
    if (seconds > m_maxLagSeconds) {
        releaseStreamConnection(stream);
        m_readNote = PrimaryReadNote;
        return nullptr;
    }
    m_readNote = seconds > 1 ? u"복제 지연 %1초"_s.arg(seconds) : QString();
    return stream;
}

pg_conn *DataModule::openStream(const QString &connectInfo)
{
    pg_conn *stream = PQconnectdb(connectInfo.toUtf8().constData());
    if (PQstatus(stream) != CONNECTION_OK) {
        const QString text = QString::fromUtf8(PQerrorMessage(stream));
        PQfinish(stream);
        if (IsConnectionLimitError(text))
            throw ServerError(u"현재 너무 많은 사용자가 사용 중이므로 연결할 수 없습니다.\r잠시 후 다시 시도하십시오."_s);
        throw ServerError(ServerText::ConnectionLost, {}, ServerError::Kind::ConnectionLost);
    }
    PQsetClientEncoding(stream, "UTF8");
    applySettings(sessionSettings(m_statementMs, m_lockMs), [stream](const QString &sql) {
        PGresult *set = PQexec(stream, sql.toUtf8().constData());
        const bool ok = PQresultStatus(set) == PGRES_COMMAND_OK;
        PQclear(set);
        return ok ? QString() : QString::fromUtf8(PQerrorMessage(stream));
    });
    return stream;
}

void DataModule::releaseStreamConnection(pg_conn *connection)
{
    if (!connection)
        return;
    const bool replica = isReplica(connection);
    QList<pg_conn *> &idle = replica ? m_idleReplicaStreams : m_idleStreams;
    if (PQstatus(connection) != CONNECTION_OK || PQtransactionStatus(connection) != PQTRANS_IDLE
        || idle.size() >= IdleStreamsKept) {
        m_replicaStreams.removeOne(connection);
        PQfinish(connection);
        return;
    }
    idle.append(connection);
}

QSqlDatabase Connection()
{
    DataModule *module = DataModule::instance();
    if (!module)
        throw ServerError(u"데이터베이스에 연결되어 있지 않습니다."_s);
    if (!module->isConnected()) {
        // A save's transaction went with the connection: a new one would run
        // the rest of the save outside any transaction.
        if (module->inTransaction()) {
            module->DropConnection();
            throw ServerError(ServerText::ConnectionLost, {}, ServerError::Kind::ConnectionLost);
        }
        // Lost before and not opened again yet: this statement tries.
        try {
            module->Connect();
        } catch (const ServerError &error) {
            throw ServerError(ServerText::ConnectionLost, error.sqlState(), ServerError::Kind::ConnectionLost);
        }
    }
    return module->database();
}

bool ServerReachable()
{
    DataModule *module = DataModule::instance();
    return module && module->Ping();
}

bool IsConnectionLimitError(const QString &errorText)
{
    static const QString markers[] = {u"ORA-00018"_s, u"ORA-00019"_s, u"too many clients"_s,
                                      u"too many connections"_s, u"remaining connection slots are reserved"_s};
    for (const QString &marker : markers)
        if (errorText.contains(marker, Qt::CaseInsensitive))
            return true;
    return false;
}
