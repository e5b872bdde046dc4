#include "CodeCombo.h"
#include "ConnectionWatch.h"
#include "CounterConnection.h"
#include "DataModule.h"
#include "EZI000.h"
#include "GridModel.h"
#include "GridView.h"
#include "Guard.h"
#include "InputEdits.h"
#include "RecordingModal.h"
#include "ServerError.h"
#include "ShownScreen.h"
#include "SqlQuery.h"
#include "StoredProc.h"
#include "TestDatabase.h"
#include "EZS000.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// A table and its procedure, which logs every call it completes; the
// procedure sleeps for the name "slow". tt030_check refuses the name "bad"
// as a server rule would; tt030_drop_me ends its own session in the middle
// of a call.
static const char *const Fixture = R"SQL(
CREATE TABLE tt030ms (code varchar(4) PRIMARY KEY, name varchar(16));
CREATE TABLE tt030log (seq serial, status text, code text, name text);
CREATE FUNCTION pr_tti030_01(acode text DEFAULT NULL, aname text DEFAULT NULL, au_emp_no text DEFAULT NULL,
                             au_ip text DEFAULT NULL, aeditstatus text DEFAULT NULL)
RETURNS void LANGUAGE plpgsql SECURITY DEFINER SET search_path = ktuser, pg_temp AS $$
BEGIN
    IF aname = 'slow' THEN
        PERFORM pg_sleep(3);
    END IF;
    IF aeditstatus = '2' THEN
        INSERT INTO tt030ms VALUES (acode, aname);
    ELSIF aeditstatus = '1' THEN
        UPDATE tt030ms SET name = aname WHERE code = acode;
    ELSIF aeditstatus = '3' THEN
        DELETE FROM tt030ms WHERE code = acode;
    END IF;
    INSERT INTO tt030log (status, code, name) VALUES (aeditstatus, acode, aname);
END
$$;
CREATE FUNCTION tt030_check(aname text) RETURNS text LANGUAGE plpgsql AS $$
BEGIN
    IF aname = 'bad' THEN
        RAISE EXCEPTION '확인할 수 없는 이름입니다';
    END IF;
    RETURN upper(aname);
END
$$;
CREATE FUNCTION tt030_drop_me() RETURNS void LANGUAGE plpgsql AS $$
BEGIN
    PERFORM pg_terminate_backend(pg_backend_pid());
    PERFORM pg_sleep(5);
END
$$;
)SQL";

// An entry screen whose rules read the server: leaving the name field, a row
// becoming current and the search value itself all call tt030_check.
class TfrmTTI030 : public TfrmEZI000
{
public:
    TfrmTTI030() : TfrmEZI000(u"frmTTI030"_s, u"연결 시험 입력"_s)
    {
        AddSearchFields({{.name = u"cboArea"_s, .kind = FieldKind::Code, .field = u"AREA"_s, .to = &cboArea}});
        cboArea->addCode(u"정상"_s, u"ok"_s);
        cboArea->addCode(u"거부"_s, u"bad"_s);
        SetColumns({{.title = u"코드"_s, .field = u"CODE"_s, .width = 60, .dataWidth = 4, .key = true},
                    {.title = u"이름"_s, .field = u"NAME"_s, .width = 120, .dataWidth = 16}});
        AddFields({{.name = u"edtCode"_s, .caption = u"*코드"_s, .field = u"CODE"_s, .bytes = 4},
                   {.name = u"edtName"_s, .caption = u"이름"_s, .field = u"NAME"_s, .bytes = 16},
                   {.name = u"edtNote"_s, .caption = u"확인"_s, .bytes = 16}});
        qryQuery.setSql(u"SELECT code, name FROM tt030ms WHERE tt030_check(:AREA) <> '' ORDER BY code"_s);
        prcSaveData.setName(u"pr_tti030_01"_s);
    }

    void SaveRows(SavedRows &saved) override
    {
        statusDuringSave = StatusMessage();
        hourglassDuringSave = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        TfrmEZI000::SaveRows(saved);
        if (dropInFlight)
            SqlQuery::scalar(u"SELECT tt030_drop_me()"_s);
    }

    bool checkOnRowShown = false;
    bool dropInFlight = false;
    QString statusDuringSave;
    bool hourglassDuringSave = false;
    CodeCombo *cboArea = nullptr;

protected:
    void edtExit(QWidget *control) override
    {
        TfrmEZI000::edtExit(control);
        if (control->objectName() == u"edtName"_s)
            note(SqlQuery::scalar(u"SELECT tt030_check(:N)"_s, {{u"N"_s, nameEdit()->text()}}));
    }
    void RowShown() override
    {
        const int row = Grid()->currentRow();
        if (checkOnRowShown && row >= 0)
            note(SqlQuery::scalar(u"SELECT tt030_check(:N)"_s, {{u"N"_s, Rows().value(row, u"NAME"_s)}}));
    }

private:
    QLineEdit *nameEdit() const { return findChild<QLineEdit *>(u"edtName"_s); }
    void note(const QString &text) { findChild<QLineEdit *>(u"edtNote"_s)->setText(text); }
};

// A search screen over a generated list of :N rows.
class TfrmTTS030 : public TfrmEZS000
{
public:
    TfrmTTS030() : TfrmEZS000(u"frmTTS030"_s, u"긴 목록"_s)
    {
        cdsQuery->setColumns({{.title = u"번호"_s, .field = u"NO"_s, .width = 80, .alignment = Qt::AlignRight},
                              {.title = u"이름"_s, .field = u"NAME"_s, .width = 120}});
        rgrGrid->applyColumns();
        qryQuery.setSql(u"SELECT g AS no, 'row ' || g AS name FROM generate_series(1, CAST(:N AS integer)) g"_s);
    }

    bool bbtSearchClick() override
    {
        if (fromTable)
            qryQuery.setSql(u"SELECT code AS no, name FROM tt030ms ORDER BY code"_s);
        else
            qryQuery.bind(u"N"_s, QString::number(count));
        return TfrmEZS000::bbtSearchClick();
    }

    GridModel &List() const { return *cdsQuery; }

    int count = 10;
    bool fromTable = false; // reads tt030ms instead
};

// Counts the paints of a widget.
class PaintCount : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

class TestRobust : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->adminExec(QString::fromUtf8(Fixture));
    }
    void cleanupTestCase() { m_db.reset(); }

    void init()
    {
        m_db->setServerDown(false);
        DataModule::instance()->setTimeouts(DataModule::DefaultStatementTimeout * 1000,
                                            DataModule::DefaultLockTimeout * 1000);
        m_db->adminExec(u"TRUNCATE tt030ms, tt030log"_s);
        m_boxes = std::make_unique<RecordingModal>();
    }
    void cleanup()
    {
        m_boxes->confirmAnswers = {true, true, true};
        m_entry.reset();
        m_search.reset();
        m_boxes.reset();
        m_db->setServerDown(false);
    }

    // --- the guard on every edge ---------------------------------------

    void serverErrorOnAnEdgeShowsTheBoxAndKeepsTheScreen_data()
    {
        QTest::addColumn<QString>("edge");
        QTest::newRow("leaving a field") << u"focus"_s;
        QTest::newRow("row change") << u"row"_s;
    }
    void serverErrorOnAnEdgeShowsTheBoxAndKeepsTheScreen()
    {
        QFETCH(QString, edge);
        m_db->adminExec(u"INSERT INTO tt030ms VALUES ('0001', 'first'), ('0002', 'bad'), ('0003', 'third')"_s);
        openEntry();
        entry().checkOnRowShown = edge == u"row"_s;
        search();
        QCOMPARE(rows().rowCount(), 3);
        m_boxes->clear();

        if (edge == u"focus"_s) {
            edit(u"edtName"_s)->setFocus();
            edit(u"edtName"_s)->setText(u"bad"_s);
            edit(u"edtNote"_s)->setFocus(); // leaves the name field
        } else {
            entry().Grid()->setCurrentRow(1);
        }
        QCOMPARE(m_boxes->texts(), QStringList({u"확인할 수 없는 이름입니다"_s}));
        QCOMPARE(m_boxes->boxes.constFirst().kind, BoxKind::Error);

        // Still usable: rows move, the controls follow, and a save goes through.
        entry().Grid()->setCurrentRow(2);
        QCOMPARE(entry().Grid()->currentRow(), 2);
        QCOMPARE(edit(u"edtName"_s)->text(), u"third"_s);
        QCOMPARE(edit(u"edtNote"_s)->text(), edge == u"row"_s ? u"THIRD"_s : u""_s);
        edit(u"edtName"_s)->setText(u"고침"_s);
        save();
        QCOMPARE(entry().StatusMessage(), u"자료를 저장했습니다."_s);
        QVERIFY(log().contains(u"1/0003/고침"_s));
    }

    void failedLoadLeavesTheGridAnswering()
    {
        m_db->adminExec(u"INSERT INTO tt030ms VALUES ('0001', 'first'), ('0002', 'second')"_s);
        openEntry();
        entry().cboArea->setCode(u"bad"_s);
        search();
        QCOMPARE(m_boxes->texts(), QStringList({u"확인할 수 없는 이름입니다"_s}));
        QVERIFY(!rows().signalsBlocked());
        QCOMPARE(entry().Grid()->model()->rowCount(), 0);

        m_boxes->clear();
        entry().cboArea->setCode(u"ok"_s);
        search();
        QVERIFY2(m_boxes->boxes.isEmpty(), qPrintable(m_boxes->texts().join(u" | "_s)));
        QCOMPARE(entry().Grid()->model()->rowCount(), 2);
        // Row changes reach the controls again: no flag was left set.
        entry().Grid()->setCurrentRow(1);
        QCOMPARE(edit(u"edtName"_s)->text(), u"second"_s);
    }

    // --- lost connections ----------------------------------------------

    void readReconnectsOnceAndSetsTheTimeoutsAgain()
    {
        DataModule::instance()->setTimeouts(12000, 3000);
        m_db->dropClientSessions();
        QCOMPARE(SqlQuery::scalar(u"SELECT current_setting('lock_timeout')"_s), u"3s"_s);
        m_db->dropClientSessions();
        QCOMPARE(SqlQuery::scalar(u"SELECT current_setting('statement_timeout')"_s), u"12s"_s);
        QVERIFY(!DataModule::instance()->inTransaction());
    }

    void searchFindsRowsAfterTheBackendWasTerminated_data()
    {
        QTest::addColumn<bool>("searchScreen");
        QTest::newRow("search screen") << true;
        QTest::newRow("entry screen") << false;
    }
    void searchFindsRowsAfterTheBackendWasTerminated()
    {
        QFETCH(bool, searchScreen);
        m_db->adminExec(u"INSERT INTO tt030ms VALUES ('0001', 'first'), ('0002', 'second')"_s);
        if (searchScreen) {
            openSearch();
            m_search->press(Qt::Key_F3); // the stream connection is open and idle now
            m_db->dropClientSessions();
            m_search->press(Qt::Key_F3);
            QCOMPARE(screen().List().rowCount(), 10);
            QCOMPARE(screen().List().value(9, u"NAME"_s), u"row 10"_s);
        } else {
            openEntry();
            m_db->dropClientSessions();
            search();
            QCOMPARE(rows().rowCount(), 2);
        }
        QVERIFY2(m_boxes->boxes.isEmpty(), qPrintable(m_boxes->texts().join(u" | "_s)));
    }

    void saveLostInFlightRollsBackAndTheRetrySavesOnce_data()
    {
        QTest::addColumn<bool>("serverDown");
        QTest::newRow("session ended in the call") << false;
        QTest::newRow("server down at Save") << true;
    }
    void saveLostInFlightRollsBackAndTheRetrySavesOnce()
    {
        QFETCH(bool, serverDown);
        m_db->adminExec(u"INSERT INTO tt030ms VALUES ('0001', 'first'), ('0002', 'second')"_s);
        openEntry();
        search();
        edit(u"edtName"_s)->setText(u"바뀜"_s);          // 0001 changed
        entry().Grid()->setCurrentRow(1);
        QTest::keyClick(&entry(), Qt::Key_F9);       // 0002 deleted
        QTest::keyClick(&entry(), Qt::Key_F4);       // a new row
        edit(u"edtCode"_s)->setText(u"0009"_s);
        edit(u"edtName"_s)->setText(u"새것"_s);
        const int changes = entry().ChangeCount();
        const int shown = rows().rowCount();

        entry().dropInFlight = !serverDown;
        if (serverDown)
            m_db->setServerDown(true);
        m_boxes->clear();
        save();
        QCOMPARE(m_boxes->texts(), QStringList({u"저장 하시겠습니까?"_s, ServerText::SaveLost}));
        QVERIFY(!DataModule::instance()->inTransaction());
        QCOMPARE(entry().ChangeCount(), changes);
        QCOMPARE(rows().rowCount(), shown);
        QCOMPARE(rows().value(shown - 1, u"NAME"_s), u"새것"_s);
        QCOMPARE(log(), QStringList());
        QVERIFY(entry().HasPendingChanges());

        // The server is back: one more F2 sends every change once.
        m_db->setServerDown(false);
        entry().dropInFlight = false;
        m_boxes->clear();
        save();
        QCOMPARE(m_boxes->texts(), QStringList({u"저장 하시겠습니까?"_s}));
        QCOMPARE(log(), QStringList({u"3/0002/second"_s, u"1/0001/바뀜"_s, u"2/0009/새것"_s}));
        QCOMPARE(entry().ChangeCount(), 0);
        // While it ran, the screen said it was waiting on the server.
        QCOMPARE(entry().statusDuringSave, ServerText::Waiting);
        QVERIFY(entry().hourglassDuringSave);
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(entry().StatusMessage(), u"자료를 저장했습니다."_s);
    }

    void closeWorksWhileTheServerIsDown()
    {
        m_db->adminExec(u"INSERT INTO tt030ms VALUES ('0001', 'first')"_s);
        openEntry();
        search();
        edit(u"edtName"_s)->setText(u"바뀜"_s);
        m_db->setServerDown(true);
        QTest::keyClick(&entry(), Qt::Key_F8);
        QVERIFY(entry().IsSearchMode());
        search(); // fails: the server is down
        QVERIFY(m_boxes->texts().contains(ServerText::ConnectionLost));
        QVERIFY(entry().close());
    }

    // --- long waits ------------------------------------------------------

    void saveEndsAtTheConfiguredTimeout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("message");
        QTest::newRow("row locked by another counter") << u"바뀜"_s << true << ServerText::LockTimeout;
        QTest::newRow("statement too slow") << u"slow"_s << false << ServerText::StatementTimeout;
    }
    void saveEndsAtTheConfiguredTimeout()
    {
        QFETCH(QString, name);
        QFETCH(bool, locked);
        QFETCH(QString, message);
        m_db->adminExec(u"INSERT INTO tt030ms VALUES ('0001', 'first')"_s);
        DataModule::instance()->setTimeouts(locked ? 30000 : 300, locked ? 300 : 10000);
        CounterConnection counter(*m_db);
        if (locked) {
            counter.begin();
            counter.exec(u"SELECT * FROM tt030ms WHERE code = '0001' FOR UPDATE"_s);
        }
        openEntry();
        search();
        edit(u"edtName"_s)->setText(name);
        m_boxes->clear();
        // The window keeps painting while the save waits: asked to every 50 ms,
        // it paints while the statement is still on the server.
        PaintCount painted;
        int paintsWhileWaiting = 0;
        entry().installEventFilter(&painted);
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, &entry(), [&] {
            if (DataModule::instance()->busy())
                paintsWhileWaiting = painted.paints;
            entry().update();
        });
        ticker.start(50);
        save();
        ticker.stop();
        entry().removeEventFilter(&painted);
        QVERIFY2(paintsWhileWaiting > 0, "no paint while the save waited");
        QCOMPARE(m_boxes->texts(), QStringList({u"저장 하시겠습니까?"_s,
                                                 u"자료를 저장하지 못했습니다.\r\r에러내용:\r"_s + message}));
        QCOMPARE(entry().ChangeCount(), 1);
        QCOMPARE(entry().StatusMessage(), QString()); // the waiting line is gone
        if (locked)
            counter.rollback();
        DataModule::instance()->setTimeouts(30000, 10000);
        edit(u"edtName"_s)->setText(u"다시"_s);
        save();
        QCOMPARE(log(), QStringList({u"1/0001/다시"_s}));
    }

    // --- long results ----------------------------------------------------

    // A search waiting on a table another counter has locked is cancelled
    // with F8 or Esc at once, not at the lock timeout; one line says so.
    void waitingSearchIsCancelledWithItsKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("F8") << int(Qt::Key_F8);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void waitingSearchIsCancelledWithItsKey()
    {
        QFETCH(int, key);
        m_db->adminExec(u"INSERT INTO tt030ms VALUES ('0001', 'first')"_s);
        openSearch();
        screen().fromTable = true;
        CounterConnection counter(*m_db);
        counter.begin();
        counter.exec(u"LOCK TABLE tt030ms IN ACCESS EXCLUSIVE MODE"_s);
        bool pressed = false;
        QTimer::singleShot(400, &screen(), [&] {
            pressed = true;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        });
        QElapsedTimer waited;
        waited.start();
        m_search->press(Qt::Key_F3);
        QVERIFY(pressed);
        QVERIFY2(waited.elapsed() < 5000, qPrintable(QString::number(waited.elapsed())));
        QCOMPARE(screen().StatusMessage(), u"조회를 취소했습니다."_s);
        QVERIFY2(m_boxes->boxes.isEmpty(), qPrintable(m_boxes->texts().join(u" | "_s)));
        QVERIFY(screen().isVisible()); // F8 and Esc did nothing else meanwhile

        counter.rollback();
        m_search->press(Qt::Key_F3);
        QCOMPARE(screen().List().rowCount(), 1);
        QVERIFY(m_boxes->boxes.isEmpty());
    }

    void millionRowSearchShowsItsFirstRowsOnly()
    {
        openSearch();
        screen().count = 1000000;
        m_search->press(Qt::Key_F3);
        GridModel &list = screen().List();
        QVERIFY(list.rowCount() > 0);
        QVERIFY(list.rowCount() < 1000);
        QVERIFY(list.canFetchMore());
        QCOMPARE(list.value(0, u"NO"_s), u"1"_s);
        // The rest waits on the server, in a cursor of a connection of its own.
        // (This test's database only: other tests stream their lists meanwhile.)
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM pg_stat_activity WHERE usename = 'ktuser'"
                                   " AND datname = current_database()"
                                   " AND state = 'idle in transaction' AND query LIKE 'FETCH%kest_stream'"_s),
                 u"1"_s);

        // The main connection goes on while the list is half read, a save included.
        QCOMPARE(SqlQuery::scalar(u"SELECT count(*) FROM tt030ms"_s), u"0"_s);
        StoredProc insert(u"pr_tti030_01"_s);
        insert.setValue(u"ACODE"_s, u"0001"_s);
        insert.setValue(u"ANAME"_s, u"중간"_s);
        insert.setValue(u"AEDITSTATUS"_s, u"2"_s);
        QVERIFY(TrySave([&] { insert.exec(); }));
        const int before = list.rowCount();
        list.fetchMore();
        QCOMPARE(list.rowCount(), before + GridModel::FetchSize);
        QCOMPARE(list.value(before, u"NO"_s), QString::number(before + 1));
        QVERIFY(list.canFetchMore());
        QVERIFY(m_boxes->boxes.isEmpty());
    }

    void streamedReadBindsAsTheMainConnectionDoes_data()
    {
        QTest::addColumn<bool>("streamed");
        QTest::newRow("main connection") << false;
        QTest::newRow("streamed") << true;
    }
    void streamedReadBindsAsTheMainConnectionDoes()
    {
        QFETCH(bool, streamed);
        SqlQuery query(u"SELECT :A || ':00 - ' || :a || '-' || :B::text AS t, :B AS b,"
                       " CAST(:E AS text) IS NULL AS e FROM tt030ms WHERE code <> :E2"_s);
        query.setStreamed(streamed);
        query.bind(u"A"_s, u"12"_s);
        query.bind(u"B"_s, u"7"_s);
        query.bind(u"E2"_s, u"x"_s);
        m_db->adminExec(u"INSERT INTO tt030ms VALUES ('0001', 'first')"_s);
        query.exec();
        QVERIFY(query.next());
        QCOMPARE(query.value(0), u"12:00 - 12-7"_s);
        QCOMPARE(query.value(u"B"_s), u"7"_s);
        QCOMPARE(query.value(2), u"true"_s);
        QVERIFY(!query.next());
    }

    void exportReadsEveryRowOfAStreamedList()
    {
        openSearch();
        screen().count = 250;
        m_search->press(Qt::Key_F3);
        QVERIFY(screen().List().canFetchMore());
        m_boxes->fileNames = {QDir::temp().filePath(u"tst_robust_export.xls"_s)};
        m_boxes->confirmAnswers = {true}; // overwrite
        QVERIFY(!screen().ExportToExcel().isEmpty());
        QCOMPARE(screen().List().rowCount(), 250);
        QCOMPARE(screen().List().value(249, u"NAME"_s), u"row 250"_s);
    }

private:
    void openEntry()
    {
        m_entry = std::make_unique<ShownScreen<TfrmTTI030>>();
        QVERIFY(m_entry->exposed());
    }
    void openSearch()
    {
        m_search = std::make_unique<ShownScreen<TfrmTTS030>>();
        QVERIFY(m_search->exposed());
    }
    TfrmTTI030 &entry() { return **m_entry; }
    TfrmTTS030 &screen() { return **m_search; }
    GridModel &rows() { return entry().Rows(); }
    QLineEdit *edit(const QString &name) { return m_entry->find<QLineEdit>(name); }
    void search() { m_entry->press(Qt::Key_F3); }
    void save()
    {
        m_boxes->confirmAnswers = {true};
        m_entry->press(Qt::Key_F2);
    }
    QStringList log()
    {
        const QString text = m_db->adminScalar(
            u"SELECT string_agg(status || '/' || code || '/' || name, ',' ORDER BY seq) FROM ktuser.tt030log"_s);
        return text.isEmpty() ? QStringList() : text.split(u',');
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
    std::unique_ptr<ShownScreen<TfrmTTI030>> m_entry;
    std::unique_ptr<ShownScreen<TfrmTTS030>> m_search;
};

QTEST_MAIN(TestRobust)
#include "tst_robust.moc"
