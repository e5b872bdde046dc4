#include "Guard.h"

#include "ConnectionWatch.h"
#include "Modal.h"
#include "SaveTransaction.h"
#include "ServerError.h"

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
        throw;
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

bool RunGuarded(const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const ServerError &error) {
        if (!error.reported())
            ErrorBox(error.message());
        return false;
    }
}
