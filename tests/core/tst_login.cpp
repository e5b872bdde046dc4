#include "CounterConnection.h"
#include "DataModule.h"
#include "SaveTransaction.h"
#include "ServerError.h"
#include "SqlQuery.h"
#include "StoredProc.h"
#include "TestDatabase.h"

#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// Two counter PCs, each with a login role of its own.
const QString CounterA = u"kest_t_counter_a"_s;
const QString CounterB = u"kest_t_counter_b"_s;
const QString Password = u"t-counter-pass"_s;

QString scriptsDb()
{
    return qEnvironmentVariable("KEST_SOURCE_DIR") + u"/scripts/db"_s;
}

QSqlDatabase counterConnection(const QString &name, const QString &role, const QString &database)
{
    QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                   : QSqlDatabase::addDatabase(u"QPSQL"_s, name);
    db.setHostName(TestDatabase::socketDir());
    db.setPort(TestDatabase::port());
    db.setUserName(role);
    db.setPassword(Password);
    db.setDatabaseName(database);
    db.open();
    return db;
}

QString one(QSqlDatabase db, const QString &sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        return u"ERROR: "_s + query.lastError().text();
    return query.next() ? query.value(0).toString() : QString();
}
} // namespace

class TestLogin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        for (const QString &role : {CounterA, CounterB}) {
            QProcess add;
            add.start(u"bash"_s, {scriptsDb(), u"counter"_s, u"add"_s, role, Password});
            QVERIFY(add.waitForFinished(60000));
            QVERIFY2(add.exitCode() == 0, add.readAllStandardError().constData());
        }
        QProcess list;
        list.start(u"bash"_s, {scriptsDb(), u"counter"_s, u"list"_s});
        QVERIFY(list.waitForFinished(60000));
        const QString listed = QString::fromUtf8(list.readAllStandardOutput());
        QVERIFY2(listed.contains(CounterA) && listed.contains(CounterB), qPrintable(listed));
    }
    void cleanupTestCase()
    {
        for (const QString &name : {u"counter_a"_s, u"counter_b"_s, u"counter_b_again"_s})
            if (QSqlDatabase::contains(name)) {
                QSqlDatabase::database(name, false).close();
                QSqlDatabase::removeDatabase(name);
            }
        m_db.reset();
    }

    // What one counter tries against the others: each is refused, and the
    // other counter's session and role defaults are as they were.
    void cannotHarmAnotherCounter_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("other's search path") << u"ALTER ROLE %B SET search_path = public"_s;
        QTest::newRow("other's read-only default") << u"ALTER ROLE %B SET default_transaction_read_only = on"_s;
        QTest::newRow("other's isolation") << u"ALTER ROLE %B SET default_transaction_isolation = 'serializable'"_s;
        QTest::newRow("other's timeout") << u"ALTER ROLE %B SET statement_timeout = 1"_s;
        QTest::newRow("other's password") << u"ALTER ROLE %B PASSWORD 'taken'"_s;
        QTest::newRow("other's login") << u"ALTER ROLE %B NOLOGIN"_s;
        QTest::newRow("other's name") << u"ALTER ROLE %B RENAME TO kest_t_gone"_s;
        QTest::newRow("the demo login") << u"ALTER ROLE ktuser SET search_path = public"_s;
        QTest::newRow("the group") << u"ALTER ROLE kest_counter SET search_path = public"_s;
        QTest::newRow("every role") << u"ALTER ROLE ALL SET search_path = public"_s;
        QTest::newRow("the database") << u"ALTER DATABASE %DB SET search_path = public"_s;
        QTest::newRow("a role in the database") << u"ALTER ROLE %B IN DATABASE %DB SET search_path = public"_s;
        QTest::newRow("end other's session") << u"SELECT pg_terminate_backend(%PID)"_s;
        QTest::newRow("cancel other's statement") << u"SELECT pg_cancel_backend(%PID)"_s;
        QTest::newRow("a new role") << u"CREATE ROLE kest_t_intruder LOGIN"_s;
        QTest::newRow("a right to end sessions") << u"GRANT pg_signal_backend TO %A"_s;
        QTest::newRow("a table") << u"CREATE TABLE ktuser.kest_t_table (a integer)"_s;
        QTest::newRow("a public table") << u"CREATE TABLE public.kest_t_table (a integer)"_s;
        QTest::newRow("a direct write") << u"DELETE FROM ktuser.zx010ms"_s;
        QTest::newRow("the private schema") << u"SELECT count(*) FROM kest_private.settings"_s;
    }
    void cannotHarmAnotherCounter()
    {
        QFETCH(QString, sql);
        QSqlDatabase b = counterConnection(u"counter_b"_s, CounterB, m_db->name());
        QVERIFY2(b.isOpen(), qPrintable(b.lastError().text()));
        const QString pid = one(b, u"SELECT pg_backend_pid()"_s);
        const QString settingsOfB = u"SELECT COALESCE(string_agg(array_to_string(setconfig, ','), ';'), '') FROM"
                                    " pg_db_role_setting s JOIN pg_roles r ON r.oid = s.setrole"
                                    " WHERE r.rolname IN ('%1', 'ktuser', 'kest_counter')"_s.arg(CounterB);
        const QString before = m_db->adminScalar(settingsOfB);
        const QString dbSettings = u"SELECT COALESCE(string_agg(array_to_string(setconfig, ','), ';'), '') FROM"
                                   " pg_db_role_setting WHERE setdatabase = (SELECT oid FROM pg_database"
                                   " WHERE datname = current_database())"_s;
        const QString dbBefore = m_db->adminScalar(dbSettings);

        QSqlDatabase a = counterConnection(u"counter_a"_s, CounterA, m_db->name());
        QVERIFY2(a.isOpen(), qPrintable(a.lastError().text()));
        sql.replace(u"%B"_s, CounterB).replace(u"%A"_s, CounterA).replace(u"%DB"_s, m_db->name()).replace(u"%PID"_s, pid);
        const QString result = one(a, sql);
        QVERIFY2(result.startsWith(u"ERROR: "_s) || result == u"false"_s, qPrintable(sql + u" -> "_s + result));

        QCOMPARE(one(b, u"SELECT pg_backend_pid()"_s), pid);
        QCOMPARE(m_db->adminScalar(settingsOfB), before);
        QCOMPARE(m_db->adminScalar(dbSettings), dbBefore);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM pg_roles WHERE rolname IN ('kest_t_intruder',"
                                   " 'kest_t_gone')"_s),
                 u"0"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM pg_class WHERE relname = 'kest_t_table'"_s), u"0"_s);
        QVERIFY(m_db->adminScalar(u"SELECT count(*) FROM ktuser.zx010ms"_s).toInt() > 0);
        // Its own password still lets the other counter in.
        QSqlDatabase again = counterConnection(u"counter_b_again"_s, CounterB, m_db->name());
        QVERIFY2(again.isOpen(), qPrintable(again.lastError().text()));
        again.close();
        a.close();
        b.close();
    }

    // A counter that set bad defaults on its own role: the client sets what
    // it relies on when it connects, and searches and saves as before.
    void ownBadDefaultsChangeNothing()
    {
        {
            QSqlDatabase a = counterConnection(u"counter_a"_s, CounterA, m_db->name());
            for (const QString &setting :
                 {u"search_path = public"_s, u"default_transaction_read_only = on"_s,
                  u"default_transaction_isolation = 'repeatable read'"_s, u"statement_timeout = 1"_s,
                  u"lock_timeout = 1"_s, u"idle_in_transaction_session_timeout = 1"_s, u"timezone = 'UTC'"_s})
                QCOMPARE(one(a, u"ALTER ROLE %1 SET %2"_s.arg(CounterA, setting)), QString());
            a.close();
        }
        DataModule &module = m_db->dataModule();
        module.Disconnect();
        module.setParameters(m_db->name(), CounterA, Password);
        module.Connect();

        SqlQuery search(u"SELECT count(*) AS n FROM zx010ms WHERE head = :HEAD"_s);
        search.bind(u"HEAD"_s, u"E0001"_s);
        search.exec();
        QVERIFY(search.next());
        QVERIFY(search.value(u"n"_s).toInt() > 0);
        QCOMPARE(SqlQuery::scalar(u"SELECT current_setting('timezone')"_s), u"Asia/Seoul"_s);
        QCOMPARE(SqlQuery::scalar(u"SELECT current_setting('statement_timeout')"_s), u"30s"_s);
        QCOMPARE(SqlQuery::scalar(u"SELECT current_setting('lock_timeout')"_s), u"10s"_s);
        QVERIFY(SqlQuery::scalar(u"SELECT current_setting('application_name')"_s).startsWith(u"Kest_E "_s));

        SqlQuery streamed(u"SELECT current_setting('search_path') || '/' || current_setting('transaction_isolation')"
                          " || '/' || current_setting('statement_timeout') AS s"_s);
        streamed.setStreamed(true);
        streamed.exec();
        QVERIFY(streamed.next());
        QCOMPARE(streamed.value(u"s"_s), u"ktuser, public/read committed/30s"_s);
        streamed.close();

        {
            SaveTransaction save;
            QCOMPARE(SqlQuery::scalar(u"SELECT current_setting('transaction_isolation')"_s), u"read committed"_s);
            StoredProc proc(u"pr_ebi020_01"_s);
            proc.setValue(u"aarea_gubun"_s, u"M"_s);
            proc.setValue(u"aequip_gubun"_s, u"NS"_s);
            proc.setValue(u"aequip_size_gubun"_s, u"150"_s);
            proc.setValue(u"aequip_rent_yn"_s, u"Y"_s);
            proc.setValue(u"au_emp_no"_s, u"T0001"_s);
            proc.setValue(u"au_ip"_s, u"10.1.2.3"_s);
            proc.setValue(u"aeditstatus"_s, u"2"_s);
            proc.exec();
            save.commit();
        }
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb020ms WHERE au_emp_no = 'T0001'"_s), u"1"_s);
        module.Disconnect();
        module.setParameters(m_db->name(), QString::fromLatin1(TestDatabase::LoginRole),
                             QString::fromLatin1(TestDatabase::LoginPassword));
    }

private:
    std::unique_ptr<TestDatabase> m_db;
};

QTEST_GUILESS_MAIN(TestLogin)
#include "tst_login.moc"
