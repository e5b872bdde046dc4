#include "AccidentRecord.h"
#include "CodeCombo.h"
#include "EEI020.h"
#include "EEI021.h"
#include "EES010.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "PicturePanel.h"
#include "RecordingModal.h"
#include "Routines.h"
#include "ShownScreen.h"
#include "CounterConnection.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>


using namespace Qt::StringLiterals;

namespace {

const QString Day = u"20250105"_s;

// Every column of a record, personal ones readable, NULL told apart from ''.
QString recordSql(const QString &date, int no)
{
    QStringList items;
    for (const accident::Column &column : accident::Columns()) {
        const QString name = column.field.toLower();
        items.append(column.personal ? u"COALESCE(fn_za010ms_04(%1), '<null>')"_s.arg(name)
                                     : u"COALESCE(%1::text, '<null>')"_s.arg(name));
    }
    return u"SELECT concat_ws('|', %1) FROM ee010ms WHERE trob_date = '%2' AND trob_no = %3"_s.arg(
        items.join(u", "_s), date, QString::number(no));
}

// A stored accident with every page filled, markers placed, a course of the
// other peak area and a few columns left empty.
const QString StoredAccident =
    u"INSERT INTO ee010ms (trob_date, trob_no, peak_gubun, in_name, trob_time, trob_time_gubun, weather_stat_gubun,"
    " temperature, tp_course_gubun, tp_lift_gubun, tp_detail_desc, tp_courselevel_gubun, tp_snow_gugubn,"
    " tp_snowkind_gubun, tp_etc, tp_classify_gubun, in_sex, in_age, in_height, in_weight, in_zip_code, in_addr1,"
    " in_addr2, in_id_no, in_tel_no, in_job, in_position_gubun, in_detail_gubun, in_stat_gubun, in_stat_etc,"
    " in_cause_gubun, in_cause_etc, in_factor_gubun, in_factor_etc, in_level_gubun, in_dayski_gubun,"
    " in_dayuse_gubun, in_lecture_gubun, in_ski_name, in_ski_size_gubun, in_binding_name, in_boots_name,"
    " in_boots_size_gubun, in_article_name, in_rent_gubun, in_rent_place, in_binding_test_gubun,"
    " in_ski_loose_gubun, in_binding_strength_gubun, in_binding_left_f, in_binding_left_b, in_binding_right_f,"
    " in_binding_right_b, wi_name, wi_id_no, wi_tel_no, wi_acc_stat, wi_trob_detail, pt_photo_gubun,"
    " pt_photo_name, ev_method_gubun, ev_means_gubun, ev_etc, me_spot_time, me_name, me_tel_no, me_emergency,"
    " me_medical_time, me_medical_name, me_patient_stat, me_after, te_means_gubun, te_object_gubun, co_name,"
    " co_id_no, co_tel_no, co_zip_code, co_addr1, co_addr2, trob_point_x, trob_point_y, region_f_x, region_f_y,"
    " region_b_x, region_b_y)"
    " VALUES ('%1', %2, 'P1', '김철수', '1015', '1', '03', -7, '13', '04', '모글 구간 하단', '03', '01', '02',"
    " '얼음 노출', '02', '1', '34', '178', '72', '135080', kest_private.enc('서울 강남구 역삼동 '),"
    " kest_private.enc('101동 1203호'), kest_private.enc('9001011234567'), kest_private.enc('010-1111-2222'),"
    " '회사원', '06', '12', '06', '반월판 의심', '02', '뒤에서 충돌', '01', '속도 과다', '03', '02', '03', '02',"
    " '텔레마크', NULL, '마커', '노르디카', '270', '헬멧', '02', '본관 대여점', '02', '02', '02', 7, 7, 8, 8,"
    " '이목격', kest_private.enc('8502022345678'), kest_private.enc('010-3333-4444'), '누워 있었음',"
    " '충돌 후 전도', 'Y', '강순찰', '03', '02', '썰매 사용', '1024', '강순찰', kest_private.enc('033-330-7101'),"
    " '부목 고정', '1040', '의무실 간호사', '통증 호소', '병원 이송 권유', '02', NULL, '박충돌',"
    " kest_private.enc('7703033456789'), kest_private.enc('010-5555-6666'), '135081',"
    " kest_private.enc('서울 강남구 삼성동 '), kest_private.enc('202호'), 412, 233, 300, 390, 310, 150)"_s;

const QString NewAccidentCall =
    u"SELECT pr_eei010_01(atrob_date => '20250105', apeak_gubun => 'P1', ain_name => '동시%1',"
    " atrob_time => '1000', ain_age => '30', ain_id_no => '9001011234567', ain_tel_no => '010-0000-000%1',"
    " au_emp_no => '%1', au_ip => 'COUNTER-%1', aeditstatus => '2')"_s;

// Presses or moves the left button on a widget at a point of its own.
void mouse(QWidget *widget, QEvent::Type type, const QPoint &at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void drag(PictureMarker *marker, const QPoint &by)
{
    const QPoint grip(5, 5);
    mouse(marker, QEvent::MouseButtonPress, grip);
    mouse(marker, QEvent::MouseMove, grip + by);
    mouse(marker, QEvent::MouseButtonRelease, grip + by);
}

} // namespace

class TestAccident : public QObject
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
        m_db->adminExec(u"TRUNCATE ee010ms; DELETE FROM kest_private.counters;"
                        " DELETE FROM za150ms WHERE program_id = 'EES010W'"_s);
        m_boxes = std::make_unique<RecordingModal>();
    }
    void cleanup() { m_boxes.reset(); }

    void picturesAreJpegResources_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *name : {"peak1", "peak2", "body_front", "body_back"})
            QTest::newRow(name) << u":/patrol/%1.jpg"_s.arg(QString::fromLatin1(name));
    }
    void picturesAreJpegResources()
    {
        QFETCH(QString, path);
        PicturePanel panel; // registers the resources
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), QSize(PicturePanel::Width, PicturePanel::Height));
    }

    void markersStayInsideThePanel_data()
    {
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<QPoint>("by");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("inside") << QPoint(100, 100) << QPoint(30, -20) << QPoint(130, 80);
        QTest::newRow("past the right and bottom edges") << QPoint(600, 450) << QPoint(500, 500) << QPoint(667, 502);
        QTest::newRow("past the left and top edges") << QPoint(10, 10) << QPoint(-50, -70) << QPoint(0, 0);
        QTest::newRow("exactly at the far corner") << QPoint(0, 0) << QPoint(667, 502) << QPoint(667, 502);
        QTest::newRow("a stored position outside") << QPoint(900, -3) << QPoint(0, 0) << QPoint(667, 0);
    }
    void markersStayInsideThePanel()
    {
        QFETCH(QPoint, start);
        QFETCH(QPoint, by);
        QFETCH(QPoint, expected);
        PicturePanel panel;
        auto *marker = new PictureMarker(u"사고지점"_s, Qt::red, &panel);
        panel.show();
        marker->place(start);
        if (!by.isNull())
            drag(marker, by);
        QCOMPARE(marker->pos(), expected);
        QVERIFY(!marker->isDragging());
        // The arrow keys keep to the panel too.
        QTest::keyClick(marker, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(marker, Qt::Key_Down);
        QCOMPARE(marker->pos(), marker->clamped(expected + QPoint(10, 1)));
    }

    void timeClassFollowsTheTime_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("position"); // -1: left as it was
        QTest::newRow("06:00 before the first bound") << u"0600"_s << -1;
        QTest::newRow("06:29") << u"0629"_s << -1;
        QTest::newRow("06:30") << u"0630"_s << 3;
        QTest::newRow("08:30") << u"0830"_s << 3;
        QTest::newRow("08:31") << u"0831"_s << 0;
        QTest::newRow("12:00") << u"1200"_s << 0;
        QTest::newRow("12:01") << u"1201"_s << 1;
        QTest::newRow("16:30") << u"1630"_s << 1;
        QTest::newRow("16:31") << u"1631"_s << 2;
        QTest::newRow("22:00") << u"2200"_s << 2;
        QTest::newRow("22:01") << u"2201"_s << 4;
        QTest::newRow("23:59") << u"2359"_s << 4;
        QTest::newRow("24:00 is no time of day") << u"2400"_s << -1;
        QTest::newRow("09:75 is no time of day") << u"0975"_s << -1;
    }
    void timeClassFollowsTheTime()
    {
        QFETCH(QString, time);
        QFETCH(int, position);
        ShownScreen<TfrmEEI020> screen;
        search(*screen, Day);
        auto *timeClass = combo(*screen, u"TROB_TIME_GUBUN"_s);
        timeClass->setCurrentIndex(2);
        typeInto(edit(*screen, u"TROB_TIME"_s), time);
        const int expected = position < 0 ? 2 : position;
        QCOMPARE(timeClass->currentIndex(), expected);
        QCOMPARE(screen->Rows().value(0, u"TROB_TIME_GUBUN"_s), timeClass->codes().codes.at(expected));
    }

    void requiredFieldsInOrder_data()
    {
        QTest::addColumn<QStringList>("values"); // time, name, age, resident number, phone
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QStringList all = {u"0930"_s, u"홍길동"_s, u"23"_s, u"0101013123456"_s, u"010-1234-5678"_s};
        const auto without = [&](int i) {
            QStringList values = all;
            values[i].clear();
            return values;
        };
        QTest::newRow("no time") << without(0) << u"사고시간을(를) 먼저 입력하십시오."_s << u"wmeTrobTime"_s;
        QTest::newRow("no name") << without(1) << u"부상자명을(를) 먼저 입력하십시오."_s << u"edtInName"_s;
        QTest::newRow("no age") << without(2) << u"나이을(를) 먼저 입력하십시오."_s << u"edtInAge"_s;
        QTest::newRow("no resident number") << without(3) << u"주민번호을(를) 먼저 입력하십시오."_s << u"wmeInIdNo"_s;
        QTest::newRow("no phone") << without(4) << u"연락처을(를) 먼저 입력하십시오."_s << u"edtInTelNo"_s;
        QStringList twoMissing = without(4);
        twoMissing[1].clear();
        QTest::newRow("the name before the phone") << twoMissing << u"부상자명을(를) 먼저 입력하십시오."_s
                                                   << u"edtInName"_s;
        QStringList badTime = all;
        badTime[0] = u"2460"_s;
        QTest::newRow("time that is none") << badTime << u"사고시간을(를) 정확히 입력하십시오."_s << u"wmeTrobTime"_s;
        QStringList badAge = all;
        badAge[2] = u"2a"_s;
        QTest::newRow("age with a letter") << badAge << u"나이을(를) 정확히 입력하십시오."_s << u"edtInAge"_s;
    }
    void requiredFieldsInOrder()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        ShownScreen<TfrmEEI020> screen;
        search(*screen, Day);
        fill(*screen, values);
        screen->Pages()->setCurrentIndex(1);
        m_boxes->clear();
        save(*screen);
        QCOMPARE(m_boxes->texts(), QStringList{message});
        QCOMPARE(screen->Pages()->currentIndex(), 0);
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ee010ms"_s), u"0"_s);
        // Add refuses to leave the row for the same reason.
        m_boxes->clear();
        QTest::keyClick(screen.get(), Qt::Key_F4);
        QCOMPARE(m_boxes->texts(), QStringList{message});
        QCOMPARE(screen->Rows().rowCount(), 1);
    }

    void emptyDateOffersOneRowAndAddOnItDoesNothing()
    {
        ShownScreen<TfrmEEI020> screen;
        search(*screen, Day);
        QCOMPARE(screen->Rows().rowCount(), 1);
        QVERIFY(screen->IsBlankRow(0));
        QCOMPARE(screen->Pages()->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"wmeTrobTime"_s);
        QTest::keyClick(screen.get(), Qt::Key_F4);
        QCOMPARE(screen->Rows().rowCount(), 1);
        QVERIFY(m_boxes->boxes.isEmpty());
        // A new record's markers are at their start.
        QCOMPARE(screen->MarkerOf(AccidentScreen::TrobPoint)->pos(), QPoint(0, 0));
        QCOMPARE(screen->MarkerOf(AccidentScreen::RegionFront)->pos(), QPoint(8, 8));
        QCOMPARE(screen->MarkerOf(AccidentScreen::RegionBack)->pos(), QPoint(8, 8));
    }

    void newRecordIsNumberedByTheServer()
    {
        m_db->adminExec(StoredAccident.arg(u"20250104"_s, u"1"_s)); // another date's series
        ShownScreen<TfrmEEI020> screen;
        search(*screen, Day);
        const QString name = u"가나다라마바사아자차카타파하갸"_s; // 30 bytes
        const QString medicalPhone = u"033-330-7100 내선 1234 (야간)"_s;
        fill(*screen, {u"0930"_s, name, u"23"_s, u"0101013123456"_s, u"010-1234-5678"_s});
        edit(*screen, u"ME_TEL_NO"_s)->setText(medicalPhone);
        combo(*screen, u"IN_SKI_NAME"_s)->setCurrentIndex(1);
        QVERIFY(screen->Rows().value(0, u"TROB_NO"_s).isEmpty());
        save(*screen);

        QCOMPARE(m_boxes->texts(), QStringList({u"저장 하시겠습니까?"_s, u"정상적으로 저장 되었습니다."_s}));
        QCOMPARE(m_db->adminScalar(u"SELECT concat_ws('/', trob_no, in_name, trob_time, trob_time_gubun, in_ski_name,"
                                   " fn_za010ms_04(me_tel_no), fn_za010ms_04(in_tel_no), fn_za010ms_04(in_id_no),"
                                   " au_emp_no, au_ip) FROM ee010ms WHERE trob_date = '20250105'"_s),
                 u"1/%1/0930/1/스노보드/%2/010-1234-5678/0101013123456/T0001/10.1.2.3"_s.arg(name, medicalPhone));
        // Stored encrypted; what the operator could not see stays empty; the
        // markers at their start.
        QCOMPARE(m_db->adminScalar(u"SELECT concat_ws('/', left(in_tel_no, 4), left(me_tel_no, 4),"
                                   " left(in_id_no, 4), COALESCE(weather_stat_gubun, '-'), COALESCE(temperature::text, '-'),"
                                   " COALESCE(te_object_gubun, '-'), COALESCE(in_binding_left_f::text, '-'),"
                                   " trob_point_x, trob_point_y, region_f_x, region_f_y, region_b_x, region_b_y)"
                                   " FROM ee010ms WHERE trob_date = '20250105'"_s),
                 u"$k1$/$k1$/$k1$/-/-/-/-/0/0/8/8/8/8"_s);
        QCOMPARE(screen->Rows().rowCount(), 1);
        QCOMPARE(screen->Rows().value(0, u"TROB_NO"_s), u"0001"_s);
        QCOMPARE(screen->findChild<QLabel *>(u"wlbTrobNo"_s)->text(), u"0001"_s);
        QVERIFY(screen->IsStoredRow(0));
    }

    void storedRecordRoundTripsWithOnlyThePhoneChanged()
    {
        m_db->adminExec(StoredAccident.arg(Day, u"3"_s));
        const QString before = m_db->adminScalar(recordSql(Day, 3));
        ShownScreen<TfrmEEI020> screen;
        search(*screen, Day);
        QCOMPARE(screen->Rows().value(0, u"TROB_NO"_s), u"0003"_s);
        // A course of the other peak area is shown as stored.
        QCOMPARE(combo(*screen, u"TP_COURSE_GUBUN"_s)->code(), u"13"_s);
        QCOMPARE(screen->MarkerOf(AccidentScreen::TrobPoint)->pos(), QPoint(412, 233));
        QCOMPARE(screen->MarkerOf(AccidentScreen::RegionBack)->pos(), QPoint(310, 150));
        // Passing through the postal code does not replace the address.
        edit(*screen, u"IN_ZIP_CODE"_s)->setFocus();
        edit(*screen, u"IN_TEL_NO"_s)->setFocus();
        edit(*screen, u"IN_TEL_NO"_s)->setText(u"010-9999-0000"_s);
        save(*screen);
        QCOMPARE(m_boxes->lastText(), u"정상적으로 저장 되었습니다."_s);
        QString expected = before;
        expected.replace(u"010-1111-2222"_s, u"010-9999-0000"_s);
        QCOMPARE(m_db->adminScalar(recordSql(Day, 3)), expected);
    }

    // The entry screen keeps the markers out of reach, but a moved one is
    // written into its row; only the grant's holder may store it.
    void movedMarkerIsStoredAndTheOthersKept_data()
    {
        QTest::addColumn<bool>("granted");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("box");
        QTest::newRow("holder of the grant") << true << u"412/233/320/380/310/150"_s
                                             << u"정상적으로 저장 되었습니다."_s;
        QTest::newRow("without the grant") << false << u"412/233/300/390/310/150"_s
                                           << u"사고발생지점과 부상부위를 기록할 권한이 없습니다."_s;
    }
    void movedMarkerIsStoredAndTheOthersKept()
    {
        QFETCH(bool, granted);
        QFETCH(QString, stored);
        QFETCH(QString, box);
        m_db->adminExec(StoredAccident.arg(Day, u"1"_s));
        grantMarkers(granted);
        ShownScreen<TfrmEEI020> screen;
        search(*screen, Day);
        drag(screen->MarkerOf(AccidentScreen::RegionFront), QPoint(20, -10));
        QCOMPARE(screen->Rows().value(0, u"REGION_F_X"_s), u"320"_s);
        save(*screen);
        QVERIFY2(m_boxes->lastText().endsWith(box), qPrintable(m_boxes->lastText()));
        QCOMPARE(m_db->adminScalar(u"SELECT concat_ws('/', trob_point_x, trob_point_y, region_f_x, region_f_y,"
                                   " region_b_x, region_b_y) FROM ee010ms"_s),
                 stored);
        m_boxes->confirmAnswers = {true};
    }

    // The holder of the grant corrects a record on any page and places its
    // markers; the others find it read only, the markers fixed.
    void inquiryHolderCorrectsTheRecordAndItsMarkers()
    {
        m_db->adminExec(StoredAccident.arg(Day, u"1"_s));
        grantMarkers(true);
        ShownScreen<TfrmEES010> screen;
        QVERIFY(screen.find<QPushButton>(u"bbtSave"_s)->isVisible());
        QVERIFY(!screen.find<QPushButton>(u"bbtAdd"_s)->isVisible());
        screen.find<QLineEdit>(u"edtFindName"_s)->setText(u"김철수"_s);
        QTest::keyClick(screen.get(), Qt::Key_F3);
        QCOMPARE(screen->Rows().rowCount(), 1);
        const QString before = m_db->adminScalar(recordSql(Day, 1));

        screen->Pages()->setCurrentIndex(3);
        drag(screen->MarkerOf(AccidentScreen::TrobPoint), QPoint(-100, 50));
        screen->Pages()->setCurrentIndex(2);
        screen.find<QLineEdit>(u"edtWiName"_s)->setText(u"다른목격"_s);
        save(*screen);
        QCOMPARE(m_boxes->texts(), QStringList({u"저장 하시겠습니까?"_s, u"정상적으로 저장 되었습니다."_s}));
        QCOMPARE(m_db->adminScalar(u"SELECT concat_ws('/', trob_point_x, trob_point_y, region_f_x, region_f_y,"
                                   " region_b_x, region_b_y, wi_name, row_ver) FROM ee010ms"_s),
                 u"312/283/300/390/310/150/다른목격/2"_s);
        // Nothing else of the record changed.
        QString expected = before;
        expected.replace(u"|이목격|"_s, u"|다른목격|"_s).replace(u"|412|233|"_s, u"|312|283|"_s);
        QCOMPARE(m_db->adminScalar(recordSql(Day, 1)), expected);
        // The record is shown again as stored.
        QCOMPARE(screen->Rows().rowCount(), 1);
        QCOMPARE(screen->MarkerOf(AccidentScreen::TrobPoint)->pos(), QPoint(312, 283));
    }
    void inquiryWithoutTheGrantOffersNoSave()
    {
        m_db->adminExec(StoredAccident.arg(Day, u"1"_s));
        ShownScreen<TfrmEES010> screen;
        QVERIFY(!screen.find<QPushButton>(u"bbtSave"_s)->isVisible());
        screen.find<QLineEdit>(u"edtFindName"_s)->setText(u"김철수"_s);
        QTest::keyClick(screen.get(), Qt::Key_F3);
        screen->Pages()->setCurrentIndex(3);
        PictureMarker *marker = screen->MarkerOf(AccidentScreen::TrobPoint);
        QVERIFY(!marker->isMovable());
        drag(marker, QPoint(-100, 50));
        QCOMPARE(marker->pos(), QPoint(412, 233));
        QCOMPARE(screen->Rows().value(0, u"TROB_POINT_X"_s), u"412"_s);
        QTest::keyClick(screen.get(), Qt::Key_F2);
        QVERIFY(m_boxes->boxes.isEmpty());
        QCOMPARE(m_db->adminScalar(u"SELECT concat_ws('/', trob_point_x, trob_point_y) FROM ee010ms"_s),
                 u"412/233"_s);
    }

    void placeClassSwitchesTheMapAndClearsTheCourse()
    {
        ShownScreen<TfrmEEI020> screen;
        search(*screen, Day);
        auto *peak = combo(*screen, u"PEAK_GUBUN"_s);
        auto *course = combo(*screen, u"TP_COURSE_GUBUN"_s);
        QCOMPARE(peak->code(), u"P1"_s);
        QCOMPARE(course->codes().codes, QStringList({u"01"_s, u"02"_s, u"03"_s, u"04"_s, u"05"_s, u"06"_s}));
        QCOMPARE(screen->CourseMap()->shownPicture(), 0);

        peak->setCode(u"P2"_s);
        QCOMPARE(screen->CourseMap()->shownPicture(), 1);
        QCOMPARE(course->currentIndex(), -1);
        QCOMPARE(screen->Rows().value(0, u"TP_COURSE_GUBUN"_s), QString());
        QCOMPARE(course->codes().codes, QStringList({u"11"_s, u"12"_s, u"13"_s, u"14"_s, u"15"_s}));
        course->setCode(u"14"_s);
        QCOMPARE(screen->Rows().value(0, u"TP_COURSE_GUBUN"_s), u"14"_s);

        peak->setCode(u"P3"_s);
        QCOMPARE(screen->CourseMap()->shownPicture(), 1);
        QCOMPARE(screen->Rows().value(0, u"TP_COURSE_GUBUN"_s), QString());
        QCOMPARE(course->codes().codes, QStringList({u"21"_s, u"22"_s}));
        peak->setCode(u"P1"_s);
        QCOMPARE(screen->CourseMap()->shownPicture(), 0);
    }

    void concurrentNewRecordsOfOneDateGetDistinctNumbers()
    {
        const OverlappingSaves saves = SaveAtOnce(*m_db, NewAccidentCall.arg(1), NewAccidentCall.arg(2));
        QVERIFY2(saves.firstError.isEmpty(), qPrintable(saves.firstError));
        QVERIFY2(saves.secondError.isEmpty(), qPrintable(saves.secondError));
        QVERIFY(saves.secondWaited);
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(au_emp_no || '=' || trob_no, ',' ORDER BY au_emp_no)"
                                   " FROM ee010ms"_s),
                 u"1=1,2=2"_s);
    }

    void nameInquiryListsTodayAndTheName()
    {
        const QString today = TodayKey();
        m_db->adminExec(StoredAccident.arg(u"20250104"_s, u"1"_s) + u";"_s + StoredAccident.arg(today, u"1"_s)
                        + u"; UPDATE ee010ms SET in_name = '오늘사람' WHERE trob_date = '%1'"_s.arg(today));
        ShownScreen<TfrmEEI021> screen;
        screen.find<QLineEdit>(u"edtFindName"_s)->setText(u"김철수"_s);
        QTest::keyClick(screen.get(), Qt::Key_F3);
        QStringList found;
        for (int row = 0; row < screen->Rows().rowCount(); ++row)
            found.append(screen->Rows().value(row, u"TROB_DATE"_s) + u'/' + screen->Rows().value(row, u"IN_NAME"_s));
        found.sort();
        QCOMPARE(found, QStringList({u"20250104/김철수"_s, today + u"/오늘사람"_s}));
        QVERIFY(m_boxes->boxes.isEmpty());

        // Nothing today and nobody of that name.
        QTest::keyClick(screen.get(), Qt::Key_F8);
        QCOMPARE(screen.find<QLineEdit>(u"edtFindName"_s)->text(), QString());
        m_db->adminExec(u"DELETE FROM ee010ms WHERE trob_date = '%1'"_s.arg(today));
        screen.find<QLineEdit>(u"edtFindName"_s)->setText(u"없는사람"_s);
        QTest::keyClick(screen.get(), Qt::Key_F3);
        QCOMPARE(m_boxes->texts(), QStringList{u"검색결과가 없습니다."_s});
        QCOMPARE(screen->Rows().rowCount(), 0);
    }

    void inquiryFindsTheExactNameOnly()
    {
        m_db->adminExec(StoredAccident.arg(Day, u"1"_s) + u"; UPDATE ee010ms SET me_spot_time = NULL"_s);
        ShownScreen<TfrmEES010> screen;
        QCOMPARE(QApplication::focusWidget()->objectName(), u"edtFindName"_s);
        screen.find<QLineEdit>(u"edtFindName"_s)->setText(u"김철"_s);
        QTest::keyClick(screen.get(), Qt::Key_F3);
        QCOMPARE(screen->Rows().rowCount(), 1);
        QVERIFY(!screen->IsStoredRow(0));
        QVERIFY(m_boxes->boxes.isEmpty());

        QTest::keyClick(screen.get(), Qt::Key_F8);
        screen.find<QLineEdit>(u"edtFindName"_s)->setText(u"김철수"_s);
        QTest::keyClick(screen.get(), Qt::Key_F3);
        QCOMPARE(screen->Rows().rowCount(), 1);
        QCOMPARE(screen->Rows().value(0, u"TROB_DATE"_s), Day);
        // Every page shows its columns, the witness's resident number readable.
        QCOMPARE(screen.find<MaskEdit>(u"wmeWiIdNo"_s)->plainText(), u"8502022345678"_s);
        QCOMPARE(screen.find<QLineEdit>(u"edtInFactorEtc"_s)->text(), u"속도 과다"_s);
        QCOMPARE(screen.find<CodeCombo>(u"cboPtPhotoGubun"_s)->code(), u"Y"_s);
        QCOMPARE(screen.find<QLineEdit>(u"edtInSkiName"_s)->text(), u"텔레마크"_s);
        QCOMPARE(screen->MarkerOf(AccidentScreen::RegionFront)->pos(), QPoint(300, 390));

        // A record touched on screen must pass the checks before another row
        // is shown; the page of the field comes to the front.
        screen.find<QLineEdit>(u"edtWiName"_s)->setText(u"다른목격"_s);
        m_boxes->clear();
        QVERIFY(!screen->PostRow());
        QCOMPARE(m_boxes->texts(), QStringList{u"*현장도착시간을(를) 먼저 입력하십시오."_s});
        QCOMPARE(screen->Pages()->currentIndex(), 2);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"wmeMeSpotTime"_s);
    }

    // A record changed on the server moves in its table; the lists stay in
    // date and accident number order, so a re-read lands on the same row.
    void searchesListByDateAndNumberAfterAnUpdate_data()
    {
        QTest::addColumn<QString>("screenId");
        QTest::newRow("EEI010") << u"EEI010"_s;
        QTest::newRow("EEI021") << u"EEI021"_s;
        QTest::newRow("EES010") << u"EES010"_s;
    }
    void searchesListByDateAndNumberAfterAnUpdate()
    {
        QFETCH(QString, screenId);
        const QString before = u"20250104"_s;
        m_db->adminExec(StoredAccident.arg(Day, u"2"_s) + u";"_s + StoredAccident.arg(Day, u"1"_s) + u";"_s
                        + StoredAccident.arg(Day, u"3"_s) + u";"_s + StoredAccident.arg(before, u"7"_s)
                        + u"; UPDATE ee010ms SET tp_etc = '다시' WHERE trob_no IN (1, 7)"_s);
        std::unique_ptr<AccidentScreen> screen;
        if (screenId == u"EEI010"_s)
            screen = std::make_unique<TfrmEEI020>();
        else if (screenId == u"EEI021"_s)
            screen = std::make_unique<TfrmEEI021>();
        else
            screen = std::make_unique<TfrmEES010>();
        screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
        screen->activateWindow();
        if (auto *name = screen->findChild<QLineEdit *>(u"edtFindName"_s))
            name->setText(u"김철수"_s);
        if (auto *date = screen->findChild<DateEdit *>(u"dtpDate"_s))
            date->setDateKey(Day);
        QTest::keyClick(screen.get(), Qt::Key_F3);
        QStringList found;
        for (int row = 0; row < screen->Rows().rowCount(); ++row)
            found.append(screen->Rows().value(row, u"TROB_DATE"_s) + u'/' + screen->Rows().value(row, u"TROB_NO"_s));
        const QStringList ofDay{Day + u"/0001"_s, Day + u"/0002"_s, Day + u"/0003"_s};
        // The entry screen lists one date and does not read it back.
        const QStringList ofDayNumbers{u"/0001"_s, u"/0002"_s, u"/0003"_s};
        QCOMPARE(found, screenId == u"EEI010"_s ? ofDayNumbers : QStringList{before + u"/0007"_s} + ofDay);
        m_boxes->confirmAnswers = {true};
        screen.reset();
    }

    // EES010 names the time with its "*", as its other messages do.
    void inquiryTimeMessageNamesTheRequiredField()
    {
        m_db->adminExec(StoredAccident.arg(Day, u"1"_s));
        ShownScreen<TfrmEES010> screen;
        screen.find<QLineEdit>(u"edtFindName"_s)->setText(u"김철수"_s);
        QTest::keyClick(screen.get(), Qt::Key_F3);
        QCOMPARE(screen->Rows().rowCount(), 1);
        screen.find<MaskEdit>(u"wmeTrobTime"_s)->setText(u"2599"_s);
        m_boxes->clear();
        QVERIFY(!screen->PostRow());
        QCOMPARE(m_boxes->texts(), QStringList{u"*사고시간을(를) 정확히 입력하십시오."_s});
        m_boxes->confirmAnswers = {true};
    }

    void inquiriesStoreNothing_data()
    {
        QTest::addColumn<bool>("byName");
        QTest::newRow("EEI021") << true;
        QTest::newRow("EES010") << false;
    }
    void inquiriesStoreNothing()
    {
        QFETCH(bool, byName);
        m_db->adminExec(StoredAccident.arg(Day, u"1"_s));
        const QString before = m_db->adminScalar(recordSql(Day, 1));
        ShownScreen<AccidentScreen> screen{openLater};
        if (byName)
            QVERIFY(screen.take(std::make_unique<TfrmEEI021>()));
        else
            QVERIFY(screen.take(std::make_unique<TfrmEES010>()));
        screen->findChild<QLineEdit *>(u"edtFindName"_s)->setText(u"김철수"_s);
        QTest::keyClick(screen.get(), Qt::Key_F3);
        QCOMPARE(screen->Rows().rowCount(), 1);
        screen->findChild<QLineEdit *>(u"edtInTelNo"_s)->setText(u"010-0000-0000"_s);
        for (Qt::Key key : {Qt::Key_F2, Qt::Key_F4, Qt::Key_F9})
            QTest::keyClick(screen.get(), key);
        QCOMPARE(screen->Rows().rowCount(), 1);
        QVERIFY(m_boxes->boxes.isEmpty());
        QCOMPARE(m_db->adminScalar(recordSql(Day, 1)), before);
        m_boxes->confirmAnswers = {true};
        screen.reset();
    }

private:
    // The test employee's grant to record where accidents happened.
    void grantMarkers(bool granted)
    {
        m_db->adminExec(u"DELETE FROM za150ms WHERE program_id = 'EES010W'"_s);
        if (granted)
            m_db->adminExec(u"INSERT INTO za150ms (emp_no, project_id, program_id, add_yn)"
                            " VALUES ('%1', 'KEST_E', 'EES010W', 'Y')"_s.arg(QLatin1StringView(TestDatabase::EmployeeNo)));
    }
    void search(TfrmEEI020 &screen, const QString &date)
    {
        screen.findChild<DateEdit *>(u"dtpDate"_s)->setDateKey(date);
        QTest::keyClick(&screen, Qt::Key_F3);
    }
    void save(QWidget &screen)
    {
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(&screen, Qt::Key_F2);
    }
    static void typeInto(QLineEdit *target, const QString &text)
    {
        target->setFocus();
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Delete);
        target->setCursorPosition(0);
        QTest::keyClicks(target, text);
    }
    static QLineEdit *edit(QWidget &screen, const QString &column)
    {
        for (const char *prefix : {"edt", "wme", "wne"})
            if (auto *found = screen.findChild<QLineEdit *>(ControlName(QString::fromLatin1(prefix), column)))
                return found;
        return nullptr;
    }
    static CodeCombo *combo(QWidget &screen, const QString &column)
    {
        return screen.findChild<CodeCombo *>(ControlName(u"cbo"_s, column));
    }
    static QString ControlName(const QString &prefix, const QString &column)
    {
        QString name = prefix;
        for (const QString &part : column.split(u'_'))
            name += part.left(1).toUpper() + part.mid(1).toLower();
        return name;
    }
    // Time, name, age, resident number, phone, as the operator enters them.
    static void fill(QWidget &screen, const QStringList &values)
    {
        const QString columns[] = {u"TROB_TIME"_s, u"IN_NAME"_s, u"IN_AGE"_s, u"IN_ID_NO"_s, u"IN_TEL_NO"_s};
        for (int i = 0; i < 5; ++i) {
            QLineEdit *target = edit(screen, columns[i]);
            if (target->inputMask().isEmpty())
                target->setText(values.at(i));
            else
                typeInto(target, values.at(i));
        }
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
};

QTEST_MAIN(TestAccident)
#include "tst_accident.moc"
