#include "ResultStream.h"

#include "ConnectionWatch.h"
#include "DataModule.h"
#include "PgText.h"
#include "ServerError.h"
#include "ServerWaitLoop.h"

#include <libpq-fe.h>


using namespace Qt::StringLiterals;

namespace {

// The failure of a result (or of the connection when there is none).
QString failureOf(pg_conn *connection, PGresult *result, bool &lost)
{
    const ServerError error = ServerErrorOf(connection, result);
    lost = error.connectionLost();
    return error.message();
}

// One statement on a stream connection, its answer awaited as the main
// connection's are (the window repaints, F8 or Esc cancels); the failed
// result is kept over what follows. Null when the connection broke.
PGresult *execWaiting(pg_conn *connection, const QByteArray &sql, const PgParameters *params = nullptr)
{
    const int sent = params ? PQsendQueryParams(connection, sql.constData(), params->count(), nullptr,
                                                params->values(), nullptr, nullptr, 0)
                            : PQsendQuery(connection, sql.constData());
    const bool answered = sent && ServerWaitLoop::AwaitAnswer(connection);
    PGresult *kept = nullptr;
    while (PGresult *result = PQgetResult(connection)) {
        if (!answered || (kept && !PgSucceeded(kept))) {
            PQclear(result);
            continue;
        }
        PQclear(kept);
        kept = result;
    }
    if (!answered) {
        PQclear(kept);
        return nullptr;
    }
    return kept;
}


} // namespace

ResultStream::ResultStream(const QString &sql, const QStringList &values, DataModule::Server server, int batchSize,
                           bool readOnly)
    : m_readOnly(readOnly), m_batchSize(batchSize), m_fetch("FETCH FORWARD " + QByteArray::number(batchSize) + " FROM kest_stream")
{
    QString error;
    bool lost = false;
    // A stream connection that broke while idle is opened again once; a
    // read the replica failed goes to the primary (open marks the replica).
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (open(sql, values, server, error, lost))
            return;
        if (!lost)
            break;
    }
    if (ServerWaitLoop::TakeCancelled() && !lost)
        throw ServerWaitLoop::CancelledError();
    throw ServerError(error, {}, lost ? ServerError::Kind::ConnectionLost : ServerError::Kind::Refused);
}

ResultStream::~ResultStream()
{
    release();
    PQclear(m_batch);
}

bool ResultStream::open(const QString &sql, const QStringList &values, DataModule::Server server, QString &error,
                        bool &lost)
{
    DataModule *module = DataModule::instance();
    if (!module)
        throw ServerError(u"데이터베이스에 연결되어 있지 않습니다."_s);
    m_connection = module->takeStreamConnection(server);
    const bool replica = module->isReplica(m_connection);
    const QByteArray declare = "DECLARE kest_stream NO SCROLL CURSOR FOR " + sql.toUtf8();
    const PgParameters params(values);
    PGresult *begin = PQexec(m_connection, m_readOnly ? "BEGIN READ ONLY" : "BEGIN");
    bool ok = PgSucceeded(begin);
    PQclear(begin);
    if (ok) {
        PGresult *declared = execWaiting(m_connection, declare, &params);
        ok = PgSucceeded(declared);
        if (!ok)
            error = failureOf(m_connection, declared, lost);
        PQclear(declared);
    } else {
        error = failureOf(m_connection, nullptr, lost);
    }
    if (ok && fetch(error, lost)) {
        for (int i = 0; i < PQnfields(m_batch); ++i)
            m_fields.append(QString::fromUtf8(PQfname(m_batch, i)));
        return true;
    }
    if (error.isEmpty())
        error = failureOf(m_connection, nullptr, lost);
    release();
    // Whatever failed there (a conflict with replay, a stopped replica) is
    // tried once more on the primary, unless the operator cancelled it.
    if (replica && !ServerWaitLoop::CancelSent()) {
        module->replicaFailed();
        lost = true;
    }
    return false;
}

bool ResultStream::fetch(QString &error, bool &lost)
{
    PQclear(m_batch);
    // Later batches are read while a grid paints: no events may run then.
    m_batch = m_fields.isEmpty() ? execWaiting(m_connection, m_fetch) : PQexec(m_connection, m_fetch.constData());
    m_row = -1;
    if (PQresultStatus(m_batch) != PGRES_TUPLES_OK) {
        error = failureOf(m_connection, m_batch, lost);
        PQclear(m_batch);
        m_batch = nullptr;
        return false;
    }
    m_last = PQntuples(m_batch) < m_batchSize;
    // Every row is here: the connection may serve the next search.
    if (m_last)
        release();
    return true;
}

bool ResultStream::next()
{
    if (!m_batch)
        return false;
    if (m_row + 1 < PQntuples(m_batch)) {
        ++m_row;
        return true;
    }
    if (m_last || !m_connection)
        return false;
    bool lost = false;
    if (!fetch(m_failure, lost)) {
        release();
        return false;
    }
    return next();
}

QString ResultStream::value(int column) const
{
    return PgText(m_batch, m_row, column);
}

QByteArrayView ResultStream::bytes(int column) const
{
    if (!m_batch || m_row < 0 || column < 0 || column >= PQnfields(m_batch) || PQgetisnull(m_batch, m_row, column))
        return {};
    if (PQftype(m_batch, column) == PgBoolOid)
        return PQgetvalue(m_batch, m_row, column)[0] == 't' ? QByteArrayView("true") : QByteArrayView("false");
    return QByteArrayView(PQgetvalue(m_batch, m_row, column), PQgetlength(m_batch, m_row, column));
}

void ResultStream::release()
{
    if (!m_connection)
        return;
    pg_conn *connection = std::exchange(m_connection, nullptr);
    if (PQstatus(connection) == CONNECTION_OK && PQtransactionStatus(connection) != PQTRANS_IDLE) {
        // Ends the cursor with its transaction; nothing was written.
        PGresult *end = PQexec(connection, "ROLLBACK");
        PQclear(end);
    }
    if (DataModule *module = DataModule::instance())
        module->releaseStreamConnection(connection);
    else
        PQfinish(connection);
}
