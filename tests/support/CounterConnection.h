#pragma once

#include <QString>

class TestDatabase;

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
