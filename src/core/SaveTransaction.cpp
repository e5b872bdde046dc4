#include "SaveTransaction.h"

#include "DataModule.h"
#include "ServerError.h"
#include "SqlQuery.h"

#include <QSqlError>

using namespace Qt::StringLiterals;

SaveTransaction::SaveTransaction() : m_module(DataModule::instance())
{
    QSqlDatabase db = Connection();
    if (m_module->m_transactionDepth++ > 0)
        return;
    if (!db.transaction()) {
        --m_module->m_transactionDepth;
        throw ServerError(PrimaryMessage(db.lastError().databaseText()).isEmpty()
                              ? db.lastError().text()
                              : PrimaryMessage(db.lastError().databaseText()));
    }
    m_owner = true;
}

SaveTransaction::~SaveTransaction()
{
    if (!m_done && m_owner)
        m_module->database().rollback();
    if (!m_done)
        --m_module->m_transactionDepth;
}

void SaveTransaction::commit()
{
    if (m_done)
        return;
    m_done = true;
    --m_module->m_transactionDepth;
    if (!m_owner)
        return;
    QSqlDatabase db = m_module->database();
    if (!db.commit()) {
        const QSqlError error = db.lastError();
        db.rollback();
        const QString primary = PrimaryMessage(error.databaseText());
        throw ServerError(primary.isEmpty() ? error.text() : primary, error.nativeErrorCode());
    }
}
