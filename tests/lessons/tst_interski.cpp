#include "CounterConnection.h"
#include "ECI170.h"
#include "ECI190.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "Interski.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Instructors 7 (김강사) and 8 (이강사) of 2026; 9 is inactive. 김강사 takes
// two on Sunday and one on Saturday, 이강사 three on Monday. Bookings: 1
// unconfirmed with 김강사 on Sunday, 2 unconfirmed without an instructor,
// 3 cancelled.
const QString Fixture =
    u"TRUNCATE ktuser.ec100ms, ktuser.ec090dt, ktuser.ec090ms;"
    "DELETE FROM kest_private.counters WHERE series LIKE 'ec100ms%';"
    "INSERT INTO ktuser.ec090ms VALUES ('2026', 7, '김강사', '상', 'Y'), ('2026', 8, '이강사', '중', 'Y'),"
    " ('2026', 9, '박쉼', '하', 'N'), ('2025', 7, '김강사', '상', 'Y');"
    "INSERT INTO ktuser.ec090dt (season_year, coach_no, class_day_code, tot_cls_cnt, re_cls_cnt) VALUES"
    " ('2026', 7, '1', 2, 2), ('2026', 7, '7', 1, 1), ('2026', 8, '2', 3, 3);"
    "INSERT INTO ktuser.ec100ms (season_year, rsv_no, status_code, fix_yn, guest_name, student_name, coach_no,"
    " class_day_code, remarks) VALUES"
    " ('2026', 1, 'R', 'N', '가신청', '가학생', 7, '1', 'a'),"
    " ('2026', 2, NULL, 'N', '나신청', '나학생', NULL, NULL, 'b'),"
    " ('2026', 3, 'C', 'N', '다신청', '다학생', 8, '2', 'c')"_s;

// A call of the booking procedure as a counter makes it.
QString BookingCall(const QString &number, const QString &state, const QString &fix, const QString &coach,
                    const QString &day)
{
    const auto text = [](const QString &v) { return v.isNull() ? u"NULL"_s : u"'"_s + v + u"'"_s; };
    return u"SELECT * FROM ktuser.pr_eci100_01(arsv_no => %1, astatus_code => %2, afix_yn => %3, acoach_no => %4,"
           " aclass_day_code => %5, aseason_year => '2026', au_emp_no => 'E001', au_ip => '127.0.0.1')"_s
        .arg(text(number), text(state), text(fix), text(coach), text(day));
}

} // namespace

// The Interski places and bookings: the screens' mappings, the places a
// confirmed booking holds and what two counters at once get.
class TestInterski : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->loadLookups();
    }
    void cleanupTestCase() { m_db.reset(); }
    void init()
    {
        m_db->adminExec(Fixture);
        m_boxes = std::make_unique<RecordingModal>();
    }
    void cleanup()
    {
        m_places.reset();
        m_bookings.reset();
        m_boxes.reset();
    }

    // The season year the screens start with: that of the date 180 days back.
    void startingYear_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("year");
        QTest::newRow("March: last autumn's season") << QDate(2025, 3, 15) << u"2024"_s;
        QTest::newRow("October: this autumn's") << QDate(2025, 10, 1) << u"2025"_s;
        QTest::newRow("180 days back is New Year's Eve") << QDate(2025, 6, 29) << u"2024"_s;
        QTest::newRow("180 days back is New Year's Day") << QDate(2025, 6, 30) << u"2025"_s;
        QTest::newRow("a leap year's February counts") << QDate(2024, 6, 28) << u"2023"_s;
        QTest::newRow("the leap year's day after") << QDate(2024, 6, 29) << u"2024"_s;
    }
    void startingYear()
    {
        QFETCH(QDate, today);
        QFETCH(QString, year);
        QCOMPARE(Interski::StartingYear(today), year);
    }

    // How a grid row becomes the booking procedure's state, confirmation and weekday.
    void bookingMappings_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("fix");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("sent"); // state|confirmation|weekday code
        QTest::newRow("no number: a new booking") << u""_s << u"U"_s << u"Y "_s << u"일요일"_s << u"R|Y|1"_s;
        QTest::newRow("cancelled stays cancelled") << u"12"_s << u"C"_s << u"N "_s << u"월요일"_s << u"C|N|2"_s;
        QTest::newRow("no state stays without") << u"12"_s << u""_s << u"N"_s << u"화요일"_s << u"|N|3"_s;
        QTest::newRow("booked becomes changed") << u"12"_s << u"R"_s << u"Y "_s << u"수요일"_s << u"U|Y|4"_s;
        QTest::newRow("changed stays changed") << u"12"_s << u"U"_s << u"Y "_s << u"목요일"_s << u"U|Y|5"_s;
        QTest::newRow("Friday") << u"12"_s << u"U"_s << u"Y "_s << u"금요일"_s << u"U|Y|6"_s;
        QTest::newRow("Saturday") << u"12"_s << u"U"_s << u"Y "_s << u"토요일"_s << u"U|Y|7"_s;
        QTest::newRow("no weekday name") << u"12"_s << u"U"_s << u"N "_s << u"주말"_s << u"U|N|"_s;
        QTest::newRow("a short name is none") << u"12"_s << u"U"_s << u"N "_s << u"일"_s << u"U|N|"_s;
    }
    void bookingMappings()
    {
        QFETCH(QString, number);
        QFETCH(QString, state);
        QFETCH(QString, fix);
        QFETCH(QString, day);
        QFETCH(QString, sent);
        const QString mapped = QStringList{Interski::SaveState(number, state), Interski::Confirmation(fix),
                                           Interski::WeekdayCode(day)}
                                   .join(u'|');
        QCOMPARE(mapped, sent);
    }

    // Two bookings changed before one save go in one transaction, each
    // mapped: confirming the first takes 김강사's Sunday place, the second
    // gets 이강사's Monday; the cancelled one stays cancelled; the rows are
    // read again, the confirmed ones on light green.
    void severalBookingsInOneSave()
    {
        openBookings();
        GridModel &rows = m_bookings->Rows();
        QCOMPARE(rows.rowCount(), 3);
        rows.setValue(0, u"FIX_YN"_s, u"Y"_s);
        rows.setValue(1, u"FIX_YN"_s, u"Y"_s);
        rows.setValue(1, u"COACH_NO"_s, u"8"_s);
        rows.setValue(1, u"CLASS_DAY_NAME"_s, u"월요일"_s);
        rows.setValue(2, u"REMARKS"_s, u"다시 연락"_s);
        m_bookings->Grid()->setCurrentRow(0);
        m_bookings->Grid()->setCurrentRow(1);
        m_bookings->Grid()->setCurrentRow(2);
        m_bookings.press(Qt::Key_F2);
        QVERIFY2(m_boxes->texts() == QStringList{u"저장 하시겠습니까?"_s}, qPrintable(m_boxes->texts().join(u" | "_s)));
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(rsv_no || ':' || coalesce(status_code, '-') || fix_yn || "
                                   "coalesce(coach_no::text, '-') || coalesce(class_day_code, '-'), ' ' ORDER BY rsv_no)"
                                   " FROM ktuser.ec100ms"_s),
                 u"1:UY71 2:-Y82 3:CN82"_s);
        QCOMPARE(places(), u"7/1:1 7/7:1 8/2:2"_s);
        QCOMPARE(rows.rowCount(), 3);
        QCOMPARE(rows.value(1, u"COACH_NAME"_s), u"이강사"_s);
        QCOMPARE(m_bookings->Grid()->rowColour(0).background, QColor(185, 255, 185));
        QCOMPARE(m_bookings->Grid()->rowColour(2).background, QColor());
    }

    // A refusal rolls the whole save back: the first booking keeps no place.
    void aRefusedBookingKeepsNothing()
    {
        m_db->adminExec(u"UPDATE ktuser.ec090dt SET re_cls_cnt = 0 WHERE coach_no = 8"_s);
        openBookings();
        GridModel &rows = m_bookings->Rows();
        rows.setValue(0, u"FIX_YN"_s, u"Y"_s);
        rows.setValue(1, u"FIX_YN"_s, u"Y"_s);
        rows.setValue(1, u"COACH_NO"_s, u"8"_s);
        rows.setValue(1, u"CLASS_DAY_NAME"_s, u"월요일"_s);
        m_bookings->Grid()->setCurrentRow(0);
        m_bookings->Grid()->setCurrentRow(1);
        m_bookings.press(Qt::Key_F2);
        QVERIFY2(m_boxes->lastText().startsWith(u"자료를 저장하지 못했습니다.\r\r에러내용:\r"_s), qPrintable(m_boxes->lastText()));
        QVERIFY2(m_boxes->lastText().contains(u"이강사 강사(8)의 월요일 수강 인원이 모두 찼습니다."_s),
                 qPrintable(m_boxes->lastText()));
        QCOMPARE(places(), u"7/1:2 7/7:1 8/2:0"_s);
        QCOMPARE(rows.value(1, u"FIX_YN"_s), u"Y"_s); // the row stays as edited
    }

    // An empty grid has nothing to save and says nothing.
    void saveOnAnEmptyGrid()
    {
        QVERIFY(m_bookings.open());
        m_bookings.find<TextEdit>(u"edtSeason"_s)->setText(u"1999"_s);
        m_bookings.press(Qt::Key_F3);
        QCOMPARE(m_bookings->Rows().rowCount(), 0);
        m_boxes->clear();
        m_bookings.press(Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList());
    }

    // The drop-down offers the active instructors of the starting year.
    void instructorList()
    {
        m_db->adminExec(u"INSERT INTO ktuser.ec090ms VALUES ('%1', 41, '올해강사', '상', 'Y'),"
                        " ('%1', 42, '쉬는강사', '상', 'N')"_s.arg(Interski::StartingYear(QDate::currentDate())));
        openBookings();
        const GridModel &rows = m_bookings->Rows();
        const QStringList offered = rows.pickList(rows.columnOf(u"COACH_NO"_s)).codes;
        QVERIFY2(offered.contains(u"41"_s) && !offered.contains(u"42"_s) && !offered.contains(u"9"_s),
                 qPrintable(offered.join(u","_s)));
        m_db->adminExec(u"DELETE FROM ktuser.ec090ms WHERE coach_no IN (41, 42)"_s);
    }

    // What the server does with places: a confirmation takes one, refused at
    // none; unconfirming, cancelling and moving give it back.
    void placeAccounting_data()
    {
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("places");
        QTest::newRow("confirming takes a place") << QStringList{BookingCall(u"1"_s, u"U"_s, u"Y"_s, u"7"_s, u"1"_s)}
                                                  << QString() << u"7/1:1 7/7:1 8/2:3"_s;
        QTest::newRow("saving it again takes no second")
            << QStringList{BookingCall(u"1"_s, u"U"_s, u"Y"_s, u"7"_s, u"1"_s),
                           BookingCall(u"1"_s, u"U"_s, u"Y"_s, u"7"_s, u"1"_s)}
            << QString() << u"7/1:1 7/7:1 8/2:3"_s;
        QTest::newRow("unconfirming gives it back")
            << QStringList{BookingCall(u"1"_s, u"U"_s, u"Y"_s, u"7"_s, u"1"_s),
                           BookingCall(u"1"_s, u"U"_s, u"N"_s, u"7"_s, u"1"_s)}
            << QString() << u"7/1:2 7/7:1 8/2:3"_s;
        QTest::newRow("cancelling gives it back")
            << QStringList{BookingCall(u"1"_s, u"U"_s, u"Y"_s, u"7"_s, u"1"_s),
                           BookingCall(u"1"_s, u"C"_s, u"Y"_s, u"7"_s, u"1"_s)}
            << QString() << u"7/1:2 7/7:1 8/2:3"_s;
        QTest::newRow("moving to another day")
            << QStringList{BookingCall(u"1"_s, u"U"_s, u"Y"_s, u"7"_s, u"1"_s),
                           BookingCall(u"1"_s, u"U"_s, u"Y"_s, u"7"_s, u"7"_s)}
            << QString() << u"7/1:2 7/7:0 8/2:3"_s;
        QTest::newRow("moving to another instructor")
            << QStringList{BookingCall(u"1"_s, u"U"_s, u"Y"_s, u"7"_s, u"1"_s),
                           BookingCall(u"1"_s, u"U"_s, u"Y"_s, u"8"_s, u"2"_s)}
            << QString() << u"7/1:2 7/7:1 8/2:2"_s;
        QTest::newRow("a full day is refused, naming instructor and day")
            << QStringList{BookingCall(u"2"_s, u"U"_s, u"Y"_s, u"7"_s, u"7"_s),
                           BookingCall(u"1"_s, u"U"_s, u"Y"_s, u"7"_s, u"7"_s)}
            << u"김강사 강사(7)의 토요일 수강 인원이 모두 찼습니다."_s << u"7/1:2 7/7:0 8/2:3"_s;
        QTest::newRow("a day without places is refused")
            << QStringList{BookingCall(u"1"_s, u"U"_s, u"Y"_s, u"7"_s, u"3"_s)}
            << u"김강사 강사(7)의 화요일 수강 인원이 모두 찼습니다."_s << u"7/1:2 7/7:1 8/2:3"_s;
        QTest::newRow("a new confirmed booking takes one")
            << QStringList{BookingCall(QString(), u"R"_s, u"Y"_s, u"8"_s, u"2"_s)} << QString()
            << u"7/1:2 7/7:1 8/2:2"_s;
        QTest::newRow("reopening a cancelled confirmed booking takes one")
            << QStringList{u"UPDATE ktuser.ec100ms SET fix_yn = 'Y' WHERE rsv_no = 3"_s,
                           BookingCall(u"3"_s, u"U"_s, u"Y"_s, u"8"_s, u"2"_s)}
            << QString() << u"7/1:2 7/7:1 8/2:2"_s;
        QTest::newRow("a hand correction is never exceeded when giving back")
            << QStringList{BookingCall(u"1"_s, u"U"_s, u"Y"_s, u"7"_s, u"1"_s),
                           u"UPDATE ktuser.ec090dt SET re_cls_cnt = 2 WHERE coach_no = 7 AND class_day_code = '1'"_s,
                           BookingCall(u"1"_s, u"C"_s, u"Y"_s, u"7"_s, u"1"_s)}
            << QString() << u"7/1:2 7/7:1 8/2:3"_s;
    }
    void placeAccounting()
    {
        QFETCH(QStringList, calls);
        QFETCH(QString, error);
        QFETCH(QString, places);
        QString refused;
        for (const QString &call : calls) {
            try {
                m_db->adminExec(call);
            } catch (const std::exception &e) {
                refused = QString::fromUtf8(e.what());
            }
        }
        if (error.isEmpty())
            QCOMPARE(refused, QString());
        else
            QVERIFY2(refused.contains(error), qPrintable(refused));
        QCOMPARE(this->places(), places);
    }

    // A new booking gets the number after every stored one of its year,
    // numbers that arrived from outside included, and says so.
    void newBookingNumber()
    {
        m_db->adminExec(u"INSERT INTO ktuser.ec100ms (season_year, rsv_no, fix_yn) VALUES ('2026', 40, 'N')"_s);
        QCOMPARE(m_db->adminScalar(BookingCall(QString(), u"R"_s, u"N"_s, QString(), QString())
                                       .replace(u"SELECT *"_s, u"SELECT arsv_no || ' ' || amsg"_s)),
                 u"41 예약번호 41을(를) 등록했습니다."_s);
    }

    // Two counters confirming the last Saturday place of 김강사 at once: the
    // second waits for the weekday, then is refused; one confirmation.
    void lastPlaceFromTwoCounters()
    {
        const OverlappingSaves saves = SaveAtOnce(*m_db, BookingCall(u"1"_s, u"U"_s, u"Y"_s, u"7"_s, u"7"_s),
                                                  BookingCall(u"2"_s, u"U"_s, u"Y"_s, u"7"_s, u"7"_s));
        QCOMPARE(saves.firstError, QString());
        QVERIFY(saves.secondWaited);
        QVERIFY2(saves.secondError.contains(u"김강사 강사(7)의 토요일 수강 인원이 모두 찼습니다."_s),
                 qPrintable(saves.secondError));
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.ec100ms WHERE fix_yn = 'Y'"_s), u"1"_s);
        QCOMPARE(places(), u"7/1:2 7/7:0 8/2:3"_s);
    }

    // Two counters adding bookings at once get distinct numbers.
    void newBookingsFromTwoCounters()
    {
        const OverlappingSaves saves = SaveAtOnce(*m_db, BookingCall(QString(), u"R"_s, u"N"_s, QString(), QString()),
                                                  BookingCall(QString(), u"R"_s, u"N"_s, QString(), QString()));
        QCOMPARE(saves.firstError, QString());
        QCOMPARE(saves.secondError, QString());
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(rsv_no::text, ',' ORDER BY rsv_no) FROM ktuser.ec100ms"_s),
                 u"1,2,3,4,5"_s);
    }

    // The places screen: the register's instructors of the year, each row's
    // fourteen places sent as the seven weekdays of its own instructor.
    void placesOfTwoInstructorsInOneSave()
    {
        QVERIFY(m_places.open());
        QVERIFY(!m_places.find<QWidget>(u"bbtAdd"_s)->isVisible());
        m_places.find<TextEdit>(u"edtSeason"_s)->setText(u"2026"_s);
        m_places.press(Qt::Key_F3);
        GridModel &rows = m_places->Rows();
        QCOMPARE(rows.rowCount(), 3);
        QCOMPARE(rows.value(2, u"TOT_CLS_SUN"_s), QString()); // no weekday rows: empty places
        QVERIFY(!m_places.find<QLineEdit>(u"Edit1"_s)->isEnabled() || m_places.find<QLineEdit>(u"Edit1"_s)->isReadOnly());
        // Typed into the panel's edits, row by row, as the clerk does.
        const QStringList days = {u"Sun"_s, u"Mon"_s, u"Tue"_s, u"Wed"_s, u"Thu"_s, u"Fri"_s, u"Sat"_s};
        for (int row = 0; row < 2; ++row) {
            m_places->Grid()->setCurrentRow(row);
            for (int n = 0; n < 7; ++n) {
                m_places.find<QLineEdit>(u"wNumEdit_Tot_"_s + days.at(n))
                    ->setText(QString::number(row == 0 ? 120 : n + 1));
                m_places.find<QLineEdit>(u"wNumEdit_Re_"_s + days.at(n))
                    ->setText(QString::number(row == 0 ? 100 + n : n));
            }
        }
        m_places.press(Qt::Key_F2);
        QVERIFY2(m_boxes->texts().size() == 1, qPrintable(m_boxes->texts().join(u" | "_s))); // the confirmation
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(coach_no || '/' || class_day_code || ':' || tot_cls_cnt || '-' ||"
                                   " re_cls_cnt, ' ' ORDER BY coach_no, class_day_code) FROM ktuser.ec090dt"_s),
                 u"7/1:120-100 7/2:120-101 7/3:120-102 7/4:120-103 7/5:120-104 7/6:120-105 7/7:120-106 "
                 "8/1:1-0 8/2:2-1 8/3:3-2 8/4:4-3 8/5:5-4 8/6:6-5 8/7:7-6"_s);
        QCOMPARE(m_places->Rows().value(0, u"TOT_CLS_SAT"_s), u"120"_s);
    }

    // The hand correction keeps free places within the maximum.
    void moreFreePlacesThanTheMostRefused()
    {
        QString refused;
        try {
            m_db->adminExec(u"SELECT ktuser.pr_eci170_01('2026', '7', '1', '2', '3', aeditstatus => '1')"_s);
        } catch (const std::exception &e) {
            refused = QString::fromUtf8(e.what());
        }
        QVERIFY2(refused.contains(u"잔여인원_일은(는) 0부터 최대인원 2까지의 숫자로 입력하십시오."_s), qPrintable(refused));
    }

private:
    void openBookings()
    {
        QVERIFY(m_bookings.open());
        m_bookings.find<TextEdit>(u"edtSeason"_s)->setText(u"2026"_s);
        m_bookings.press(Qt::Key_F3);
        m_boxes->clear();
    }
    // Free places per instructor and weekday with any row, "7/1:2 ...".
    QString places() const
    {
        return m_db->adminScalar(u"SELECT string_agg(coach_no || '/' || class_day_code || ':' || re_cls_cnt, ' '"
                                 " ORDER BY coach_no, class_day_code) FROM ktuser.ec090dt WHERE season_year = '2026'"_s);
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
    ShownScreen<TfrmECI170> m_places{openLater};
    ShownScreen<TfrmECI190> m_bookings{openLater};
};

QTEST_MAIN(TestInterski)
#include "tst_interski.moc"
