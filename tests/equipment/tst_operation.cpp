#include "CodeCombo.h"
#include "CounterConnection.h"
#include "EBI010.h"
#include "GridModel.h"
#include "GridView.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "TestDatabase.h"

#include <QDateEdit>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// Course and lift operation records: a day's rows made once, on the first
// search, by one counter however many try at the same moment.
class TestOperation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_facilities = m_db->adminScalar(u"SELECT count(*) FROM ktuser.zx010ms WHERE head IN ('E0006', 'E0007')"_s);
        QVERIFY(m_facilities.toInt() > 0);
    }
    void cleanupTestCase() { m_db.reset(); }
    void init() { m_boxes = std::make_unique<RecordingModal>(); }
    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
    }

    void firstSearchCreatesTheDayOnce()
    {
        open(QDate(2025, 1, 10));
        search();
        QVERIFY(m_boxes->boxes.isEmpty());
        QCOMPARE(QString::number(rows().rowCount()), m_facilities);
        QCOMPARE(rowsOf(u"20250110"_s), m_facilities);
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(DISTINCT run_yn, ',') FROM ktuser.eb010ms"_s), u"Y"_s);
        // A kind repeated from the row above is shown blank.
        QCOMPARE(rows().value(0, u"FAC_GUBUN_SHOWN"_s), u"코스"_s);
        QCOMPARE(rows().value(1, u"FAC_GUBUN_SHOWN"_s), QString());
        QCOMPARE(rows().value(1, u"FAC_GUBUN_NAME"_s), u"코스"_s);
        int lifts = 0;
        for (int r = 0; r < rows().rowCount(); ++r)
            if (!rows().value(r, u"FAC_GUBUN_SHOWN"_s).isEmpty())
                ++lifts;
        QCOMPARE(lifts, 2);

        const QString stamp = m_db->adminScalar(u"SELECT max(au_date)::text FROM ktuser.eb010ms"_s);
        m_db->adminExec(u"INSERT INTO ktuser.zx010ms (head, detail, detail_name, item1) "
                        "VALUES ('E0006', '99', '새코스', 'C')"_s);
        m_screen->bbtCancelClick();
        search();
        QCOMPARE(QString::number(rows().rowCount()), m_facilities);
        QCOMPARE(rowsOf(u"20250110"_s), m_facilities);
        QCOMPARE(m_db->adminScalar(u"SELECT max(au_date)::text FROM ktuser.eb010ms"_s), stamp);
        m_screen->bbtCancelClick();
        m_screen->findChild<QDateEdit *>(u"dtpDate"_s)->setDate(QDate(2025, 1, 11));
        search();
        QCOMPARE(QString::number(rows().rowCount()), QString::number(m_facilities.toInt() + 1));
        QCOMPARE(rowsOf(u"20250111"_s), QString::number(m_facilities.toInt() + 1));
        m_db->adminExec(u"DELETE FROM ktuser.zx010ms WHERE head = 'E0006' AND detail = '99'"_s);
    }

    // Two counters create the same day at the same moment: one waits for
    // the other and finds the day made.
    void concurrentCreationGivesOneRowPerFacility()
    {
        const QString psql = QStandardPaths::findExecutable(u"psql"_s, {u"/usr/lib/postgresql/15/bin"_s});
        QVERIFY2(!psql.isEmpty(), "psql is missing");
        const QString create = u"SELECT ktuser.pr_ebi010_01(arun_date => '20250120', au_emp_no => '%1', "
                               "au_ip => '%1 COUNTER')"_s;
        CounterConnection first(*m_db);
        first.begin();
        first.exec(create.arg(u"E1"_s));
        QProcess second;
        second.start(psql, {u"-X"_s, u"-q"_s, u"-v"_s, u"ON_ERROR_STOP=1"_s, u"-h"_s, TestDatabase::socketDir(), u"-p"_s,
                            QString::number(TestDatabase::port()), u"-U"_s, u"postgres"_s, u"-d"_s, m_db->name(),
                            u"-c"_s, create.arg(u"E2"_s)});
        QVERIFY(second.waitForStarted());
        QVERIFY2(!second.waitForFinished(1500), "the second counter did not wait for the first");
        first.exec(u"COMMIT"_s);
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(rowsOf(u"20250120"_s), m_facilities);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM (SELECT DISTINCT fac_gubun, fac_detail_gubun "
                                   "FROM ktuser.eb010ms WHERE run_date = '20250120') f"_s),
                 m_facilities);
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(DISTINCT au_emp_no, ',') FROM ktuser.eb010ms "
                                   "WHERE run_date = '20250120'"_s),
                 u"E1"_s);
    }

    // A facility that does not run ("S") is stored and drawn in red.
    void stoppedFacilityIsSavedAndRed()
    {
        open(QDate(2025, 1, 12));
        search();
        auto *grid = m_screen->findChild<GridView *>(u"rgrGrid"_s);
        grid->setCurrentRow(2);
        const QString detail = rows().value(2, u"FAC_DETAIL_GUBUN"_s);
        QCOMPARE(m_screen->findChild<QLabel *>(u"wlbFacDetailName"_s)->text(), rows().value(2, u"FAC_DETAIL_GUBUN_NAME"_s));
        m_screen->findChild<CodeCombo *>(u"cboRunGubun"_s)->setCode(u"S"_s);
        grid->setCurrentRow(3);
        QCOMPARE(grid->rowColour(2).text, QColor(Qt::red));
        QCOMPARE(grid->rowColour(3).text, QColor(Qt::black));
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QCOMPARE(m_db->adminScalar(u"SELECT run_yn FROM ktuser.eb010ms WHERE run_date = '20250112' "
                                   "AND fac_gubun = 'C' AND fac_detail_gubun = '%1'"_s.arg(detail)),
                 u"S"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb010ms WHERE run_date = '20250112' "
                                   "AND run_yn = 'S'"_s),
                 u"1"_s);
        QVERIFY(!m_screen->findChild<QPushButton *>(u"bbtAdd"_s)->isVisible());
        QVERIFY(!m_screen->findChild<QPushButton *>(u"bbtDelete"_s)->isVisible());
    }

    void refusedCreationStopsTheSearch()
    {
        m_db->adminExec(u"DELETE FROM ktuser.zx010ms WHERE head = 'E0008' AND detail = 'Y'"_s);
        open(QDate(2025, 1, 13));
        search();
        m_db->adminExec(u"INSERT INTO ktuser.zx010ms (head, detail, detail_name) VALUES ('E0008', 'Y', '운행')"_s);
        QCOMPARE(m_boxes->texts(),
                 QStringList{u"자료를 저장하지 못했습니다.\r\r에러내용:\r운행여부 코드(E0008)가 등록되어 있지 않습니다."_s});
        QCOMPARE(rowsOf(u"20250113"_s), u"0"_s);
        QCOMPARE(rows().rowCount(), 0);
        QVERIFY(!m_screen->findChild<QWidget *>(u"panInfo"_s)->isVisible());
    }

private:
    void open(const QDate &date)
    {
        m_screen.open();
        m_screen->findChild<QDateEdit *>(u"dtpDate"_s)->setDate(date);
    }
    void search() { QTest::keyClick(m_screen.get(), Qt::Key_F3); }
    GridModel &rows() { return m_screen->Rows(); }
    QString rowsOf(const QString &date)
    {
        return m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb010ms WHERE run_date = '%1'"_s.arg(date));
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
    ShownScreen<TfrmEBI010> m_screen{openLater};
    QString m_facilities;
};

QTEST_MAIN(TestOperation)
#include "tst_operation.moc"
