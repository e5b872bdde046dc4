#include "CounterConnection.h"

#include "TestDatabase.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <QTest>

#include <stdexcept>
#include <thread>

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

QSqlDatabase LoginConnection(const QString &name, const QString &database)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, name);
    db.setHostName(TestDatabase::socketDir());
    db.setPort(TestDatabase::port());
    db.setUserName(QString::fromLatin1(TestDatabase::LoginRole));
    db.setPassword(QString::fromLatin1(TestDatabase::LoginPassword));
    db.setDatabaseName(database);
    db.open();
    return db;
}

OverlappingSaves SaveAtOnce(const TestDatabase &database, const QString &firstCall, const QString &secondCall,
                            const QStringList &secondSetup)
{
    OverlappingSaves result;
    {
        QSqlDatabase first = LoginConnection(u"first_counter"_s, database.name());
        QSqlQuery firstQuery(first);
        if (!first.isOpen())
            result.firstError = first.lastError().text();
        else if (!firstQuery.exec(u"BEGIN"_s) || !firstQuery.exec(firstCall))
            result.firstError = firstQuery.lastError().text();
        if (result.firstError.isEmpty()) {
            std::thread second([&] {
                {
                    QSqlDatabase db = LoginConnection(u"second_counter"_s, database.name());
                    QSqlQuery query(db);
                    if (!db.isOpen())
                        result.secondError = db.lastError().text();
                    for (const QString &setup : secondSetup)
                        if (result.secondError.isEmpty() && !query.exec(setup))
                            result.secondError = query.lastError().text();
                    if (result.secondError.isEmpty() && !query.exec(secondCall))
                        result.secondError = query.lastError().text();
                }
                QSqlDatabase::removeDatabase(u"second_counter"_s);
            });
            for (int i = 0; i < 200 && !result.secondWaited; ++i) {
                result.secondWaited = database.adminScalar(u"SELECT count(*) FROM pg_stat_activity WHERE datname ="
                                                           " current_database() AND wait_event_type = 'Lock'"_s)
                                      == u"1"_s;
                if (!result.secondWaited)
                    QTest::qWait(50);
            }
            if (!firstQuery.exec(u"COMMIT"_s))
                result.firstError = firstQuery.lastError().text();
            second.join();
        }
        firstQuery.finish();
        first.close();
    }
    QSqlDatabase::removeDatabase(u"first_counter"_s);
    return result;
}
