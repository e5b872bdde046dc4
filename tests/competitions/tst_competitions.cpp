#include "CodeCombo.h"
#include "CounterConnection.h"
#include "EDI010.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate Day(2026, 12, 15);

const QString NewGameCall = u"SELECT pr_edi010_01(agame_date => '20261215', agame_name => '동시%1',"
                            " au_emp_no => '%1', au_ip => 'COUNTER-%1', aeditstatus => '2')"_s;
const QString NewEntrantCall =
    u"SELECT pr_edi020_01(aseason_gubun => '26', aapply_date => '20261201', aentry_name_kor => '동시%1',"
    " aid_no => '9001011234567', amobile_no => '010-0000-000%1', au_emp_no => '%1', au_ip => 'COUNTER-%1',"
    " aeditstatus => '2')"_s;

} // namespace

// The competitions of a day on their entry screen, and the numbers the
// server gives competitions and entrants when counters save at once.
class TestCompetitions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_db = std::make_unique<TestDatabase>(); }
    void cleanupTestCase() { m_db.reset(); }
    void init()
    {
        m_db->adminExec(u"TRUNCATE ktuser.ed010ms, ktuser.ed020dt, ktuser.ed020ms;"
                        " DELETE FROM kest_private.counters WHERE series LIKE 'ed0%'"_s);
        m_boxes = std::make_unique<RecordingModal>();
    }
    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
    }

    // A competition with only its name: numbered by the server after the
    // save, its slope the first course, its fee 0.
    void newCompetitionTakesTheServersNumber()
    {
        m_db->adminExec(u"INSERT INTO ktuser.ed010ms (game_date, seq_no, game_name) VALUES ('20261215', 4, '앞 대회')"_s);
        openAndSearch();
        QCOMPARE(rows().rowCount(), 1);
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        QCOMPARE(find<CodeCombo>(u"cboSlope"_s)->code(), u"01"_s);
        type(u"edtGameName"_s, u"신규 대회"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{u"저장 하시겠습니까?"_s});
        QCOMPARE(m_db->adminScalar(u"SELECT seq_no || '/' || slope || '/' || slope_amt FROM ktuser.ed010ms"
                                   " WHERE game_name = '신규 대회'"_s),
                 u"5/01/0"_s);
        QCOMPARE(rows().rowCount(), 2);
        QCOMPARE(rows().value(1, u"SEQ_NO"_s), u"5"_s);
        QCOMPARE(rows().value(1, u"SLOPE"_s), u"01"_s);
    }

    // Every field comes back as saved: a forty-character Hangul name whole,
    // the fee of ten digits as plain digits, the contact through the
    // personal-data function.
    void fieldsComeBackAsSaved()
    {
        openAndSearch();
        const QString name = QString(40, QChar(u'대'));
        type(u"edtGameName"_s, name);
        type(u"edtSocietyName"_s, u"대한스키협회"_s);
        type(u"edtSocietyRep"_s, u"박대표"_s);
        type(u"edtTelNo"_s, u"02-555-1234"_s);
        type(u"edtGameContent"_s, u"대회전 2차 시기"_s);
        type(u"edtGameScale"_s, u"선수 120명"_s);
        find<CodeCombo>(u"cboSlope"_s)->setCode(u"05"_s);
        auto *fee = find<NumberEdit>(u"wneSlopeAmt"_s);
        fee->setFocus();
        fee->selectAll(); // as tabbing into it does: the 0 is typed over
        QTest::keyClicks(fee, u"9999999999"_s);
        type(u"edtProblem"_s, u"안개"_s);
        type(u"edtRemark"_s, u"비고"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{u"저장 하시겠습니까?"_s});
        QCOMPARE(m_db->adminScalar(u"SELECT concat_ws('|', game_name, society_name, society_rep, "
                                   "fn_za010ms_04(tel_no), game_content, game_scale, slope, slope_amt, problem, remark,"
                                   " tel_no = '02-555-1234') FROM ktuser.ed010ms"_s)
                     .split(u'|'),
                 (QStringList{name, u"대한스키협회"_s, u"박대표"_s, u"02-555-1234"_s, u"대회전 2차 시기"_s,
                              u"선수 120명"_s, u"05"_s, u"9999999999"_s, u"안개"_s, u"비고"_s, u"f"_s}));
        QCOMPARE(find<QLineEdit>(u"edtGameName"_s)->text(), name);
        QCOMPARE(find<QLineEdit>(u"edtTelNo"_s)->text(), u"02-555-1234"_s);
        QCOMPARE(find<QLabel>(u"wlbSqqNo"_s)->text(), u"1"_s);
    }

    // The name is the row's only check: Save, Add and leaving the row ask for it.
    void nameIsRequired_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("save") << int(Qt::Key_F2);
        QTest::newRow("add") << int(Qt::Key_F4);
    }
    void nameIsRequired()
    {
        QFETCH(int, key);
        openAndSearch();
        type(u"edtSocietyName"_s, u"협회만"_s);
        QTest::keyClick(m_screen.get(), Qt::Key(key));
        QCOMPARE(m_boxes->texts(), QStringList{u"*대회명을(를) 먼저 입력하십시오."_s});
        QCOMPARE(QApplication::focusWidget(), find<QWidget>(u"edtGameName"_s));
        QCOMPARE(rows().rowCount(), 1);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.ed010ms"_s), u"0"_s);
    }

    // Counters saving at once get distinct numbers: competitions within a
    // date, entrants within a season.
    void countersSavingAtOnceGetDistinctNumbers_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("numbers");
        QTest::newRow("competitions") << NewGameCall
                                      << u"SELECT string_agg(seq_no::text, ' ' ORDER BY seq_no) FROM ktuser.ed010ms"_s;
        QTest::newRow("entrants") << NewEntrantCall
                                  << u"SELECT string_agg(recv_no::text, ' ' ORDER BY recv_no) FROM ktuser.ed020ms"_s;
    }
    void countersSavingAtOnceGetDistinctNumbers()
    {
        QFETCH(QString, call);
        QFETCH(QString, numbers);
        const OverlappingSaves saves = SaveAtOnce(*m_db, call.arg(1), call.arg(2));
        QVERIFY2(saves.firstError.isEmpty(), qPrintable(saves.firstError));
        QVERIFY2(saves.secondError.isEmpty(), qPrintable(saves.secondError));
        QVERIFY(saves.secondWaited);
        QCOMPARE(m_db->adminScalar(numbers), u"1 2"_s);
    }

private:
    template <typename T>
    T *find(const QString &name) const
    {
        T *w = m_screen->findChild<T *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    GridModel &rows() const { return m_screen->Rows(); }

    void openAndSearch()
    {
        QVERIFY(m_screen.open());
        find<QDateEdit>(u"dtpDate"_s)->setDate(Day);
        QTest::keyClick(m_screen.get(), Qt::Key_F3);
        QVERIFY(!m_screen->IsSearchMode());
        m_boxes->clear();
    }
    void type(const QString &name, const QString &text)
    {
        auto *edit = find<QLineEdit>(name);
        edit->setFocus();
        edit->selectAll();
        edit->insert(text); // as the input method commits it
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
    ShownScreen<TfrmEDI010> m_screen{openLater};
};

QTEST_MAIN(TestCompetitions)
#include "tst_competitions.moc"
