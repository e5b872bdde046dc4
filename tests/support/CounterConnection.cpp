#include "CounterConnection.h"

#include "TestDatabase.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <stdexcept>

using namespace Qt::StringLiterals;

CounterConnection::CounterConnection(const TestDatabase &database) : m_name(u"kest_counter_"_s + database.name())
{
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, m_name);
    db.setHostName(TestDatabase::socketDir());
    db.setPort(TestDatabase::port());
    db.setUserName(u"postgres"_s);
    db.setDatabaseName(database.name());
    if (!db.open())
        throw std::runtime_error("counter connection failed: " + db.lastError().text().toStdString());
    exec(u"SET search_path = ktuser, public"_s);
}

CounterConnection::~CounterConnection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

void CounterConnection::exec(const QString &sql)
{
    QSqlQuery query(QSqlDatabase::database(m_name, false));
    if (!query.exec(sql))
        throw std::runtime_error(("counter statement failed: " + query.lastError().text() + "\n" + sql).toStdString());
}
