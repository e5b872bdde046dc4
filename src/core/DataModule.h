#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <functional>

class ServerError;
struct pg_conn;

// Owns the database connection of the process. Screens make their own
// queries and procedure objects on it (SqlQuery, StoredProc). Streamed
// result lists read over connections of their own (ResultStream), opened
// with the same parameters when first needed.
class DataModule
{
public:
    static inline const QString ConnectionName = QStringLiteral("OracleConnection");
    static constexpr int DefaultStatementTimeout = 30; // seconds
    static constexpr int DefaultLockTimeout = 10;      // seconds
    static constexpr int DefaultConnectTimeout = 10;   // seconds
    static constexpr int DefaultMaxLag = 60;           // seconds a replica may be behind
    static constexpr int MaxTimeout = 86400;           // seconds: any timeout of Main.ini

    DataModule();
    ~DataModule();
    DataModule(const DataModule &) = delete;
    DataModule &operator=(const DataModule &) = delete;

    // The data module of the running process, or null before start-up made one.
    static DataModule *instance();

    void setParameters(const QString &databaseName, const QString &userName, const QString &password);
    // Opens the connection unless it is open; throws ServerError with the
    // operator's message when the server cannot be reached.
    void Connect();
    void Disconnect();
    // Drops a connection that broke and opens it again; throws ServerError
    // (connection lost) when the server cannot be reached.
    void Reconnect();
    // Forgets a connection that broke in the middle of a save: the save's
    // transaction is gone with it. The next statement opens it again.
    void DropConnection();
    bool isConnected() const;
    // After a statement failed with `error`: throws it, unless the connection
    // was lost outside a save; then the connection is opened again and the
    // caller runs the statement once more. Inside a save the connection is
    // dropped (the save's transaction went with it) and the error thrown.
    void RecoverOrThrow(const ServerError &error);
    // Reachable now: a connection is open (opened again if it broke) and
    // answers. Never throws.
    bool Ping();

    // Milliseconds; 0 lets a statement or a lock wait run without limit.
    // Applied to every connection from its next opening on (and at once to
    // the open one). Main.ini [DATABASE] STATEMENT_TIMEOUT, LOCK_TIMEOUT give
    // them in seconds.
    void setTimeouts(int statementMs, int lockMs);
    int statementTimeout() const { return m_statementMs; }
    int lockTimeout() const { return m_lockMs; }

    QSqlDatabase database() const;
    // Names the opening of the connection, unique in the process (another
    // data module's included): a save started on an older one has nothing
    // left to roll back, and what was learnt from the server is learnt again.
    int generation() const { return m_generation; }

    // True while a save transaction is active on the connection.
    bool inTransaction() const { return m_transactionDepth > 0; }

    // Runs while a statement waits for the server longer than a moment;
    // by default it lets the window repaint (no input is taken meanwhile).
    void setWaitHook(std::function<void()> hook) { m_waitHook = std::move(hook); }
    void waiting() const;
    // A statement is on its way on the main connection; another one (from a
    // timer run by the wait hook) is refused with ServerText::Busy.
    bool busy() const { return m_busy; }
    class Busy
    {
    public:
        explicit Busy(DataModule &module) : m_module(module) { m_module.m_busy = true; }
        ~Busy() { m_module.m_busy = false; }
        Busy(const Busy &) = delete;
        Busy &operator=(const Busy &) = delete;

    private:
        DataModule &m_module;
    };

    // Where a read goes: the primary, or a read-only replica of it.
    enum class Server { Primary, Replica };

    // Main.ini [REPLICA]: the replica the reads of searching screens go to
    // (an empty host: none, every read on the primary), and how far behind
    // the primary it may be before reads go to the primary instead.
    void setReplica(const QString &host, int port, int maxLagSeconds);
    bool hasReplica() const { return !m_replicaHost.isEmpty(); }

    // A libpq connection for one streamed read, idle or newly opened with
    // the process's parameters and timeouts; throws ServerError. A replica
    // read gets the primary while the replica cannot be reached or lags
    // more than its limit. Hand it back with releaseStreamConnection, or
    // close it with PQfinish when it broke.
    pg_conn *takeStreamConnection(Server wanted = Server::Primary);
    void releaseStreamConnection(pg_conn *connection);
    bool isReplica(const pg_conn *connection) const { return m_replicaStreams.contains(connection); }
    // A replica read failed: reads go to the primary for a while.
    void replicaFailed();
    // What the last replica read tells the operator: "주 서버에서 조회" when
    // it went to the primary, "복제 지연 N초" when the replica was more than a
    // second behind, empty otherwise (and without a replica).
    QString readNote() const { return m_readNote; }

private:
    friend class SaveTransaction;
    void applySessionSettings();
    // The main connection's parameters, on another server when `host` is given.
    QString streamConnectInfo(const QString &host = {}, int port = 0) const;

    std::function<void()> m_waitHook;
    bool m_busy = false;
    int m_transactionDepth = 0;
    int m_generation = 0;
    int m_statementMs = DefaultStatementTimeout * 1000;
    int m_lockMs = DefaultLockTimeout * 1000;
    QList<pg_conn *> m_idleStreams;

    pg_conn *openStream(const QString &connectInfo);
    pg_conn *takeReplicaStream();
    QString m_replicaHost;
    int m_replicaPort = 0;
    int m_maxLagSeconds = 60;
    QList<pg_conn *> m_idleReplicaStreams;
    QList<const pg_conn *> m_replicaStreams; // open ones, idle or reading
    qint64 m_replicaDownUntil = 0;           // ms since the epoch
    QString m_readNote;
};

// The connection of the running process, opened again when it was lost;
// throws ServerError when there is none.
QSqlDatabase Connection();

// DataModule::Ping of the running process; false without one.
bool ServerReachable();

// True when a failed open's text says the server has no free connection slot.
bool IsConnectionLimitError(const QString &errorText);
