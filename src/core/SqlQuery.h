#pragma once

#include "DataModule.h"

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>

#include <memory>

class ResultStream;

// A read on the process's connection with named binds (":NAME"). Every value
// is bound as text and an empty text as NULL, as the old server treated ''.
// Failures throw ServerError. A read outside a save whose connection broke
// opens it again and runs once more; inside a save the save is lost.
class SqlQuery
{
public:
    explicit SqlQuery(const QString &sql = {});
    ~SqlQuery();
    SqlQuery(SqlQuery &&) noexcept;
    SqlQuery &operator=(SqlQuery &&) noexcept;

    void setSql(const QString &sql);
    const QString &sql() const { return m_sql; }
    // Names of the placeholders in the text, upper case, each once, in order.
    const QStringList &placeholders() const { return m_placeholders; }
    bool hasPlaceholder(const QString &name) const;

    // name with or without the leading colon; a name the text lacks is ignored.
    void bind(const QString &name, const QString &value);
    void clearBinds();
    // The values bound so far, by upper-case name.
    const QHash<QString, QString> &binds() const { return m_binds; }

    // Buffered: exec reads the whole result into the client, so that other
    // statements may run on the connection while its rows are still being
    // read (a grid fetching as it scrolls). Unbuffered (the default), rows
    // stream from the server and the next statement discards those unread.
    void setBuffered(bool on) { m_buffered = on; }
    // Streamed: rows come from the server a batch at a time over a
    // connection of their own (ResultStream), for result lists that may be
    // long; other statements and saves go on while they are half read. A
    // reader that takes every row (an export) asks for larger batches.
    void setStreamed(bool on, int batchRows = 100)
    {
        m_streamed = on;
        m_batchRows = batchRows;
    }
    // The rows of a streamed read as they came (null otherwise).
    ResultStream *stream() const { return m_stream.get(); }
    // A streamed read of a screen whose job is to read goes to the replica
    // when there is one (Main.ini [REPLICA]); everything else to the primary.
    void setServer(DataModule::Server server) { m_server = server; }
    // Why a streamed read stopped early; empty when it did not.
    QString streamFailure() const;

    void exec();
    // The next row; false at the end. Throws ServerError when the rows
    // stopped because the statement failed (a streamed read never throws).
    bool next();
    bool isActive() const;
    void close();

    QSqlRecord record() const;
    // The current row's value as text; empty for NULL or an unknown field.
    QString value(const QString &field) const;
    QString value(int column) const;

    // Runs the text and returns the first column of the first row, or empty.
    static QString scalar(const QString &sql, const QHash<QString, QString> &binds = {});

private:
    QString m_sql;
    QString m_normalSql; // placeholders spelled in upper case
    QStringList m_placeholders;
    QHash<QString, QString> m_binds;
    QSqlQuery m_query;
    std::unique_ptr<ResultStream> m_stream;
    bool m_buffered = false;
    bool m_streamed = false;
    int m_batchRows = 100;
    DataModule::Server m_server = DataModule::Server::Primary;

    bool run(QSqlDatabase db);
};

// Names of the ":NAME" placeholders of an SQL text, upper case, each once;
// quoted text, comments and "::" casts are skipped.
QStringList PlaceholderNames(const QString &sql);
// Text of a result value: NULL as empty, numbers as their digits.
QString ValueText(const QVariant &value);
