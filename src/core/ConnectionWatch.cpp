#include "ConnectionWatch.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QVariant>

#include <libpq-fe.h>

using namespace Qt::StringLiterals;

QString PrimaryMessage(const QString &databaseText)
{
    QString text = databaseText.trimmed();
    for (const QString &prefix : {u"ERROR:"_s, u"FATAL:"_s})
        if (text.startsWith(prefix))
            text = text.mid(prefix.size()).trimmed();
    const qsizetype newline = text.indexOf(QLatin1Char('\n'));
    if (newline >= 0)
        text = text.left(newline).trimmed();
    return text;
}

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

pg_conn *MainConnectionHandle(const QSqlDatabase &db)
{
    const QVariant handle = db.isOpen() && db.driver() ? db.driver()->handle() : QVariant();
    // The driver's type name is the struct's, "pg_conn*" (older ones: "PGconn*").
    if (handle.isValid() && (qstrcmp(handle.typeName(), "pg_conn*") == 0 || qstrcmp(handle.typeName(), "PGconn*") == 0))
        return *static_cast<PGconn *const *>(handle.data());
    return nullptr;
}

bool ConnectionBroken(const QSqlDatabase &db)
{
    if (!db.isOpen())
        return true;
    PGconn *connection = MainConnectionHandle(db);
    return !connection || PQstatus(connection) != CONNECTION_OK;
}

namespace {

ServerError ofKind(ServerError::Kind kind, const QString &state, const QString &primary)
{
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
    return ServerError(primary, state);
}

} // namespace

ServerError ServerErrorOf(pg_conn *connection, const pg_result *result)
{
    const char *state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    const char *primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    const QString text = primary ? QString::fromUtf8(primary)
                                 : PrimaryMessage(QString::fromUtf8(connection ? PQerrorMessage(connection) : ""));
    ServerError::Kind kind = ErrorKindOf(QString::fromLatin1(state), text);
    if (!connection || PQstatus(connection) != CONNECTION_OK)
        kind = ServerError::Kind::ConnectionLost;
    return ofKind(kind, QString::fromLatin1(state), text);
}

ServerError ServerErrorOf(const QSqlError &error, const QSqlDatabase &db)
{
    const QString state = error.nativeErrorCode();
    ServerError::Kind kind = ErrorKindOf(state, error.text());
    if (kind == ServerError::Kind::Refused && ConnectionBroken(db))
        kind = ServerError::Kind::ConnectionLost;
    const QString primary = PrimaryMessage(error.databaseText());
    return ofKind(kind, state, primary.isEmpty() ? error.text() : primary);
}
