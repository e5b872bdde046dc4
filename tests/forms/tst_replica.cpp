#include "DataModule.h"
#include "EZS000.h"
#include "GridModel.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "SqlQuery.h"
#include "TestDatabase.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QThread>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A search whose rows and footer say which server read them.
class ReadScreen : public TfrmEZS000
{
public:
    explicit ReadScreen(const QString &table = u"zx030ms"_s) : TfrmEZS000(u"frmZZS997"_s, u"복제 시험"_s)
    {
        cdsQuery->setColumns({{.title = u"포트"_s, .field = u"PORT"_s}, {.title = u"건수"_s, .field = u"CNT"_s}});
        SetQuery(u"SELECT current_setting('port') AS port, count(*) AS cnt FROM "_s + table);
        SetFooterQuery(u"SELECT current_setting('port') AS cnt"_s);
    }
    QString port() const { return cdsQuery->value(0, u"PORT"_s); }
    QString footerPort() const { return cdsQuery->footer(1); }
};

bool runDb(const QStringList &arguments)
{
    QProcess db;
    db.setProcessChannelMode(QProcess::ForwardedChannels);
    db.start(qEnvironmentVariable("KEST_SOURCE_DIR") + u"/scripts/db"_s, arguments);
    return db.waitForFinished(180000) && db.exitStatus() == QProcess::NormalExit && db.exitCode() == 0;
}

} // namespace

// Reads of searching screens on a replica, everything else on the primary.
class TestReplica : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(runDb({u"replica"_s, u"start"_s}));
        m_db = std::make_unique<TestDatabase>();
        m_replicaPort = QString::number(TestDatabase::port() + 1);
        // The new database reaches the replica by replication.
        QSqlDatabase admin = QSqlDatabase::addDatabase(u"QPSQL"_s, u"replica_admin"_s);
        admin.setHostName(TestDatabase::socketDir());
        admin.setPort(TestDatabase::port() + 1);
        admin.setUserName(u"postgres"_s);
        admin.setDatabaseName(m_db->name());
        QTRY_VERIFY_WITH_TIMEOUT(admin.open(), 60000);
        // What other tests wrote before is replayed first.
        QTRY_COMPARE_WITH_TIMEOUT(replicaScalar(u"SELECT pg_last_wal_receive_lsn() = pg_last_wal_replay_lsn()"_s),
                                  u"true"_s, 120000);
    }
    void cleanupTestCase()
    {
        resumeReplay();
        QSqlDatabase::removeDatabase(u"replica_admin"_s);
        m_db.reset();
        runDb({u"replica"_s, u"stop"_s});
    }
    void init() { m_db->dataModule().setReplica(TestDatabase::socketDir(), TestDatabase::port() + 1, 60); }

    // The list and its footer come from the replica; the statements of the
    // main connection (saves among them) stay on the primary.
    void searchReadsTheReplica()
    {
        const auto [port, footer, status] = search();
        QCOMPARE(port, m_replicaPort);
        QCOMPARE(footer, m_replicaPort);
        QCOMPARE(status, QString());
        QCOMPARE(SqlQuery::scalar(u"SELECT current_setting('port')"_s), QString::number(TestDatabase::port()));
    }

    // Without [REPLICA] every read is the primary's, and nothing is said.
    void withoutReplicaEverythingOnThePrimary()
    {
        m_db->dataModule().setReplica({}, -1, 60);
        const auto [port, footer, status] = search();
        QCOMPARE(port, QString::number(TestDatabase::port()));
        QCOMPARE(footer, QString::number(TestDatabase::port()));
        QCOMPARE(status, QString());
    }

    // A replica that cannot be reached: the primary answers and the status
    // line says so.
    void unreachableReplicaReadsThePrimary()
    {
        m_db->dataModule().setReplica(TestDatabase::socketDir(), TestDatabase::port() + 7, 60);
        const auto [port, footer, status] = search();
        QCOMPARE(port, QString::number(TestDatabase::port()));
        QCOMPARE(footer, QString::number(TestDatabase::port()));
        QCOMPARE(status, u"주 서버에서 조회"_s);
    }

    // A read the replica refuses (an unlogged table has no rows there) is
    // read on the primary, and the status line says so.
    void readFailedOnTheReplicaGoesToThePrimary()
    {
        m_db->adminExec(u"CREATE UNLOGGED TABLE replica_less (n integer); GRANT SELECT ON replica_less TO ktuser"_s);
        const auto [port, footer, status] = search(u"replica_less"_s);
        QCOMPARE(port, QString::number(TestDatabase::port()));
        QCOMPARE(status, u"주 서버에서 조회"_s);
        m_db->adminExec(u"DROP TABLE replica_less"_s);
    }

    // Replay held back: the lag is shown while within the limit; past it the
    // reads go to the primary, and back once replay goes on.
    void laggingReplica()
    {
        QVERIFY(replicaExec(u"SELECT pg_wal_replay_pause()"_s));
        QTRY_COMPARE(replicaScalar(u"SELECT pg_get_wal_replay_pause_state()"_s), u"paused"_s);
        m_db->adminExec(u"INSERT INTO zx030ms VALUES ('999002', 1, '지연', '시험', '주소', NULL)"_s);
        QThread::msleep(2200);
        {
            const auto [port, footer, status] = search();
            QCOMPARE(port, m_replicaPort);
            QVERIFY2(status.startsWith(u"복제 지연 "_s) && status.endsWith(u"초"_s), qPrintable(status));
        }
        m_db->dataModule().setReplica(TestDatabase::socketDir(), TestDatabase::port() + 1, 1);
        {
            const auto [port, footer, status] = search();
            QCOMPARE(port, QString::number(TestDatabase::port()));
            QCOMPARE(status, u"주 서버에서 조회"_s);
        }
        resumeReplay();
        QTRY_VERIFY_WITH_TIMEOUT(std::get<0>(search()) == m_replicaPort, 60000);
        m_db->adminExec(u"DELETE FROM zx030ms WHERE zip_code = '999002'"_s);
    }

private:
    std::tuple<QString, QString, QString> search(const QString &table = u"zx030ms"_s)
    {
        RecordingModal boxes;
        ShownScreen<ReadScreen> screen(table);
        if (!screen->bbtSearchClick())
            return {};
        return {screen->port(), screen->footerPort(), screen->StatusMessage()};
    }
    bool replicaExec(const QString &sql)
    {
        QSqlQuery query(QSqlDatabase::database(u"replica_admin"_s));
        return query.exec(sql);
    }
    QString replicaScalar(const QString &sql)
    {
        QSqlQuery query(QSqlDatabase::database(u"replica_admin"_s));
        return query.exec(sql) && query.next() ? query.value(0).toString() : QString();
    }
    void resumeReplay() { replicaExec(u"SELECT pg_wal_replay_resume()"_s); }

    std::unique_ptr<TestDatabase> m_db;
    QString m_replicaPort;
};

QTEST_MAIN(TestReplica)
#include "tst_replica.moc"
