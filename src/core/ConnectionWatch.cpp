#include "ConnectionWatch.h"

#include "SqlQuery.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QVariant>

#include <libpq-fe.h>

using namespace Qt::StringLiterals;

ServerError::Kind ErrorKindOf(const QString &sqlState, const QString &text)
{
    if (sqlState.startsWith(u"08"_s) || sqlState == u"57P01"_s || sqlState == u"57P02"_s || sqlState == u"57P03"_s)
        return ServerError::Kind::ConnectionLost;
    if (sqlState == u"57014"_s)
        return ServerError::Kind::StatementTimeout;
    if (sqlState == u"55P03"_s)
        return ServerError::Kind::LockTimeout;
    // libpq reports a dead socket without a state.
    static const QString markers[] = {u"server closed the connection unexpectedly"_s,
                                      u"no connection to the server"_s,
                                      u"terminating connection due to"_s,
                                      u"connection to server was lost"_s,
                                      u"could not receive data from server"_s,
                                      u"could not send data to server"_s,
                                      u"the database system is shutting down"_s,
                                      u"the database system is starting up"_s};
    for (const QString &marker : markers)
        if (text.contains(marker, Qt::CaseInsensitive))
            return ServerError::Kind::ConnectionLost;
    return ServerError::Kind::Refused;
}

bool ConnectionBroken(const QSqlDatabase &db)
{
    if (!db.isOpen())
        return true;
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (handle.isValid() && qstrcmp(handle.typeName(), "PGconn*") == 0) {
        PGconn *connection = *static_cast<PGconn *const *>(handle.data());
        return !connection || PQstatus(connection) != CONNECTION_OK;
    }
    return false;
}

ServerError ServerErrorOf(const QSqlError &error, const QSqlDatabase &db)
{
    const QString state = error.nativeErrorCode();
    ServerError::Kind kind = ErrorKindOf(state, error.text());
    if (kind == ServerError::Kind::Refused && ConnectionBroken(db))
        kind = ServerError::Kind::ConnectionLost;
    switch (kind) {
    case ServerError::Kind::ConnectionLost:
        return ServerError(ServerText::ConnectionLost, state, kind);
    case ServerError::Kind::StatementTimeout:
        return ServerError(ServerText::StatementTimeout, state, kind);
    case ServerError::Kind::LockTimeout:
        return ServerError(ServerText::LockTimeout, state, kind);
    case ServerError::Kind::Refused:
        break;
    }
    const QString primary = PrimaryMessage(error.databaseText());
    return ServerError(primary.isEmpty() ? error.text() : primary, state);
}
