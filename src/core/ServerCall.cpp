#include "ServerCall.h"

#include "ConnectionWatch.h"
#include "DataModule.h"
#include "PgText.h"
#include "ServerError.h"
#include "ServerWaitLoop.h"

#include <libpq-fe.h>

using namespace Qt::StringLiterals;

ServerCall::ServerCall(const QString &sql, const QStringList &values)
{
    DataModule *module = DataModule::instance();
    if (!module)
        throw ServerError(u"데이터베이스에 연결되어 있지 않습니다."_s);
    if (module->busy())
        throw ServerError(ServerText::Busy);
    const QByteArray text = sql.toUtf8();
    bool lost = false;
    if (run(text, values, lost))
        return;
    if (ServerWaitLoop::TakeCancelled() && !lost) {
        PQclear(std::exchange(m_result, nullptr));
        throw ServerWaitLoop::CancelledError();
    }
    ServerError error = ServerErrorOf(MainConnectionHandle(module->database()), m_result);
    if (lost)
        error = ServerError(ServerText::ConnectionLost, error.sqlState(), ServerError::Kind::ConnectionLost);
    PQclear(std::exchange(m_result, nullptr));
    module->RecoverOrThrow(error);
    if (run(text, values, lost))
        return;
    error = ServerErrorOf(MainConnectionHandle(module->database()), m_result);
    PQclear(std::exchange(m_result, nullptr));
    throw error;
}

ServerCall::~ServerCall()
{
    PQclear(m_result);
}

bool ServerCall::run(const QByteArray &sql, const QStringList &values, bool &lost)
{
    DataModule &module = *DataModule::instance();
    Connection(); // opened again when it was lost while idle
    pg_conn *connection = MainConnectionHandle(module.database());
    if (!connection) {
        lost = true;
        return false;
    }
    const PgParameters params(values);
    const DataModule::Busy busy(module);
    if (!PQsendQueryParams(connection, sql.constData(), params.count(), nullptr, params.values(), nullptr, nullptr, 0)
        || !ServerWaitLoop::AwaitAnswer(connection)) {
        lost = PQstatus(connection) != CONNECTION_OK;
        // Whatever arrived is read, so that the connection is free again.
        while (PGresult *rest = PQgetResult(connection))
            PQclear(rest);
        return false;
    }
    // One statement gives one result; a failure is kept over what follows.
    while (PGresult *result = PQgetResult(connection)) {
        if (m_result && !PgSucceeded(m_result)) {
            PQclear(result);
            continue;
        }
        PQclear(m_result);
        m_result = result;
    }
    lost = PQstatus(connection) != CONNECTION_OK;
    return m_result && PgSucceeded(m_result) && !lost;
}

int ServerCall::rows() const
{
    return m_result ? PQntuples(m_result) : 0;
}

QStringList ServerCall::fields() const
{
    QStringList names;
    for (int i = 0; m_result && i < PQnfields(m_result); ++i)
        names.append(QString::fromUtf8(PQfname(m_result, i)));
    return names;
}

QString ServerCall::value(int row, int column) const
{
    return PgText(m_result, row, column);
}
