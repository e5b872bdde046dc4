#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class TestDatabase;

// A connection named `name` to `database` as the login role, as a counter
// has; open unless the server refused it (lastError() says why).
QSqlDatabase LoginConnection(const QString &name, const QString &database);

// Two counters saving at the same moment, as the login role: the first runs
// `firstCall` in a transaction it keeps open, the second runs `secondCall`
// meanwhile; once the second waits on a lock (or ten seconds passed) the
// first commits.
struct OverlappingSaves
{
    QString firstError;  // empty: opened, called and committed
    QString secondError; // empty: opened and called
    bool secondWaited = false;
};
// secondSetup: statements the second connection runs before its call, each
// on its own (session settings such as its isolation level).
OverlappingSaves SaveAtOnce(const TestDatabase &database, const QString &firstCall, const QString &secondCall,
                            const QStringList &secondSetup = {});

// Another counter working on the same database at the same time, as the
// administrator: it opens a transaction, takes locks, and keeps them until
// it ends the transaction or goes away.
class CounterConnection
{
public:
    explicit CounterConnection(const TestDatabase &database);
    ~CounterConnection();
    CounterConnection(const CounterConnection &) = delete;
    CounterConnection &operator=(const CounterConnection &) = delete;

    // Runs statements; throws std::runtime_error when they fail.
    void exec(const QString &sql);
    void begin() { exec(QStringLiteral("BEGIN")); }
    void rollback() { exec(QStringLiteral("ROLLBACK")); }

private:
    QString m_name;
};
