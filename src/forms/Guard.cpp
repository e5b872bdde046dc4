#include "Guard.h"

#include "ConnectionWatch.h"
#include "Modal.h"
#include "SaveTransaction.h"
#include "ServerError.h"
#include "ServerWaitLoop.h"

#include <QScopeGuard>

#include <algorithm>

using namespace Qt::StringLiterals;

void RunSave(const std::function<void()> &work)
{
    try {
        SaveTransaction transaction;
        work();
        transaction.commit();
    } catch (const ServerError &error) {
        if (error.connectionLost()) {
            ErrorBox(ServerText::SaveLost);
            ServerError shown(ServerText::SaveLost, error.sqlState(), error.kind());
            throw shown.markReported();
        }
        ErrorBox(u"자료를 저장하지 못했습니다.\r\r에러내용:\r"_s + error.message());
        // The rest of the operation is skipped; the box was its one word.
        ServerError shown(error);
        throw shown.markReported();
    }
}

bool TrySave(const std::function<void()> &work)
{
    try {
        RunSave(work);
        return true;
    } catch (const ServerError &) {
        return false;
    }
}

namespace {

// RunGuarded calls under way, one inside another, and the depth of the one
// that told of the lost connection (or of its caller once it ended).
int guardDepth = 0;
int lostToldAt = 0;

} // namespace

bool RunGuarded(const std::function<void()> &handler)
{
    const int depth = ++guardDepth;
    const auto leave = qScopeGuard([depth] {
        --guardDepth;
        lostToldAt = guardDepth == 0 ? 0 : std::min(lostToldAt, depth);
    });
    try {
        handler();
        return true;
    } catch (const ServerError &error) {
        // One action that meets the lost connection twice (a field left on
        // the way, then the action itself) says so once; a search the
        // operator cancelled says so on its status line.
        const bool lostTold = error.connectionLost() && lostToldAt > depth;
        if (!error.reported() && !lostTold && !ServerWaitLoop::IsCancelled(error)) {
            ErrorBox(error.message());
            if (error.connectionLost())
                lostToldAt = depth;
        }
        return false;
    }
}
