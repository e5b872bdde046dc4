#pragma once

#include <QString>
#include <QStringList>

struct pg_result;

// One statement on the process's main connection, in one round trip, whose
// answer is awaited in slices: while the server takes longer than a slice
// (a lock another counter holds, a slow statement) the data module's wait
// hook runs between them, so that the window keeps painting. Holds the whole
// result. `sql` has $1..$n placeholders; an empty value is passed as NULL.
// Throws ServerError; a connection that broke outside a save is opened again
// and the statement runs once more, inside one the save is lost.
class ServerCall
{
public:
    ServerCall(const QString &sql, const QStringList &values);
    ~ServerCall();
    ServerCall(const ServerCall &) = delete;
    ServerCall &operator=(const ServerCall &) = delete;

    int rows() const;
    QStringList fields() const;
    // The text of a value as the driver of the main connection shows it;
    // empty for NULL.
    QString value(int row, int column) const;

    // How long a wait runs before the hook does, in milliseconds.
    static constexpr int Slice = 30;

private:
    bool run(const QByteArray &sql, const QStringList &values, bool &lost);

    pg_result *m_result = nullptr;
};
