#include "SaveTransaction.h"

#include "ConnectionWatch.h"
#include "DataModule.h"
#include "ServerError.h"

#include <QSqlError>

using namespace Qt::StringLiterals;

SaveTransaction::SaveTransaction() : m_module(DataModule::instance())
{
    if (m_module->busy())
        throw ServerError(ServerText::Busy);
    QSqlDatabase db = Connection();
    if (m_module->m_transactionDepth > 0) {
        ++m_module->m_transactionDepth;
        m_generation = m_module->generation();
        return;
    }
    if (!db.transaction()) {
        ServerError error = ServerErrorOf(db.lastError(), db);
        if (!error.connectionLost())
            throw error;
        // Broken while idle: nothing was sent yet, so the save may begin anew.
        m_module->Reconnect();
        db = Connection();
        if (!db.transaction())
            throw ServerErrorOf(db.lastError(), db);
    }
    ++m_module->m_transactionDepth;
    m_generation = m_module->generation();
    m_owner = true;
}

bool SaveTransaction::onSameConnection() const
{
    return m_module->generation() == m_generation;
}

SaveTransaction::~SaveTransaction()
{
    if (m_done || !onSameConnection())
        return;
    if (m_owner)
        m_module->database().rollback();
    --m_module->m_transactionDepth;
}

void SaveTransaction::commit()
{
    if (m_done)
        return;
    m_done = true;
    if (!onSameConnection())
        throw ServerError(ServerText::ConnectionLost, {}, ServerError::Kind::ConnectionLost);
    --m_module->m_transactionDepth;
    if (!m_owner)
        return;
    QSqlDatabase db = m_module->database();
    if (!db.commit()) {
        const ServerError error = ServerErrorOf(db.lastError(), db);
        if (error.connectionLost())
            m_module->DropConnection();
        else
            db.rollback();
        throw error;
    }
}
