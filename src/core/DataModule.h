#pragma once

#include <QSqlDatabase>
#include <QString>

// Owns the one database connection of the process. Screens make their own
// queries and procedure objects on it (SqlQuery, StoredProc).
class DataModule
{
public:
    static inline const QString ConnectionName = QStringLiteral("OracleConnection");

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
    bool isConnected() const;

    QSqlDatabase database() const;

    // True while a save transaction is active on the connection.
    bool inTransaction() const { return m_transactionDepth > 0; }

private:
    friend class SaveTransaction;
    int m_transactionDepth = 0;
};

// The connection of the running process; throws ServerError when there is none.
QSqlDatabase Connection();

// True when a failed open's text says the server has no free connection slot.
bool IsConnectionLimitError(const QString &errorText);
