#pragma once

#include <QString>

class ServerError;
struct pg_conn;

// The wait for a statement's answer, shared by the main connection's calls
// and the streamed reads: the data module's wait hook runs between slices,
// and a cancel asked for meanwhile (F8 or Esc on a waiting search) goes to
// the server as libpq's cancel request.
namespace ServerWaitLoop {

inline const QString CancelledText = QStringLiteral("조회를 취소했습니다.");

// Waits until the whole answer is in; false when the connection broke.
bool AwaitAnswer(pg_conn *connection);

// Asks for the statement now waited on to be stopped; the next slice of
// the wait sends the request.
void RequestCancel();
// Forgets a request (a new wait begins, or the one asked for is over).
void ResetCancel();
// True once after a statement failed because its cancel was sent.
bool TakeCancelled();
// The same without forgetting it.
bool CancelSent();

// The error of a statement the operator cancelled.
ServerError CancelledError();
bool IsCancelled(const ServerError &error);

} // namespace ServerWaitLoop
