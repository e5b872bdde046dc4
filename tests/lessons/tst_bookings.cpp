#include "CounterConnection.h"
#include "ECI050.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString DayKey(int days)
{
    return QDate::currentDate().addDays(days).toString(u"yyyyMMdd"_s);
}

// A booking call as a counter sends it.
QString BookCall(const QString &emp, int persons)
{
    return u"SELECT ktuser.pr_eci050_01(ayaeyak_date => '%1', alecture_item_gubun => '01', alecture_rec_gubun => '04', "
           "alecture_detail_gubun => '01', aemp_no => '%2', aemp_name => '직원', ayaeyak_cnt => '%3', "
           "au_emp_no => 'T1', aeditstatus => '1')"_s.arg(DayKey(1), emp, QString::number(persons));
}

} // namespace

// Staff bookings through the screen: tomorrow's slot "스키/직원강습/입문"
// has 10 places, 7 of them booked by E002; "스키/직원강습/초급" has 5, none
// booked. E002 also holds a booking the day after.
class TestBookings : public QObject
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
        m_db->adminExec(u"TRUNCATE ktuser.ec040ms, ktuser.ec050ms, ktuser.ec050hs"_s);
        m_db->adminExec(u"INSERT INTO ktuser.ec040ms (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, "
                        "lecture_detail_gubun, yaeyak_ability_cnt, remark) VALUES "
                        "('%1', '01', '04', '01', 10, '입문 오전반'), ('%1', '01', '04', '02', 5, NULL), "
                        "('%2', '01', '04', '01', 10, NULL); "
                        "INSERT INTO ktuser.ec050ms (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, "
                        "lecture_detail_gubun, emp_no, emp_name, yaeyak_cnt) VALUES "
                        "('%1', '01', '04', '01', 'E002', '이직원', 7), ('%2', '01', '04', '01', 'E002', '이직원', 1)"_s
                            .arg(DayKey(1), DayKey(2)));
        m_boxes = std::make_unique<RecordingModal>();
    }
    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
    }

    void searchOnlyBookableDates_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("message");
        QTest::newRow("today") << 0 << u"지난일자[오늘일자 포함]는 예약할 수 없습니다"_s;
        QTest::newRow("yesterday") << -1 << u"지난일자[오늘일자 포함]는 예약할 수 없습니다"_s;
        QTest::newRow("a day without places") << 5 << u"선택하신 일자는 예약할 수 없습니다"_s;
    }
    void searchOnlyBookableDates()
    {
        QFETCH(int, day);
        QFETCH(QString, message);
        QVERIFY(m_screen.open());
        m_screen.find<DateEdit>(u"dtpDate"_s)->setDateKey(DayKey(day));
        m_screen.press(Qt::Key_F3);
        QCOMPARE(m_boxes->texts(), QStringList{message});
        QVERIFY(m_screen->IsSearchMode());
        QCOMPARE(InputControlOf(QApplication::focusWidget()), m_screen.find<QWidget>(u"dtpDate"_s));
    }

    void searchShowsTheLessonStatus()
    {
        search();
        const GridModel &status = m_screen->Status();
        QCOMPARE(status.rowCount(), 2);
        QCOMPARE(status.displayText(0, 0), u"스키"_s);
        QCOMPARE(status.value(0, u"LECTURE_DETAIL_NAME"_s), u"입문"_s);
        QCOMPARE(status.value(0, u"YAEYAK_CNT"_s), u"7"_s);
        QCOMPARE(status.value(1, u"YAEYAK_CNT"_s), u"0"_s);
        QCOMPARE(m_screen.find<TextEdit>(u"edtLectureDetailName"_s)->text(), u"입문"_s);
        QCOMPARE(m_screen.find<QPlainTextEdit>(u"memRemark"_s)->toPlainText(), u"입문 오전반"_s);
        QCOMPARE(QApplication::focusWidget(), m_screen.find<QWidget>(u"rgrGrid"_s));
    }

    // The checks of a booking in their order, each with its message and
    // focus; the counts are the database's at the moment of booking.
    void bookChecks_data()
    {
        QTest::addColumn<QString>("emp");
        QTest::addColumn<QString>("persons");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no employee") << QString() << u"0"_s << u"사번을(를) 먼저 입력하십시오."_s << u"edtEmpNo"_s;
        QTest::newRow("no such employee") << u"X999"_s << u"0"_s << u"사번을(를) 정확히 입력하십시오."_s
                                          << u"edtEmpNo"_s;
        QTest::newRow("no persons") << u"E001"_s << u"0"_s << u"강습인원을(를) 먼저 입력하십시오."_s
                                    << u"wneLectureCnt"_s;
        QTest::newRow("booked already, whatever the count") << u"E002"_s << u"99"_s
                                                            << u"선택한신 강습은 이미 예약이 되었습니다"_s << u"edtEmpNo"_s;
        QTest::newRow("more than the places left")
            << u"E001"_s << u"4"_s << u"예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [3 명]입니다"_s
            << u"wneLectureCnt"_s;
    }
    void bookChecks()
    {
        QFETCH(QString, emp);
        QFETCH(QString, persons);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        search();
        typeEmployee(emp);
        m_screen.find<NumberEdit>(u"wneLectureCnt"_s)->setText(persons);
        m_boxes->clear();
        m_screen.press(Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{message});
        QCOMPARE(InputControlOf(QApplication::focusWidget()), m_screen.find<QWidget>(focus));
        QCOMPARE(m_db->adminScalar(u"SELECT sum(yaeyak_cnt) FROM ktuser.ec050ms"_s), u"8"_s);
    }

    // The last places booked; the bookings list shows the new one at once;
    // then the slot is full.
    void bookTheLastPlaces()
    {
        search();
        typeEmployee(u"E001"_s);
        QCOMPARE(m_screen.find<QLabel>(u"wlbEmpName"_s)->text(), u"김직원"_s);
        QCOMPARE(m_screen->Bookings().rowCount(), 0);
        m_screen.find<NumberEdit>(u"wneLectureCnt"_s)->setText(u"3"_s);
        m_screen.find<TextEdit>(u"edtRemark"_s)->setText(u"가족 동반"_s);
        m_screen.press(Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{u"예약이 정상적으로 처리되었습니다"_s});
        QCOMPARE(m_db->adminScalar(u"SELECT emp_no || '/' || emp_name || '/' || yaeyak_cnt || '/' || remark || '/' || "
                                   "au_emp_no FROM ktuser.ec050ms WHERE emp_no = 'E001'"_s),
                 u"E001/김직원/3/가족 동반/T0001"_s);
        QCOMPARE(m_screen->Bookings().rowCount(), 1);
        QCOMPARE(m_screen->Bookings().value(0, u"YAEYAK_DATE"_s), QDate::currentDate().addDays(1).toString(u"yyyy-MM-dd"_s));
        QCOMPARE(m_screen->Bookings().value(0, u"CANCEL_MARK"_s), u"예약취소"_s);

        typeEmployee(u"E002"_s);
        m_screen.find<GridView>(u"rgrGrid"_s)->setCurrentRow(1);
        m_screen.find<NumberEdit>(u"wneLectureCnt"_s)->setText(u"6"_s);
        m_boxes->clear();
        m_screen.press(Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{u"예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [5 명]입니다"_s});
    }

    // A slot whose places were deleted after the search has none left.
    void slotDeletedAfterTheSearch()
    {
        search();
        m_screen.find<GridView>(u"rgrGrid"_s)->setCurrentRow(1);
        m_db->adminExec(u"DELETE FROM ktuser.ec040ms WHERE lecture_detail_gubun = '02'"_s);
        typeEmployee(u"E001"_s);
        m_screen.find<NumberEdit>(u"wneLectureCnt"_s)->setText(u"1"_s);
        m_screen.press(Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{u"예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [0 명]입니다"_s});
    }

    // A cancel from the bookings list, by its cell, Enter or Delete: asked,
    // its reason taken (none when the dialog is closed), the booking of the
    // row's own date cancelled, kept in the history, and the list read again.
    void cancelABooking_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("reasonGiven");
        QTest::newRow("Delete, with a reason") << int(Qt::Key_Delete) << 0 << true;
        QTest::newRow("Enter, dialog closed") << int(Qt::Key_Return) << 0 << false;
        QTest::newRow("the cell, another date") << 0 << 1 << true;
    }
    void cancelABooking()
    {
        QFETCH(int, how);
        QFETCH(int, row);
        QFETCH(bool, reasonGiven);
        search();
        typeEmployee(u"E002"_s);
        QCOMPARE(m_screen->Bookings().rowCount(), 2);
        QString caption;
        m_boxes->dialogScript = [&](QDialog &dialog) {
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            if (!QTest::qWaitForWindowActive(&dialog))
                return 0;
            caption = dialog.windowTitle();
            if (!reasonGiven) {
                QTest::keyClick(&dialog, Qt::Key_Escape);
                return dialog.result();
            }
            dialog.findChild<TextEdit *>(u"edtCancelRemark"_s)->insert(u"출장"_s); // as the input method commits it
            QTest::keyClick(&dialog, Qt::Key_F10);
            return dialog.result();
        };
        auto *grid = m_screen.find<GridView>(u"rgrGridYaeyak"_s);
        grid->setFocus();
        grid->setCurrentRow(row);
        m_boxes->clear();
        if (how)
            QTest::keyClick(grid, Qt::Key(how));
        else
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(m_screen->Bookings().index(row, 0)).center());
        QCOMPARE(caption, u"취소사유 입력"_s);
        QCOMPARE(m_boxes->texts(),
                 (QStringList{u"정말 예약취소 하시겠습니까?"_s, u"예약취소가 정상적으로 처리되었습니다"_s}));
        QCOMPARE(m_db->adminScalar(u"SELECT yaeyak_date || '/' || yaeyak_cnt || '/' || COALESCE(cancel_remark, '-') "
                                   "|| '/' || au_emp_no FROM ktuser.ec050hs"_s),
                 DayKey(row + 1) + (row == 0 ? u"/7/"_s : u"/1/"_s) + (reasonGiven ? u"출장"_s : u"-"_s) + u"/T0001"_s);
        QCOMPARE(m_screen->Bookings().rowCount(), 1);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.ec050ms"_s), u"1"_s);
    }

    void cancelNotConfirmed()
    {
        search();
        typeEmployee(u"E002"_s);
        m_boxes->confirmAnswers = {false};
        auto *grid = m_screen.find<GridView>(u"rgrGridYaeyak"_s);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(m_boxes->texts(), QStringList{u"정말 예약취소 하시겠습니까?"_s});
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.ec050ms"_s), u"2"_s);
    }

    // A booking cancelled from another counter meanwhile: the server says so
    // and the list drops the stale row instead of inviting a second cancel.
    void cancelABookingAlreadyGone()
    {
        search();
        typeEmployee(u"E002"_s);
        m_db->adminExec(u"DELETE FROM ktuser.ec050ms WHERE yaeyak_date = '%1'"_s.arg(DayKey(1)));
        auto *grid = m_screen.find<GridView>(u"rgrGridYaeyak"_s);
        grid->setFocus();
        grid->setCurrentRow(0);
        m_boxes->clear();
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(m_boxes->texts().value(1), u"자료를 저장하지 못했습니다.\r\r에러내용:\r"
                                             "이미 취소되었거나 없는 예약입니다. 다시 조회하십시오."_s);
        QCOMPARE(m_screen->Bookings().rowCount(), 1);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.ec050hs"_s), u"0"_s);
    }

    void cancelKeyEmptiesTheScreen()
    {
        search();
        typeEmployee(u"E002"_s);
        m_screen.find<NumberEdit>(u"wneLectureCnt"_s)->setText(u"2"_s);
        m_screen.press(Qt::Key_F8);
        QVERIFY(m_screen->IsSearchMode());
        QCOMPARE(m_screen.find<TextEdit>(u"edtEmpNo"_s)->text(), QString());
        QCOMPARE(m_screen.find<QLabel>(u"wlbEmpName"_s)->text(), QString());
        QCOMPARE(m_screen.find<NumberEdit>(u"wneLectureCnt"_s)->value(), 0);
        QCOMPARE(m_screen->Status().rowCount(), 0);
        QCOMPARE(m_screen->Bookings().rowCount(), 0);
    }

    // Two employees booking the last places from two counters at once: the
    // second waits for the slot, then is told the places left; never overbooked.
    void lastPlacesFromTwoCounters()
    {
        const OverlappingSaves saves = SaveAtOnce(*m_db, BookCall(u"E001"_s, 3), BookCall(u"E003"_s, 3));
        QCOMPARE(saves.firstError, QString());
        QVERIFY(saves.secondWaited);
        QVERIFY2(saves.secondError.contains(u"예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [0 명]입니다"_s),
                 qPrintable(saves.secondError));
        QCOMPARE(m_db->adminScalar(u"SELECT sum(yaeyak_cnt) FROM ktuser.ec050ms WHERE yaeyak_date = '%1' "
                                   "AND lecture_detail_gubun = '01'"_s.arg(DayKey(1))),
                 u"10"_s);
    }

private:
    void search()
    {
        QVERIFY(m_screen.open());
        m_screen.find<DateEdit>(u"dtpDate"_s)->setDateKey(DayKey(1));
        m_screen.press(Qt::Key_F3);
        QVERIFY2(!m_screen->IsSearchMode(), qPrintable(m_boxes->texts().join(u" | "_s)));
        m_boxes->clear();
    }
    void typeEmployee(const QString &number)
    {
        auto *edit = m_screen.find<TextEdit>(u"edtEmpNo"_s);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, number);
        QTest::keyClick(edit, Qt::Key_Tab);
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
    ShownScreen<TfrmECI050> m_screen{openLater};
};

QTEST_MAIN(TestBookings)
#include "tst_bookings.moc"
