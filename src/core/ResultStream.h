#pragma once

#include "DataModule.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

struct pg_conn;
struct pg_result;

// One read whose rows come from the server a batch at a time: a cursor in a
// transaction of its own on a stream connection of the data module, so that
// statements and saves on the main connection go on while it is half read.
// The connection goes back as soon as the last row arrived or the stream is
// destroyed.
class ResultStream
{
public:
    static constexpr int BatchSize = 100;

    // `sql` with $1..$n placeholders; an empty value is bound as NULL. Reads
    // the first batch; throws ServerError (a lost connection is retried once,
    // a failed read on the replica once on the primary). A reader that takes
    // every row (an export) asks for larger batches. A read-only read runs
    // in a READ ONLY transaction: a statement that would write is refused.
    ResultStream(const QString &sql, const QStringList &values,
                 DataModule::Server server = DataModule::Server::Primary, int batchSize = BatchSize,
                 bool readOnly = false);
    ~ResultStream();
    ResultStream(const ResultStream &) = delete;
    ResultStream &operator=(const ResultStream &) = delete;

    const QStringList &fields() const { return m_fields; }
    // The next row; false at the end, or when a batch could not be read
    // (failure() says why). Never throws: a grid calls it while painting.
    bool next();
    QString value(int column) const;
    // The same as UTF-8 as it came, ending in a NUL byte; empty for NULL.
    // Valid until the next call of next().
    QByteArrayView bytes(int column) const;
    const QString &failure() const { return m_failure; }

private:
    bool open(const QString &sql, const QStringList &values, DataModule::Server server, QString &error, bool &lost);
    bool m_readOnly = false;
    bool fetch(QString &error, bool &lost);
    void release();

    pg_conn *m_connection = nullptr;
    pg_result *m_batch = nullptr;
    int m_batchSize;
    QByteArray m_fetch;
    QStringList m_fields;
    int m_row = -1;
    bool m_last = false; // the batch in hand is the last one
    QString m_failure;
};

// The text with its ":NAME" placeholders numbered $1..$n as ResultStream
// takes it, and the names in the order of their numbers (each once).
QString NumberedPlaceholders(const QString &sql, QStringList &names);
