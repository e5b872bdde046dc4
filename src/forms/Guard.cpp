#include "Guard.h"

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
        ErrorBox(u"자료를 저장하지 못했습니다.\r\r에러내용:\r"_s + error.message());
        throw;
    }
}

bool RunGuarded(const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const ServerError &error) {
        ErrorBox(error.message());
        return false;
    }
}
