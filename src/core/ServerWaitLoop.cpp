#include "ServerWaitLoop.h"

#include "DataModule.h"
#include "ServerCall.h"
#include "ServerError.h"

#include <libpq-fe.h>

#include <poll.h>

#include <cerrno>

namespace {

constexpr auto CancelledState = "57014";

bool cancelRequested = false;
bool cancelSent = false;

void sendCancel(pg_conn *connection)
{
    if (PGcancel *cancel = PQgetCancel(connection)) {
        char reason[256];
        PQcancel(cancel, reason, sizeof reason);
        PQfreeCancel(cancel);
    }
    cancelSent = true;
}

} // namespace

namespace ServerWaitLoop {

bool AwaitAnswer(pg_conn *connection)
{
    DataModule *module = DataModule::instance();
    while (PQisBusy(connection)) {
        pollfd socket{PQsocket(connection), POLLIN, 0};
        const int ready = poll(&socket, 1, ServerCall::Slice);
        if (ready < 0 && errno != EINTR)
            return false;
        if (ready == 0) {
            if (module)
                module->waiting();
            if (cancelRequested && !cancelSent)
                sendCancel(connection);
        } else if (!PQconsumeInput(connection)) {
            return false;
        }
    }
    return true;
}

void RequestCancel()
{
    cancelRequested = true;
}

void ResetCancel()
{
    cancelRequested = false;
    cancelSent = false;
}

bool CancelSent()
{
    return cancelSent;
}

bool TakeCancelled()
{
    const bool sent = cancelSent;
    ResetCancel();
    return sent;
}

ServerError CancelledError()
{
    return ServerError(CancelledText, QString::fromLatin1(CancelledState));
}

bool IsCancelled(const ServerError &error)
{
    return error.message() == CancelledText && error.sqlState() == QLatin1String(CancelledState);
}

} // namespace ServerWaitLoop
