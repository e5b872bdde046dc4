#pragma once

#include "ServerError.h"

#include <QString>

class QSqlDatabase;
class QSqlError;
struct pg_conn;
struct pg_result;

// The operator's texts for a connection that broke or a wait the server cut short.
namespace ServerText {
inline const QString ConnectionLost = QStringLiteral("서버와의 연결이 끊어졌습니다.\r서버가 다시 연결되면 다시 시도하십시오.");
inline const QString SaveLost =
    QStringLiteral("서버와의 연결이 끊어져 자료를 저장하지 못했습니다.\r서버가 다시 연결되면 다시 저장(F2)하십시오.");
inline const QString StatementTimeout =
    QStringLiteral("서버의 응답이 너무 늦어 작업을 중단했습니다.\r잠시 후 다시 시도하십시오.");
inline const QString LockTimeout = QStringLiteral(
    "다른 작업대에서 같은 자료를 사용 중이어서 작업을 마치지 못했습니다.\r잠시 후 다시 시도하십시오.");
inline const QString Waiting = QStringLiteral("서버의 응답을 기다리는 중입니다...");
// Something tried the connection while it waits for an answer (a timer
// that ran while the window repainted).
inline const QString Busy = QStringLiteral("서버의 응답을 기다리는 중입니다. 잠시 후 다시 시도하십시오.");
} // namespace ServerText

// The server's primary message of a failed statement: without "ERROR:" and
// without the context lines.
QString PrimaryMessage(const QString &databaseText);

// What a failure says about the connection: a lost connection by its SQL
// state (class 08, 57P01..57P03) or by libpq's texts; the two timeouts by
// 57014 and 55P03.
ServerError::Kind ErrorKindOf(const QString &sqlState, const QString &text);

// True when the connection can no longer carry a statement: closed, or
// libpq's status of it is bad.
bool ConnectionBroken(const QSqlDatabase &db);

// libpq's connection under the driver of `db`; null when it has none.
pg_conn *MainConnectionHandle(const QSqlDatabase &db);

// The ServerError of a failed libpq result (or of the connection when there
// is no result), by the same rules.
ServerError ServerErrorOf(pg_conn *connection, const pg_result *result);

// The ServerError of a failed statement on `db`: the server's primary
// message, or the operator's text for a lost connection or a timeout.
ServerError ServerErrorOf(const QSqlError &error, const QSqlDatabase &db);
