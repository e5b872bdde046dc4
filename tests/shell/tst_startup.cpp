#include "Application.h"
#include "DataModule.h"
#include "RecordingModal.h"
#include "Routines.h"
#include "SingleInstance.h"
#include "SqlQuery.h"
#include "StartupValues.h"
#include "TestDatabase.h"
#include "TfrmE0Main.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Refusal = u"이 프로그램은 단독으로 실행되지 않습니다.\r메인 프로그램(Kest.exe)으로 실행하십시오."_s;
const QString TooMany = u"현재 너무 많은 사용자가 사용 중이므로 연결할 수 없습니다.\r잠시 후 다시 시도하십시오."_s;
const QString CannotConnect = u"데이터베이스와 연결할 수 없습니다.\r\r에러내용:\r"_s;

void writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("KEST_INSTANCE_NAME", "kest-test-" + QByteArray::number(QCoreApplication::applicationPid()));
        // The database of this test, then the fixture's own connection closed:
        // every case connects through the start-up itself.
        m_db = std::make_unique<TestDatabase>();
        m_dbName = m_db->name();
        m_db->adminExec(u"RESET ROLE; DO $$ BEGIN"
                        " IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'kest_pwtest') THEN"
                        "   CREATE ROLE kest_pwtest LOGIN PASSWORD 'kest_pwtest';"
                        " END IF; END $$;"
                        " GRANT USAGE ON SCHEMA ktuser TO kest_pwtest;"
                        " GRANT SELECT ON ALL TABLES IN SCHEMA ktuser TO kest_pwtest"_s);
        m_db->dataModule().Disconnect();
    }
    void cleanupTestCase() { m_db.reset(); }

    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(m_dir.filePath(u"RVUpdate.ini"_s));
        writeFile(m_dir.filePath(u"Main.ini"_s), u"[MAIN]\nPROGRAM_COUNT=10\n[DATABASE]\nHOST=%1\nPORT=%2\n"_s.arg(
                                                     TestDatabase::socketDir())
                                                     .arg(TestDatabase::port()));
    }

    void wrongArgumentCountRefusesToStart_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("none") << QStringList();
        QTest::newRow("three") << QStringList({m_dbName, u"ktuser"_s, u"E1"_s});
        QTest::newRow("five") << QStringList({m_dbName, u"ktuser"_s, u"E1"_s, u"홍길동"_s, u"extra"_s});
    }
    void wrongArgumentCountRefusesToStart()
    {
        QFETCH(QStringList, arguments);
        RecordingModal boxes;
        Application app(arguments, exePath());
        bool created = false;
        QVERIFY(!app.start([&] {
            created = true;
            return std::make_unique<TfrmE0Main>();
        }));
        QVERIFY(!created);
        QVERIFY(!app.dataModule()->isConnected());
        QCOMPARE(boxes.texts(), QStringList{Refusal});
        QCOMPARE(boxes.boxes.first().kind, BoxKind::Error);
        QCOMPARE(app.exitCode(), 1);
    }

    void passwordComesFromTheIniOrTheUserName_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("rvupdate"); // null: no file
        QTest::newRow("no file") << u"kest_pwtest"_s << QString();
        QTest::newRow("empty PASS") << u"kest_pwtest"_s << u"[PROGRAM]\nPASS=\n"_s;
        QTest::newRow("no PASS key") << u"kest_pwtest"_s << u"[PROGRAM]\nOTHER=1\n"_s;
        QTest::newRow("scrambled password")
            << u"ktuser"_s << u"[PROGRAM]\nPASS=%1\n"_s.arg(Scramble(QString::fromLatin1(TestDatabase::LoginPassword),
                                                                     PasswordStartKey));
    }
    void passwordComesFromTheIniOrTheUserName()
    {
        QFETCH(QString, user);
        QFETCH(QString, rvupdate);
        if (!rvupdate.isNull())
            writeFile(m_dir.filePath(u"RVUpdate.ini"_s), rvupdate);
        writeFile(m_dir.filePath(u"Kest_E.ini"_s), u"[Role]\nType=2\nCode=T01\nName=렌탈팀\n"_s);
        RecordingModal boxes;
        Application app({m_dbName, user, u"E0001"_s, u"홍길동"_s}, exePath());
        QVERIFY(app.start([] { return std::make_unique<TfrmE0Main>(); }));
        QVERIFY2(boxes.boxes.isEmpty(), qPrintable(boxes.lastText()));
        QVERIFY(app.dataModule()->isConnected());
        QVERIFY(app.mainWindow());
        QVERIFY(app.mainWindow()->windowTitle().startsWith(u"스포츠관리("_s));
        QCOMPARE(Startup().employeeNo, u"E0001"_s);
        QCOMPARE(Startup().userName, u"홍길동"_s);
        QCOMPARE(Startup().databaseUser, user);
        QCOMPARE(Startup().exeDir, m_dir.path() + u'/');
        QCOMPARE(Startup().roleType, 2);
        QCOMPARE(Startup().roleName, u"렌탈팀"_s);
        QCOMPARE(Application::ProjectId(exePath()), u"KEST_E"_s);
    }

    void connectionFailuresAreReported()
    {
        writeFile(m_dir.filePath(u"RVUpdate.ini"_s),
                  u"[PROGRAM]\nPASS=%1\n"_s.arg(Scramble(u"wrong password"_s, PasswordStartKey)));
        RecordingModal boxes;
        Application app({m_dbName, u"ktuser"_s, u"E0001"_s, u"홍길동"_s}, exePath());
        QVERIFY(!app.start([] { return std::make_unique<TfrmE0Main>(); }));
        QVERIFY(!app.mainWindow());
        QCOMPARE(boxes.boxes.size(), 1);
        QVERIFY(boxes.lastText().startsWith(CannotConnect));
        QVERIFY2(boxes.lastText().contains(u"password authentication failed"_s), qPrintable(boxes.lastText()));
    }

    // A host that takes the connection and never answers: the start-up ends
    // with the message once the connect timeout has passed.
    void silentHostEndsInTheConnectTimeout()
    {
        QTcpServer silent; // the kernel accepts; nobody ever reads or answers
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        writeFile(m_dir.filePath(u"Main.ini"_s),
                  u"[DATABASE]\nHOST=127.0.0.1\nPORT=%1\nCONNECT_TIMEOUT=2\n"_s.arg(silent.serverPort()));
        RecordingModal boxes;
        Application app({m_dbName, u"ktuser"_s, u"E0001"_s, u"홍길동"_s}, exePath());
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!app.start([] { return std::make_unique<TfrmE0Main>(); }));
        QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(boxes.boxes.size(), 1);
        QVERIFY2(boxes.lastText().startsWith(CannotConnect), qPrintable(boxes.lastText()));
        QVERIFY2(boxes.lastText().contains(u"timeout"_s, Qt::CaseInsensitive), qPrintable(boxes.lastText()));
    }

    // Timeouts of Main.ini as numbers within their ranges: a bad one takes
    // its default with a line in the log, and never the other one with it.
    void timeoutsOfTheIni_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("lock");
        QTest::addColumn<QString>("expectedStatement");
        QTest::addColumn<QString>("expectedLock");
        QTest::addColumn<int>("logLines");
        QTest::newRow("both set") << u"45"_s << u"5"_s << u"45s"_s << u"5s"_s << 0;
        QTest::newRow("no limits") << u"0"_s << u"0"_s << u"0"_s << u"0"_s << 0;
        QTest::newRow("huge statement") << u"3000000"_s << u"5"_s << u"30s"_s << u"5s"_s << 1;
        QTest::newRow("beyond any integer") << u"99999999999999999999"_s << u"5"_s << u"30s"_s << u"5s"_s << 1;
        QTest::newRow("negative lock") << u"45"_s << u"-1"_s << u"45s"_s << u"10s"_s << 1;
        QTest::newRow("letters") << u"abc"_s << u"10초"_s << u"30s"_s << u"10s"_s << 2;
        QTest::newRow("a fraction") << u"1.5"_s << u"5"_s << u"30s"_s << u"5s"_s << 1;
        QTest::newRow("empty") << QString() << QString() << u"30s"_s << u"10s"_s << 0;
    }
    void timeoutsOfTheIni()
    {
        QFETCH(QString, statement);
        QFETCH(QString, lock);
        QFETCH(QString, expectedStatement);
        QFETCH(QString, expectedLock);
        QFETCH(int, logLines);
        writeFile(m_dir.filePath(u"Main.ini"_s),
                  u"[MAIN]\nPROGRAM_COUNT=10\n[DATABASE]\nHOST=%1\nPORT=%2\nSTATEMENT_TIMEOUT=%3\nLOCK_TIMEOUT=%4\n"_s
                      .arg(TestDatabase::socketDir())
                      .arg(TestDatabase::port())
                      .arg(statement, lock));
        writeFile(m_dir.filePath(u"RVUpdate.ini"_s),
                  u"[PROGRAM]\nPASS=%1\n"_s.arg(Scramble(QString::fromLatin1(TestDatabase::LoginPassword),
                                                          PasswordStartKey)));
        for (int i = 0; i < logLines; ++i)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Main.ini \\[DATABASE\\] \\w+_TIMEOUT=.*: not a whole"
                                                                   " number from 0 to 86400; \\d+ is used$"_s));
        RecordingModal boxes;
        Application app({m_dbName, u"ktuser"_s, u"E0001"_s, u"홍길동"_s}, exePath());
        QVERIFY(app.start([] { return std::make_unique<TfrmE0Main>(); }));
        QVERIFY2(boxes.boxes.isEmpty(), qPrintable(boxes.lastText()));
        QCOMPARE(SqlQuery::scalar(u"SELECT current_setting('statement_timeout')"_s), expectedStatement);
        QCOMPARE(SqlQuery::scalar(u"SELECT current_setting('lock_timeout')"_s), expectedLock);
    }

    void serverAtItsConnectionLimit()
    {
        const QString full = m_dbName + u"_full"_s;
        m_db->adminExec(u"RESET ROLE"_s);
        TestDatabase admin(full); // a second database, then closed to everybody
        admin.dataModule().Disconnect();
        admin.adminExec(u"RESET ROLE; ALTER DATABASE %1 CONNECTION LIMIT 0"_s.arg(full));
        writeFile(m_dir.filePath(u"RVUpdate.ini"_s),
                  u"[PROGRAM]\nPASS=%1\n"_s.arg(Scramble(QString::fromLatin1(TestDatabase::LoginPassword),
                                                          PasswordStartKey)));
        RecordingModal boxes;
        Application app({full, u"ktuser"_s, u"E0001"_s, u"홍길동"_s}, exePath());
        QVERIFY(!app.start([] { return std::make_unique<TfrmE0Main>(); }));
        QCOMPARE(boxes.texts(), QStringList{TooMany});
    }

    void connectionLimitTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("limit");
        QTest::newRow("old server inside a longer text") << u"connect failed: ORA-00019: maximum licenses"_s << true;
        QTest::newRow("too many clients") << u"FATAL:  sorry, too many clients already"_s << true;
        QTest::newRow("reserved slots")
            << u"FATAL:  remaining connection slots are reserved for non-replication superuser connections"_s
            << true;
        QTest::newRow("role limit") << u"FATAL:  too many connections for role \"ktuser\""_s << true;
        QTest::newRow("bad password") << u"FATAL:  password authentication failed"_s << false;
    }
    void connectionLimitTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, limit);
        QCOMPARE(IsConnectionLimitError(text), limit);
    }

    void passThatIsNotHexadecimalEndsWithoutConnecting()
    {
        writeFile(m_dir.filePath(u"RVUpdate.ini"_s), u"[PROGRAM]\nPASS=XYZ123\n"_s);
        RecordingModal boxes;
        Application app({m_dbName, u"ktuser"_s, u"E0001"_s, u"홍길동"_s}, exePath());
        QVERIFY(!app.start([] { return std::make_unique<TfrmE0Main>(); }));
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes.first().kind, BoxKind::Error);
        QVERIFY(boxes.lastText().contains(u"XY"_s));
        QVERIFY(!app.dataModule()->isConnected());
    }

    void executableDirectoryEndsInOneSeparator_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("expected");
        QTest::newRow("without") << u"/opt/kest"_s << u"/opt/kest/"_s;
        QTest::newRow("with") << u"/opt/kest/"_s << u"/opt/kest/"_s;
    }
    void executableDirectoryEndsInOneSeparator()
    {
        QFETCH(QString, dir);
        QFETCH(QString, expected);
        QCOMPARE(WithTrailingSeparator(dir), expected);
    }

    void executableRefusesThreeArguments()
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"KEST_UNATTENDED"_s, u"yes"_s);
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(KEST_EXE), {m_dbName, u"ktuser"_s, u"E0001"_s});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 1);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(err.contains(u"error: 이 프로그램은 단독으로 실행되지 않습니다. 메인 프로그램(Kest.exe)으로 실행하십시오."_s),
                 qPrintable(err));
    }

    void secondCopyRaisesTheFirst()
    {
        SingleInstance first;
        QVERIFY(first.claim());
        QSignalSpy raised(&first, &SingleInstance::activationRequested);

        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"KEST_UNATTENDED"_s, u"yes"_s);
        second.setProcessEnvironment(env);
        second.start(QStringLiteral(KEST_EXE), {m_dbName, u"ktuser"_s, u"E0001"_s, u"홍길동"_s});
        QVERIFY(raised.wait(30000));
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitCode(), 0);
        const QByteArray err = second.readAllStandardError(); // silently: no box
        QVERIFY2(!err.contains("error:") && !err.contains("information:"), err.constData());
    }

private:
    QString exePath() const { return m_dir.filePath(u"Kest_E"_s); }

    QTemporaryDir m_dir;
    std::unique_ptr<TestDatabase> m_db;
    QString m_dbName;
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
