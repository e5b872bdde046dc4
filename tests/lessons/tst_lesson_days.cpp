#include "CodeCombo.h"
#include "CounterConnection.h"
#include "ECI060.h"
#include "ECI070.h"
#include "ECI080.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate Day(2026, 12, 20);

// Control name and value; a code list takes a code.
using Fields = QList<std::pair<QString, QString>>;

void Fill(QWidget *screen, const Fields &fields)
{
    for (const auto &[name, value] : fields) {
        QWidget *w = screen->findChild<QWidget *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        if (auto *combo = qobject_cast<CodeCombo *>(w))
            combo->setCode(value);
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            edit->setText(value);
    }
}

Fields ValidAccident()
{
    return {{u"edtTrobName"_s, u"강습 중 충돌"_s}, {u"edtTrobTime"_s, u"1405"_s}, {u"edtTrobPlace"_s, u"초급 슬로프"_s},
            {u"edtLecturerEmpNo"_s, u"E1001"_s}, {u"edtLecturerName"_s, u"정강사"_s}};
}

QString PrivateLessonCall(const QString &name)
{
    return u"SELECT ktuser.pr_eci060_01('20261220', NULL, '%1', au_emp_no => 'E001', au_ip => '127.0.0.1',"
           " aeditstatus => '2')"_s.arg(name);
}

} // namespace

// Private lessons, lesson accidents and partner-group lesson days.
class TestLessonDays : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->loadLookups();
        m_db->adminExec(u"INSERT INTO ktuser.bb010ms (member_no, member_name, member_group_code, cancel_date) VALUES"
                        " ('4400000001', '한빛전자 스키동호회', '44', NULL), ('4400000002', '푸른대학교 스키부', '44', NULL),"
                        " ('4400000003', '옛날여행사', '44', '20051231') ON CONFLICT DO NOTHING"_s);
    }
    void cleanupTestCase() { m_db.reset(); }
    void init()
    {
        m_db->adminExec(u"TRUNCATE ktuser.ec060ms, ktuser.ec070ms, ktuser.ec080ms;"
                        "DELETE FROM kest_private.counters WHERE series LIKE 'ec060ms%' OR series LIKE 'ec070ms%'"_s);
        m_boxes = std::make_unique<RecordingModal>();
    }
    void cleanup()
    {
        m_private.reset();
        m_accidents.reset();
        m_groups.reset();
        m_boxes.reset();
    }

    // A lesson with only the instructor's name is kept, its fee 0; a
    // 30-character Hangul name is kept whole; the server numbers the day's
    // lessons and the list shows them in that order.
    void privateLessons()
    {
        openDay(m_private);
        const QString longName = QString(30, QChar(0xAC00));
        Fill(m_private.get(), {{u"edtLecturerName"_s, u"오준호"_s}});
        m_private.press(Qt::Key_F4);
        Fill(m_private.get(), {{u"edtLecturerName"_s, longName}, {u"wneLectureAmt"_s, u"150000"_s}});
        m_private.press(Qt::Key_F2);
        QVERIFY2(m_boxes->texts().size() == 1, qPrintable(m_boxes->texts().join(u" | "_s)));
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(seq_no || ':' || lecturer_name || ':' || lecture_amt, ' '"
                                   " ORDER BY seq_no) FROM ktuser.ec060ms WHERE lecture_date = '20261220'"_s),
                 u"1:오준호:0 2:%1:150000"_s.arg(longName));
        QCOMPARE(m_private->Rows().value(1, u"SEQ_NO"_s), u"2"_s);
    }

    void privateLessonNeedsAName()
    {
        openDay(m_private);
        Fill(m_private.get(), {{u"edtIssueNo"_s, u"KSIA-1"_s}});
        m_private.press(Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{u"*강사명을(를) 먼저 입력하십시오."_s});
        QCOMPARE(QApplication::focusWidget(), m_private.find<QWidget>(u"edtLecturerName"_s));
    }

    // Two counters adding lessons of one day at once get distinct numbers.
    void numbersFromTwoCounters()
    {
        const OverlappingSaves saves = SaveAtOnce(*m_db, PrivateLessonCall(u"가"_s), PrivateLessonCall(u"나"_s));
        QCOMPARE(saves.firstError, QString());
        QCOMPARE(saves.secondError, QString());
        QVERIFY(saves.secondWaited);
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(seq_no || lecturer_name, ' ' ORDER BY seq_no)"
                                   " FROM ktuser.ec060ms"_s),
                 u"1가 2나"_s);
    }

    // The accident row check, in its order, each case spoiling one more field.
    void accidentRowCheckOrder_data()
    {
        QTest::addColumn<Fields>("spoilt");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("title first") << Fields{{u"edtTrobName"_s, u""_s}, {u"edtTrobTime"_s, u""_s}}
                                     << u"*사고명을(를) 먼저 입력하십시오."_s << u"edtTrobName"_s;
        QTest::newRow("time before the place") << Fields{{u"edtTrobTime"_s, u""_s}, {u"edtTrobPlace"_s, u""_s}}
                                               << u"*사고시간을(를) 먼저 입력하십시오."_s << u"edtTrobTime"_s;
        QTest::newRow("place before the instructor")
            << Fields{{u"edtTrobPlace"_s, u""_s}, {u"edtLecturerEmpNo"_s, u""_s}, {u"edtLecturerName"_s, u""_s}}
            << u"*사고장소을(를) 먼저 입력하십시오."_s << u"edtTrobPlace"_s;
        QTest::newRow("no instructor") << Fields{{u"edtLecturerEmpNo"_s, u""_s}, {u"edtLecturerName"_s, u""_s}}
                                       << u"*담당강사사번을(를) 먼저 입력하십시오."_s << u"edtLecturerEmpNo"_s;
        QTest::newRow("an unknown instructor") << Fields{{u"edtLecturerEmpNo"_s, u"X999"_s}, {u"edtLecturerName"_s, u""_s}}
                                               << u"*담당강사사번을(를) 정확히 입력하십시오."_s << u"edtLecturerEmpNo"_s;
    }
    void accidentRowCheckOrder()
    {
        QFETCH(Fields, spoilt);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        openDay(m_accidents);
        Fill(m_accidents.get(), ValidAccident());
        Fill(m_accidents.get(), spoilt);
        m_accidents.press(Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{message});
        QCOMPARE(InputControlOf(QApplication::focusWidget()), m_accidents.find<QWidget>(focus));
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.ec070ms"_s), u"0"_s);
    }

    // 14:05 is kept as 1405; a 30-character name of the party at fault is
    // kept whole; the personal numbers are stored encrypted and read back.
    void accidentSaved()
    {
        openDay(m_accidents);
        const QString longName = QString(30, QChar(0xB098));
        Fill(m_accidents.get(), ValidAccident());
        Fill(m_accidents.get(), {{u"edtOffenseName"_s, longName}, {u"edtLossIdNo"_s, u"9501011234567"_s},
                                 {u"edtTrobName"_s, QString(40, QChar(0xAC00))}});
        m_accidents.press(Qt::Key_F2);
        QVERIFY2(m_boxes->texts().size() == 1, qPrintable(m_boxes->texts().join(u" | "_s)));
        QCOMPARE(m_db->adminScalar(u"SELECT trob_time || ':' || offense_name || ':' || length(trob_name) || ':' ||"
                                   " (loss_id_no <> '9501011234567') || ':' || ktuser.fn_za010ms_04(loss_id_no)"
                                   " FROM ktuser.ec070ms"_s),
                 u"1405:%1:40:true:9501011234567"_s.arg(longName));
        QCOMPARE(m_accidents->Rows().value(0, u"LOSS_ID_NO"_s), u"9501011234567"_s);
    }

    // Two new rows of one date for a group are refused; the same date of
    // another group is its own.
    void groupDatesOnce()
    {
        openGroup(u"4400000001"_s);
        Fill(m_groups.get(), {{u"wmeLectureDate"_s, u"20261220"_s}, {u"wneTrainerCntSkiAm"_s, u"5"_s},
                              {u"wneTrainerCntBoardAmNt"_s, u"2"_s}});
        m_groups.press(Qt::Key_F4);
        Fill(m_groups.get(), {{u"wmeLectureDate"_s, u"20261220"_s}});
        m_groups.press(Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{u"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."_s});
        QCOMPARE(InputControlOf(QApplication::focusWidget()), m_groups.find<QWidget>(u"wmeLectureDate"_s));
        Fill(m_groups.get(), {{u"wmeLectureDate"_s, u"20261221"_s}});
        m_boxes->clear();
        m_groups.press(Qt::Key_F2);
        QVERIFY2(m_boxes->texts().size() == 1, qPrintable(m_boxes->texts().join(u" | "_s)));

        openGroup(u"4400000002"_s);
        Fill(m_groups.get(), {{u"wmeLectureDate"_s, u"20261220"_s}});
        m_groups.press(Qt::Key_F2);
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(event_no || '/' || lecture_date || ':' || trainer_cnt_ski_am ||"
                                   " '-' || trainer_cnt_board_nt || '-' || lecturer_cnt_baby_dn, ' '"
                                   " ORDER BY event_no, lecture_date) FROM ktuser.ec080ms"_s),
                 u"4400000001/20261220:5-2-0 4400000001/20261221:0-0-0 4400000002/20261220:0-0-0"_s);
    }

    void groupDateChecks_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << u""_s << u"*강습일자을(를) 먼저 입력하십시오."_s;
        QTest::newRow("no 30th of February") << u"20270230"_s << u"*강습일자을(를) 정확히 입력하십시오."_s;
        QTest::newRow("half a date") << u"2027"_s << u"*강습일자을(를) 정확히 입력하십시오."_s;
    }
    void groupDateChecks()
    {
        QFETCH(QString, date);
        QFETCH(QString, message);
        openGroup(u"4400000001"_s);
        Fill(m_groups.get(), {{u"wmeLectureDate"_s, date}, {u"wneTrainerCntSkiAm"_s, u"1"_s}});
        m_groups.press(Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{message});
    }

    // The group number's checks before a search.
    void groupSearchChecks_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << u""_s << u"*제휴단체번호을(를) 먼저 입력하십시오."_s;
        QTest::newRow("a cancelled group") << u"4400000003"_s << u"*제휴단체번호을(를) 정확히 입력하십시오."_s;
        QTest::newRow("a member of another group") << u"2000000101"_s << u"*제휴단체번호을(를) 정확히 입력하십시오."_s;
    }
    void groupSearchChecks()
    {
        QFETCH(QString, number);
        QFETCH(QString, message);
        QVERIFY(m_groups.open());
        m_groups.find<QLineEdit>(u"edtEventNo"_s)->setText(number);
        m_groups.press(Qt::Key_F3);
        QCOMPARE(m_boxes->texts(), QStringList{message});
        QVERIFY(m_groups->IsSearchMode());
        QCOMPARE(m_groups.find<QLabel>(u"wlbEventNo"_s)->text(), QString());
        QCOMPARE(QApplication::focusWidget(), m_groups.find<QWidget>(u"edtEventNo"_s));
    }

private:
    template <typename Screen>
    void openDay(ShownScreen<Screen> &screen)
    {
        QVERIFY(screen.open());
        screen.template find<DateEdit>(u"dtpDate"_s)->setDate(Day);
        screen.press(Qt::Key_F3);
        QVERIFY2(!screen->IsSearchMode(), qPrintable(m_boxes->texts().join(u" | "_s)));
        m_boxes->clear();
    }
    void openGroup(const QString &number)
    {
        QVERIFY(m_groups.open());
        m_groups.find<QLineEdit>(u"edtEventNo"_s)->setText(number);
        m_groups.press(Qt::Key_F3);
        QVERIFY2(!m_groups->IsSearchMode(), qPrintable(m_boxes->texts().join(u" | "_s)));
        QVERIFY(!m_groups.find<QLabel>(u"wlbEventNo"_s)->text().isEmpty());
        m_boxes->clear();
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
    ShownScreen<TfrmECI060> m_private{openLater};
    ShownScreen<TfrmECI070> m_accidents{openLater};
    ShownScreen<TfrmECI080> m_groups{openLater};
};

QTEST_MAIN(TestLessonDays)
#include "tst_lesson_days.moc"
