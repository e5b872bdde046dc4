#include "CounterConnection.h"
#include "PtyPair.h"
#include "CodeCombo.h"
#include "EBI040.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "RecordingModal.h"
#include "Routines.h"
#include "ShownScreen.h"
#include "TestDatabase.h"
#include "TicketStream.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString Today = QDate::currentDate().toString(u"yyyyMMdd"_s);

// A connection of its own, as another counter has it.
QSqlDatabase counterConnection(const QString &database, const QString &name)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, name);
    db.setHostName(TestDatabase::socketDir());
    db.setPort(TestDatabase::port());
    db.setDatabaseName(database);
    db.setUserName(QString::fromLatin1(TestDatabase::LoginRole));
    db.setPassword(QString::fromLatin1(TestDatabase::LoginPassword));
    db.open();
    return db;
}

} // namespace

class TestRental : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_pty = std::make_unique<PtyPair>();
        QVERIFY2(!m_pty->deviceSide.isEmpty(), "socat gave no pseudo-terminal pair");
        m_line.setPortName(m_pty->deviceSide);
        QVERIFY(m_line.open(QIODevice::ReadWrite));
    }
    void cleanupTestCase()
    {
        m_line.close();
        m_pty.reset();
        m_db.reset();
    }

    void init()
    {
        m_db->adminExec(u"TRUNCATE ktuser.eb040dt, ktuser.eb040ms, ktuser.eb020tm, ktuser.eb020ms"_s);
        m_db->adminExec(u"INSERT INTO ktuser.eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun) VALUES "
                        "('M', 'CS', 'C0001', '150'), ('M', 'CS', 'C0002', '150'), ('M', 'CS', 'C0003', '150'), "
                        "('M', 'SB', 'B0001', '140'), ('M', 'SB', 'B0002', '140'), ('S', 'CS', 'C0001', '150')"_s);
        m_boxes = std::make_unique<RecordingModal>();
        openScreen(m_pty->printerSide);
        m_line.readAll();
    }
    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
        m_db->setServerDown(false);
    }

    void newRentalNumberAndOneTicketPerNewRow()
    {
        search();
        QCOMPARE(m_screen->HeadEditStatus(), u"2"_s);
        fillHead();
        fillRow(u"CS"_s, u"150"_s, u"홍길동"_s, Qt::Key_F5);
        save();
        const QString rentNo = m_db->adminScalar(u"SELECT max(rent_no) FROM ktuser.eb040ms"_s);
        QVERIFY(!rentNo.isEmpty());
        QCOMPARE(edit(u"edtRentNo"_s)->text(), rentNo);
        QCOMPARE(m_screen->HeadEditStatus(), u"1"_s);
        QCOMPARE(m_screen->Rows().rowCount(), 1);
        QVERIFY(m_screen->IsStoredRow(0));
        QCOMPARE(ticketsPrinted(), 1);
        // The saved row took the hold over.
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb020tm"_s), u"0"_s);

        // One changed stored row and two new rows: two tickets.
        edit(u"edtRentName"_s)->setText(u"홍길순"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        fillRow(u"CS"_s, u"150"_s, u"임꺽정"_s, Qt::Key_F5);
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        fillRow(u"SB"_s, u"140"_s, u"장길산"_s, Qt::Key_F5);
        save();
        QCOMPARE(ticketsPrinted(), 2);
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(rent_seq || ':' || rent_name, ',' ORDER BY rent_seq) "
                                   "FROM ktuser.eb040dt WHERE rent_no = "_s + rentNo),
                 u"1:홍길순,2:임꺽정,3:장길산"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb040ms"_s), u"1"_s);
    }

    void ticketCarriesTheRowAndPersonalColumnsAreStoredEncrypted()
    {
        m_db->adminExec(u"INSERT INTO ktuser.zx030ms VALUES ('123456', 1, '강원도', '평창군', '대관령면', NULL) "
                        "ON CONFLICT DO NOTHING"_s);
        const QString later = QDate::currentDate().addDays(2).toString(u"yyyyMMdd"_s);
        search();
        fillHead();
        fillRow(u"CS"_s, u"150"_s, u"홍길동"_s, Qt::Key_F6);
        edit(u"edtRentTel"_s)->setText(u"010-1111-2222"_s);
        m_screen->findChild<NumberEdit *>(u"wneRentHeight"_s)->setValue(175);
        m_screen->findChild<NumberEdit *>(u"wneRentWeight"_s)->setValue(70);
        mask(u"wmeRentSvrlDateFrom"_s)->setText(Today);
        mask(u"wmeRentSvrlDateTo"_s)->setText(later);
        // Leaving a typed postal code fills its address.
        mask(u"wmeRentZipCode"_s)->setFocus();
        mask(u"wmeRentZipCode"_s)->setCursorPosition(0);
        QTest::keyClicks(mask(u"wmeRentZipCode"_s), u"123456"_s);
        edit(u"wlbRentAddr2"_s)->setFocus();
        QCOMPARE(edit(u"edtRentAddr1"_s)->text(), u"강원도 평창군 대관령면 "_s);
        edit(u"wlbRentAddr2"_s)->setText(u"101호"_s);
        save();

        const TRentTicketInfo expected{.ticketKindName = u"주간권"_s,
                                       .equipKindName = u"카빙스키"_s,
                                       .rentStatName = u"연일대여"_s,
                                       .areaName = u"본관"_s,
                                       .rentDate = Today,
                                       .rentName = u"홍길동"_s,
                                       .height = u"175"_s,
                                       .weight = u"70"_s,
                                       .bootsSizeName = u"220"_s,
                                       .periodFrom = Today,
                                       .periodTo = later,
                                       .rentNo = edit(u"edtRentNo"_s)->text(),
                                       .boxNo = u"A12"_s};
        QCOMPARE(printed(), RentTicketStream(expected));
        QCOMPARE(m_db->adminScalar(u"SELECT concat_ws('/', tel_no = '010-1111-2222', fn_za010ms_04(tel_no), zip_code, "
                                   "fn_za010ms_04(addr1), addr2 = '101호', fn_za010ms_04(addr2)) FROM ktuser.eb040dt"_s),
                 u"f/010-1111-2222/123456/강원도 평창군 대관령면 /f/101호"_s);
        QCOMPARE(edit(u"edtRentTel"_s)->text(), u"010-1111-2222"_s);

        // A postal code without an address is refused.
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        fillRow(u"CS"_s, u"150"_s, u"임꺽정"_s, Qt::Key_F5);
        mask(u"wmeRentZipCode"_s)->setText(u"999999"_s);
        edit(u"edtRentAddr1"_s)->clear();
        m_boxes->clear();
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QCOMPARE(m_boxes->lastText(), u"주소을(를) 정확히 입력하십시오."_s);
    }

    // What the keys leave behind: the state of a new row, a rental without
    // rows, and where the focus goes.
    void keySequences()
    {
        search();
        fillHead();
        fillRow(u"CS"_s, u"150"_s, u"홍길동"_s, Qt::Key_F7);
        QCOMPARE(m_screen->SelectedRentState(), u"R"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        QCOMPARE(m_screen->SelectedRentState(), u"D"_s);
        QCOMPARE(InputControlOf(QApplication::focusWidget()), combo(u"cboRentEquip"_s));
        chooseKind(u"CS"_s, u"150"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F10);
        edit(u"edtRentName"_s)->setText(u"임꺽정"_s);
        save();
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(rent_name || ':' || rent_stat, ',' ORDER BY rent_seq) "
                                   "FROM ktuser.eb040dt"_s),
                 u"홍길동:R,임꺽정:D"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT bool_and(rent_time ~ '^([01][0-9]|2[0-3])[0-5][0-9]$') "
                                   "FROM ktuser.eb040dt"_s),
                 u"true"_s);
        QCOMPARE(ticketsPrinted(), 2);

        // A new rental whose only row went again stores nothing.
        QTest::keyClick(m_screen.get(), Qt::Key_F8);
        edit(u"edtRentNo"_s)->clear();
        search();
        fillHead();
        fillRow(u"CS"_s, u"150"_s, u"장길산"_s, Qt::Key_F5);
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(m_screen.get(), Qt::Key_F9);
        m_boxes->clear();
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QVERIFY(m_boxes->boxes.isEmpty());
        QCOMPARE(m_screen->StatusMessage(), u"변경된 자료가 없습니다."_s);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb040ms"_s), u"1"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb020tm"_s), u"0"_s);
    }

    // Boots, poles and helmets have no sizes: every free item of the kind is
    // listed, whatever sizes the kind chosen before had.
    void kindWithoutSizesListsItsFreeItems()
    {
        m_db->adminExec(u"INSERT INTO ktuser.eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun) VALUES "
                        "('M', 'BT', 'T0001', '150'), ('M', 'BT', 'T0002', '160')"_s);
        search();
        chooseKind(u"CS"_s, u"150"_s);
        QCOMPARE(footer(), u"3"_s);
        combo(u"cboRentEquip"_s)->setCode(u"BT"_s);
        QCOMPARE(combo(u"cboEquipSizeGubun"_s)->count(), 0);
        QCOMPARE(footer(), u"2"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F10);
        QCOMPARE(edit(u"edtRentEquipNo"_s)->text(), u"T0001"_s);
    }

    // A whole rental typed and chosen with the keyboard alone.
    void wholeRentalWithKeysOnly()
    {
        const auto typeInto = [this](const QString &name, const QString &text) {
            tabTo(name);
            QTest::keyClicks(QApplication::focusWidget(), text);
        };
        QTest::keyClick(m_screen.get(), Qt::Key_F3);
        typeInto(u"edtDealName"_s, u"kim"_s);
        typeInto(u"edtKeepBoxNo"_s, u"A12"_s);
        chooseWithKeys(u"cboRentEquip"_s, u"CS"_s);
        chooseWithKeys(u"cboEquipSizeGubun"_s, u"150"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F10);
        typeInto(u"edtRentName"_s, u"hong"_s);
        typeInto(u"wneRentHeight"_s, u"175"_s);
        chooseWithKeys(u"cboRentTicketKind"_s, u"02"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F5);
        m_boxes->clear();
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QVERIFY2(m_screen->StatusMessage() == u"자료를 저장했습니다."_s, qPrintable(m_boxes->texts().join(u" | "_s)));
        QCOMPARE(m_db->adminScalar(u"SELECT concat_ws('/', m.deal_name, m.keep_box_no, d.rent_name, d.height, "
                                   "d.rent_stat, d.equip_no) FROM ktuser.eb040ms m JOIN ktuser.eb040dt d USING "
                                   "(rent_date, area_gubun, rent_no)"_s),
                 u"kim/A12/hong/175/D/C0001"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT ticket_kind FROM ktuser.eb040dt"_s), u"02"_s);
        QCOMPARE(ticketsPrinted(), 1);
    }

    // Holds this counter left in an earlier session go when the screen
    // opens again; another counter's stay.
    void reopeningGivesBackThisCountersOldHolds()
    {
        m_db->adminExec(u"INSERT INTO ktuser.eb020tm (rent_date, area_gubun, equip_gubun, equip_no, au_emp_no, au_ip)"
                        " VALUES ('%1', 'M', 'CS', 'C0001', '%2', '%3'), ('%1', 'M', 'CS', 'C0002', 'D0009', 'PC-9')"_s
                            .arg(Today, QString::fromLatin1(TestDatabase::EmployeeNo),
                                 QString::fromLatin1(TestDatabase::ClientIp)));
        m_screen.reset();
        openScreen(m_pty->printerSide);
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(equip_no, ',') FROM ktuser.eb020tm"_s), u"C0002"_s);
    }

    // A rental number the server could not read as one is told on the
    // screen and never searched.
    void searchRefusesARentalNumberThatIsNoNumber_data()
    {
        QTest::addColumn<QString>("number");
        QTest::newRow("letters") << u"12a"_s;
        QTest::newRow("full-width digits") << u"１２"_s;
        QTest::newRow("Arabic-Indic digits") << u"١٢"_s;
        QTest::newRow("a blank inside") << u"1 2"_s;
    }
    void searchRefusesARentalNumberThatIsNoNumber()
    {
        QFETCH(QString, number);
        edit(u"edtRentNo"_s)->setText(number);
        m_boxes->clear();
        QTest::keyClick(m_screen.get(), Qt::Key_F3);
        QVERIFY(m_screen->IsSearchMode());
        QCOMPARE(m_boxes->texts(), QStringList{u"대여번호을(를) 정확히 입력하십시오."_s});
    }

    void rowChecks_data()
    {
        QTest::addColumn<int>("stateKey");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("refusal");
        const QString later = QDate::currentDate().addDays(2).toString(u"yyyyMMdd"_s);
        const QString period = u"연일대여기간을(를) 정확히 입력하십시오."_s;
        QTest::newRow("multi-day without period") << int(Qt::Key_F6) << QString() << QString()
                                                  << u"대여상태가 [연일대여]일 경우 연일대여기간을 입력하십시요"_s;
        QTest::newRow("period with day rental") << int(Qt::Key_F5) << Today << later
                                                << u"연일대여기간 등록시 대여상태는 [연일대여]만 설정가능합니다"_s;
        QTest::newRow("period when returned") << int(Qt::Key_F7) << Today << later << QString();
        QTest::newRow("period start without end") << int(Qt::Key_F6) << Today << QString() << period;
        QTest::newRow("period end without start") << int(Qt::Key_F5) << QString() << later << QString();
        QTest::newRow("start not a date") << int(Qt::Key_F6) << u"20250230"_s << later << period;
        QTest::newRow("multi-day with period") << int(Qt::Key_F6) << Today << later << QString();
        QTest::newRow("period ending before it starts") << int(Qt::Key_F6) << later << Today << period;
    }

    // Heights, weights and binding settings the server would refuse are
    // caught on the screen, with the field named.
    void bodyMeasuresWithinTheirRanges_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("tallest") << u"wneRentHeight"_s << 250 << QString();
        QTest::newRow("too tall") << u"wneRentHeight"_s << 251 << u"신장을(를) 정확히 입력하십시오."_s;
        QTest::newRow("too heavy") << u"wneRentWeight"_s << 999 << u"체중을(를) 정확히 입력하십시오."_s;
        QTest::newRow("strongest binding") << u"wneRentBinding"_s << 30 << QString();
        QTest::newRow("binding too strong") << u"wneRentBinding"_s << 31 << u"바인딩강도을(를) 정확히 입력하십시오."_s;
    }
    void bodyMeasuresWithinTheirRanges()
    {
        QFETCH(QString, field);
        QFETCH(int, value);
        QFETCH(QString, refusal);
        search();
        fillHead();
        fillRow(u"CS"_s, u"150"_s, u"홍길동"_s, Qt::Key_F5);
        m_screen->findChild<NumberEdit *>(field)->setValue(value);
        m_boxes->clear();
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        if (refusal.isEmpty()) {
            QCOMPARE(m_screen->StatusMessage(), u"자료를 저장했습니다."_s);
            return;
        }
        QCOMPARE(m_boxes->lastText(), refusal);
        QCOMPARE(InputControlOf(QApplication::focusWidget()), m_screen->findChild<QWidget *>(field));
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb040dt"_s), u"0"_s);
    }
    void rowChecks()
    {
        QFETCH(int, stateKey);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, refusal);
        search();
        fillHead();
        fillRow(u"CS"_s, u"150"_s, u"홍길동"_s, Qt::Key(stateKey));
        mask(u"wmeRentSvrlDateFrom"_s)->setText(from);
        mask(u"wmeRentSvrlDateTo"_s)->setText(to);
        m_boxes->clear();
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        if (!refusal.isEmpty()) {
            QCOMPARE(m_boxes->lastText(), refusal);
            QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb040dt"_s), u"0"_s);
            return;
        }
        QCOMPARE(m_db->adminScalar(u"SELECT concat_ws('/', rent_stat, svrl_rent_from_date, svrl_rent_to_date) "
                                   "FROM ktuser.eb040dt"_s),
                 QStringList({m_screen->SelectedRentState(), from, to}).filter(QRegularExpression(u"."_s)).join(u'/'));
        // Only a multi-day rental marks its item as out.
        QCOMPARE(m_db->adminScalar(u"SELECT svrl_rent_yn FROM ktuser.eb020ms WHERE area_gubun = 'M' "
                                   "AND equip_gubun = 'CS' AND equip_no = 'C0001'"_s),
                 m_screen->SelectedRentState() == u"S"_s ? u"Y"_s : u"N"_s);
    }

    void returningAStoredMultiDayRowGivesTheItemBack()
    {
        search();
        fillHead();
        fillRow(u"CS"_s, u"150"_s, u"홍길동"_s, Qt::Key_F6);
        mask(u"wmeRentSvrlDateFrom"_s)->setText(Today);
        mask(u"wmeRentSvrlDateTo"_s)->setText(Today);
        save();
        const QString rentNo = edit(u"edtRentNo"_s)->text();
        QCOMPARE(m_db->adminScalar(u"SELECT svrl_rent_yn || svrl_from_date FROM ktuser.eb020ms "
                                   "WHERE area_gubun = 'M' AND equip_no = 'C0001'"_s),
                 u"Y"_s + Today);

        // Searched again by its number, the rental is an update with a stored row.
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(m_screen.get(), Qt::Key_F8);
        QVERIFY(m_screen->IsSearchMode());
        edit(u"edtRentNo"_s)->setText(rentNo);
        search();
        QCOMPARE(m_screen->HeadEditStatus(), u"1"_s);
        QCOMPARE(edit(u"edtKeepBoxNo"_s)->text(), u"A12"_s);
        QCOMPARE(edit(u"edtRentEquipNo"_s)->text(), u"C0001"_s);
        QCOMPARE(m_screen->SelectedRentState(), u"S"_s);
        QVERIFY(!tool(u"sbtEquipOk"_s)->isEnabled());
        QVERIFY(!tool(u"sbtEquipCancel"_s)->isEnabled());
        QVERIFY(!m_screen->findChild<QPushButton *>(u"bbtDelete"_s)->isEnabled());

        chooseKind(u"CS"_s, u"150"_s);
        QCOMPARE(footer(), u"2"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F7);
        save();
        QCOMPARE(ticketsPrinted(), 1); // the first save's ticket only
        QCOMPARE(m_db->adminScalar(u"SELECT rent_stat FROM ktuser.eb040dt"_s), u"R"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT svrl_rent_yn || coalesce(svrl_from_date, '-') FROM ktuser.eb020ms "
                                   "WHERE area_gubun = 'M' AND equip_no = 'C0001'"_s),
                 u"N-"_s);
        chooseKind(u"CS"_s, u"150"_s);
        QCOMPARE(footer(), u"3"_s);
    }

    void selectingTakesTheItemOffTheListAndReleasePutsItBack()
    {
        search();
        chooseKind(u"CS"_s, u"150"_s);
        QCOMPARE(footer(), u"3"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F10);
        QCOMPARE(edit(u"edtRentEquipNo"_s)->text(), u"C0001"_s);
        QCOMPARE(footer(), u"2"_s);
        QVERIFY(!tool(u"sbtEquipOk"_s)->isEnabled());
        QCOMPARE(m_db->adminScalar(u"SELECT au_emp_no || ' ' || au_ip FROM ktuser.eb020tm WHERE equip_no = 'C0001'"_s),
                 u"T0001 10.1.2.3"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F11);
        QCOMPARE(edit(u"edtRentEquipNo"_s)->text(), QString());
        QCOMPARE(footer(), u"3"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb020tm"_s), u"0"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F11);
        QCOMPARE(m_boxes->lastText(), u"선택된 장비가 없습니다"_s);

        // Another kind chosen after an item was picked gives the item back.
        QTest::keyClick(m_screen.get(), Qt::Key_F10);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb020tm"_s), u"1"_s);
        chooseKind(u"SB"_s, u"140"_s);
        QCOMPARE(edit(u"edtRentEquipNo"_s)->text(), QString());
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb020tm"_s), u"0"_s);
        QCOMPARE(footer(), u"2"_s);
    }

    void holdsOfUnsavedRowsAreGivenBack_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("cancel") << u"bbtCancel"_s;
        QTest::newRow("close") << u"bbtClose"_s;
    }
    void holdsOfUnsavedRowsAreGivenBack()
    {
        QFETCH(QString, button);
        search();
        fillHead();
        fillRow(u"CS"_s, u"150"_s, u"홍길동"_s, Qt::Key_F5);
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        fillRow(u"SB"_s, u"140"_s, u"장길산"_s, Qt::Key_F5);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb020tm"_s), u"2"_s);
        m_boxes->confirmAnswers = {true};
        QTest::mouseClick(m_screen->findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb020tm"_s), u"0"_s);
        if (button == u"bbtCancel"_s) {
            QCOMPARE(footer(), u"0"_s);
            QVERIFY(m_screen->SelectedRentState().isEmpty());
        }
    }

    // Holds left behind on a server out of reach expire there: Cancel and
    // Close go on without it.
    void cancelAndCloseWorkWhileTheServerIsDown_data() { holdsOfUnsavedRowsAreGivenBack_data(); }
    void cancelAndCloseWorkWhileTheServerIsDown()
    {
        QFETCH(QString, button);
        search();
        fillHead();
        fillRow(u"CS"_s, u"150"_s, u"홍길동"_s, Qt::Key_F5);
        m_db->setServerDown(true);
        m_boxes->clear();
        m_boxes->confirmAnswers = {true};
        QTest::mouseClick(m_screen->findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(m_boxes->texts(), QStringList({u"변경된 자료가 있습니다.\r정말 %1하시겠습니까?"_s.arg(
                                                    button == u"bbtCancel"_s ? u"취소"_s : u"종료"_s)}));
        if (button == u"bbtCancel"_s)
            QVERIFY(m_screen->IsSearchMode());
        else
            QVERIFY(!m_screen->isVisible());
        m_db->setServerDown(false);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb020tm"_s), u"1"_s);
    }

    void deletingANewRowReleasesItsItem()
    {
        search();
        fillHead();
        fillRow(u"CS"_s, u"150"_s, u"홍길동"_s, Qt::Key_F5);
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        fillRow(u"SB"_s, u"140"_s, u"장길산"_s, Qt::Key_F5);
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(m_screen.get(), Qt::Key_F9);
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(equip_no, ',') FROM ktuser.eb020tm"_s), u"C0001"_s);
    }

    // The keyboard alone through the whole screen: Tab from the first field
    // reaches every button once, leaves the grids, passes over the fields
    // the screen fills itself, and comes round; Shift+Tab walks it backwards.
    void tabWalksTheScreenAndBack()
    {
        search();
        fillHead();
        fillRow(u"CS"_s, u"150"_s, u"홍길동"_s, Qt::Key_F5);
        m_screen->FocusFirst();
        QWidget *start = QApplication::focusWidget();
        QVERIFY(start);
        const auto walk = [start](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QList<QWidget *> seen{start};
            for (int i = 0; i < 120; ++i) {
                QTest::keyClick(QApplication::focusWidget(), key, modifiers);
                QWidget *now = QApplication::focusWidget();
                if (now == start || seen.contains(now))
                    break;
                seen.append(now);
            }
            return seen;
        };
        const QList<QWidget *> forward = walk(Qt::Key_Tab, Qt::NoModifier);
        QVERIFY2(QApplication::focusWidget() == start,
                 qPrintable(u"Tab went round in a loop at "_s + QApplication::focusWidget()->objectName()));
        QStringList names;
        for (QWidget *w : forward)
            names.append(InputControlOf(w)->objectName());
        for (const QString &name : {u"rgrGrid"_s, u"rgrEquipNo"_s, u"edtRentName"_s, u"bbtPrintInit"_s})
            QVERIFY2(names.contains(name), qPrintable(name + u" not reached: "_s + names.join(u' ')));
        for (const QString &name : {u"edtRentEquipNo"_s, u"edtRentAddr1"_s})
            QVERIFY2(!names.contains(name), qPrintable(name + u" is a Tab stop"_s));
        for (QPushButton *button : m_screen->findChildren<QPushButton *>())
            if (button->isVisibleTo(m_screen.get()) && button->isEnabled() && (button->focusPolicy() & Qt::TabFocus))
                QVERIFY2(forward.contains(button), qPrintable(button->objectName() + u" not reached"_s));

        QList<QWidget *> backward = walk(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), start);
        std::reverse(backward.begin() + 1, backward.end());
        QCOMPARE(backward, forward);
    }

    // Enter on a focused button presses it; Space still does.
    void enterPressesTheFocusedButton()
    {
        auto *searchButton = m_screen->findChild<QPushButton *>(u"bbtSearch"_s);
        searchButton->setFocus();
        QTest::keyClick(searchButton, Qt::Key_Return);
        QVERIFY(!m_screen->IsSearchMode());
        fillHead();
        fillRow(u"CS"_s, u"150"_s, u"홍길동"_s, Qt::Key_F5);
        auto *saveButton = m_screen->findChild<QPushButton *>(u"bbtSave"_s);
        saveButton->setFocus();
        m_boxes->clear();
        QTest::keyClick(saveButton, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(m_screen->StatusMessage(), u"자료를 저장했습니다."_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        fillRow(u"CS"_s, u"150"_s, u"임꺽정"_s, Qt::Key_F5);
        saveButton->setFocus();
        m_screen->ShowStatus({});
        QTest::keyClick(saveButton, Qt::Key_Space);
        QCOMPARE(m_screen->StatusMessage(), u"자료를 저장했습니다."_s);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb040dt"_s), u"2"_s);
    }

    // The only row deleted, the form is an empty new row again: its item
    // can be chosen and what is typed next is saved.
    void deletingTheLastRowLeavesAnEmptyNewRow()
    {
        search();
        fillHead();
        fillRow(u"CS"_s, u"150"_s, u"홍길동"_s, Qt::Key_F5);
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(m_screen.get(), Qt::Key_F9);
        QCOMPARE(m_screen->Rows().rowCount(), 1);
        QCOMPARE(edit(u"edtRentEquipNo"_s)->text(), QString());
        QCOMPARE(edit(u"edtRentName"_s)->text(), QString());
        QVERIFY(tool(u"sbtEquipOk"_s)->isEnabled());
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb020tm"_s), u"0"_s);
        fillRow(u"CS"_s, u"150"_s, u"임꺽정"_s, Qt::Key_F5);
        save();
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(rent_name || ':' || equip_no, ',') FROM ktuser.eb040dt"_s),
                 u"임꺽정:C0001"_s);
    }

    void failedSaveKeepsNoRolledBackNumber()
    {
        search();
        fillHead();
        fillRow(u"CS"_s, u"150"_s, u"홍길동"_s, Qt::Key_F5);
        // The item is withdrawn from rental after it was picked.
        m_db->adminExec(u"UPDATE ktuser.eb020ms SET equip_rent_yn = 'N' WHERE equip_no = 'C0001'"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QVERIFY(m_boxes->lastText().contains(u"대여할 수 없는 장비입니다"_s));
        QCOMPARE(edit(u"edtRentNo"_s)->text(), QString());
        QCOMPARE(m_screen->HeadEditStatus(), u"2"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb040ms"_s), u"0"_s);

        m_db->adminExec(u"UPDATE ktuser.eb020ms SET equip_rent_yn = 'Y' WHERE equip_no = 'C0001'"_s);
        save();
        QCOMPARE(edit(u"edtRentNo"_s)->text(), m_db->adminScalar(u"SELECT rent_no FROM ktuser.eb040ms"_s));
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb040dt"_s), u"1"_s);
    }

    void absentPrinterLosesNothingAndSendsNothingTwice()
    {
        m_screen.reset();
        openScreen(u"/dev/kest-no-such-printer"_s);
        search();
        fillHead();
        fillRow(u"CS"_s, u"150"_s, u"홍길동"_s, Qt::Key_F5);
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb040dt"_s), u"1"_s);
        QVERIFY(m_boxes->lastText().startsWith(u"대여증을 출력하지 못했습니다."_s));
        QVERIFY(m_screen->IsStoredRow(0));
        m_boxes->clear();
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb040dt"_s), u"1"_s);
        QVERIFY(!m_boxes->texts().join(u'|').contains(u"대여증"_s));
    }

    void reissuePrintsOnlyStoredRows()
    {
        search();
        fillHead();
        fillRow(u"CS"_s, u"150"_s, u"홍길동"_s, Qt::Key_F5);
        m_screen->bbtReissueClick();
        QCOMPARE(ticketsPrinted(), 0);
        save();
        QCOMPARE(ticketsPrinted(), 1);
        m_screen->bbtReissueClick();
        QCOMPARE(ticketsPrinted(), 1);
    }

    // Two counters hold the same item at the same moment.
    void onlyOneCounterHoldsAnItem()
    {
        std::atomic<int> held{0};
        std::atomic<int> refused{0};
        std::atomic<bool> go{false};
        std::vector<std::thread> counters;
        for (int c = 0; c < 2; ++c) {
            counters.emplace_back([&, c] {
                const QString name = u"counter%1"_s.arg(c);
                {
                    QSqlDatabase db = counterConnection(m_db->name(), name);
                    QSqlQuery q(db);
                    while (!go)
                        std::this_thread::yield();
                    const bool ok = q.exec(u"SELECT * FROM pr_ebi040_03(arent_date => '%1', aarea_gubun => 'M', "
                                           "aequip_gubun => 'CS', aequip_no => 'C0002', au_emp_no => 'E%2', "
                                           "au_ip => '10.0.0.%2', aeditstatus => '2')"_s.arg(Today).arg(c));
                    (ok ? held : refused)++;
                }
                QSqlDatabase::removeDatabase(name);
            });
        }
        go = true;
        for (std::thread &t : counters)
            t.join();
        QCOMPARE(held.load(), 1);
        QCOMPARE(refused.load(), 1);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb020tm"_s), u"1"_s);
    }

    void aCounterReleasesOnlyItsOwnHolds()
    {
        m_db->adminExec(u"INSERT INTO ktuser.eb020tm VALUES ('%1', 'M', 'CS', 'C0003', 'E9', '10.0.0.9')"_s.arg(Today));
        QSqlDatabase db = counterConnection(m_db->name(), u"releaser"_s);
        {
            QSqlQuery q(db);
            const QString call = u"SELECT * FROM pr_ebi040_03(arent_date => '%1', aarea_gubun => 'M', "
                                 "aequip_gubun => 'CS', aequip_no => %2, au_emp_no => 'E1', au_ip => '10.0.0.1', "
                                 "aeditstatus => '3')"_s;
            // Another counter's hold stays, without an error: Cancel and Close always work.
            QVERIFY2(q.exec(call.arg(Today, u"'C0003'"_s)), qPrintable(q.lastError().text()));
            QVERIFY2(q.exec(call.arg(Today, u"NULL"_s)), qPrintable(q.lastError().text()));
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(u"releaser"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb020tm"_s), u"1"_s);
    }

    // Eight counters saving new rentals of one date and area at once: the
    // number given by the commit and asked for after it (as the screen
    // does), taken inside the save, taken with the head, or taken and then
    // rolled back. The numbers stored are unique, run on without a gap, are
    // the ones each counter was told, and follow the order of the commits.
    void concurrentNewRentalsNumberedWithoutGaps()
    {
        constexpr int Counters = 8;
        constexpr int Rentals = 8;
        enum Mode { AtCommit, InSave, RolledBack, WithHead };
        struct Commit
        {
            qint64 no;
            qint64 before; // ns on one clock, around the commit
            qint64 after;
        };
        std::atomic<int> failures{0};
        std::atomic<int> committed{0};
        std::atomic<bool> go{false};
        std::mutex lock;
        QList<Commit> commits;
        QElapsedTimer clock;
        clock.start();
        std::vector<std::thread> counters;
        for (int c = 0; c < Counters; ++c) {
            counters.emplace_back([&, c] {
                const QString name = u"rental%1"_s.arg(c);
                {
                    QSqlDatabase db = counterConnection(m_db->name(), name);
                    while (!go)
                        std::this_thread::yield();
                    for (int i = 0; i < Rentals; ++i) {
                        const auto mode = Mode((c + i) % 4);
                        db.transaction();
                        QSqlQuery q(db);
                        bool ok = q.exec(u"SELECT anew_rent_no FROM pr_ebi040_01(arent_date => '%1', "
                                         "aarea_gubun => 'M', adeal_name => '동시', akeep_kind_gubun => '01', "
                                         "akeep_box_no => '1', au_emp_no => 'E%2', au_ip => '10.0.0.%2', "
                                         "aeditstatus => '2', alate_number => '%3')"_s.arg(Today).arg(c)
                                         .arg(mode == WithHead ? u"N"_s : u"Y"_s))
                                  && q.next();
                        qint64 no = q.value(0).toLongLong();
                        const auto askNumber = [&] {
                            ok = ok && q.exec(u"SELECT anew_rent_no FROM pr_ebi040_05(arent_date => '%1', "
                                              "aarea_gubun => 'M', arent_no => '%2')"_s.arg(Today).arg(no))
                                 && q.next();
                            no = q.value(0).toLongLong();
                            q.finish();
                        };
                        if (mode == InSave || mode == RolledBack)
                            askNumber();
                        q.finish();
                        if (mode == RolledBack) {
                            db.rollback();
                            continue;
                        }
                        const qint64 before = clock.nsecsElapsed();
                        if (!db.commit())
                            failures++;
                        const qint64 after = clock.nsecsElapsed();
                        committed++;
                        if (mode == AtCommit)
                            askNumber();
                        if (!ok || no <= 0)
                            failures++;
                        const std::lock_guard guard(lock);
                        commits.append({no, before, after});
                    }
                }
                QSqlDatabase::removeDatabase(name);
            });
        }
        go = true;
        for (std::thread &t : counters)
            t.join();
        QCOMPARE(failures.load(), 0);
        // The series carries on from the numbers earlier tests took.
        QCOMPARE(m_db->adminScalar(u"SELECT count(DISTINCT rent_no) || '/' || count(*) || '/' || (max(rent_no) - min(rent_no) + 1)"
                                   " || '/' || (min(rent_no) > 0) FROM ktuser.eb040ms WHERE rent_date = '%1'"_s.arg(Today)),
                 u"%1/%1/%1/true"_s.arg(committed.load()));
        // Each number the caller was told is the one stored, and a commit
        // that ended before another began holds the lower number.
        for (const Commit &a : std::as_const(commits)) {
            QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb040ms WHERE rent_date = '%1' AND rent_no = %2"_s
                                           .arg(Today).arg(a.no)),
                     u"1"_s);
            for (const Commit &b : std::as_const(commits))
                if (a.after < b.before)
                    QVERIFY2(a.no < b.no, qPrintable(u"%1 committed before %2"_s.arg(a.no).arg(b.no)));
        }
    }

    // Two counters renting one item at the same moment in sessions at
    // REPEATABLE READ, where neither sees the other's row: the server still
    // lets the item out once.
    void oneItemIsNotRentedTwiceWhateverTheIsolation()
    {
        m_db->adminExec(u"INSERT INTO ktuser.eb040ms (rent_date, area_gubun, rent_no, deal_name) VALUES "
                        "('%1', 'M', 1, '갑'), ('%1', 'M', 2, '을')"_s.arg(Today));
        const QString call = u"SELECT pr_ebi040_02(arent_date => '%1', aarea_gubun => 'M', arent_no => '%2', "
                             "aequip_gubun => 'CS', aequip_no => 'C0001', arent_stat => 'D', arent_name => '대여자', "
                             "au_emp_no => 'E%2', au_ip => '10.0.0.%2', aeditstatus => '2')"_s;
        const QString repeatableRead = u"SET SESSION CHARACTERISTICS AS TRANSACTION ISOLATION LEVEL REPEATABLE READ"_s;
        const OverlappingSaves saves =
            SaveAtOnce(*m_db, u"SET TRANSACTION ISOLATION LEVEL REPEATABLE READ; "_s + call.arg(Today, u"1"_s),
                       call.arg(Today, u"2"_s), {repeatableRead});
        QCOMPARE(saves.firstError, QString());
        QVERIFY(saves.secondWaited);
        QVERIFY2(saves.secondError.contains(u"장비번호 [C0001]은(는) 이미 대여된 장비입니다."_s),
                 qPrintable(saves.secondError));
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(rent_no::text, ',') FROM ktuser.eb040dt "
                                   "WHERE equip_no = 'C0001' AND rent_stat IN ('D', 'S')"_s),
                 u"1"_s);
    }

private:
    void openScreen(const QString &port)
    {
        QVERIFY(m_screen.open(port, nullptr));
    }
    void search()
    {
        QTest::keyClick(m_screen.get(), Qt::Key_F3);
        QVERIFY(!m_screen->IsSearchMode());
    }
    void fillHead()
    {
        edit(u"edtDealName"_s)->setText(u"김대여"_s);
        edit(u"edtKeepBoxNo"_s)->setText(u"A12"_s);
    }
    void chooseKind(const QString &kind, const QString &size)
    {
        combo(u"cboRentEquip"_s)->setCode(kind);
        combo(u"cboEquipSizeGubun"_s)->setCode(size);
    }
    // Fills the current row: an item from the list, a renter and a state.
    void fillRow(const QString &kind, const QString &size, const QString &name, Qt::Key state)
    {
        chooseKind(kind, size);
        QTest::keyClick(m_screen.get(), Qt::Key_F10);
        QVERIFY(!edit(u"edtRentEquipNo"_s)->text().isEmpty());
        edit(u"edtRentName"_s)->setText(name);
        QTest::keyClick(m_screen.get(), state);
    }
    // Presses Tab until the named control has the focus.
    void tabTo(const QString &name)
    {
        for (int i = 0; i < 40 && InputControlOf(QApplication::focusWidget())->objectName() != name; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(InputControlOf(QApplication::focusWidget())->objectName(), name);
    }
    // Tabs to a code list and moves through it with Up and Down to a code.
    void chooseWithKeys(const QString &name, const QString &code)
    {
        tabTo(name);
        CodeCombo *list = combo(name);
        for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down})
            for (int i = 0; i < 40 && list->code() != code; ++i)
                QTest::keyClick(list, key);
        QCOMPARE(list->code(), code);
    }
    void save()
    {
        m_boxes->clear();
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QCOMPARE(m_screen->StatusMessage(), u"자료를 저장했습니다."_s);
    }
    QByteArray printed()
    {
        QByteArray bytes;
        while (m_line.waitForReadyRead(400))
            bytes += m_line.readAll();
        return bytes + m_line.readAll();
    }
    int ticketsPrinted() { return int(printed().count("<CB>")); }
    QString footer() const { return m_screen->FreeItems().footer(0); }
    QLineEdit *edit(const QString &name) const { return m_screen->findChild<QLineEdit *>(name); }
    MaskEdit *mask(const QString &name) const { return m_screen->findChild<MaskEdit *>(name); }
    CodeCombo *combo(const QString &name) const { return m_screen->findChild<CodeCombo *>(name); }
    QToolButton *tool(const QString &name) const { return m_screen->findChild<QToolButton *>(name); }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<PtyPair> m_pty;
    QSerialPort m_line;
    std::unique_ptr<RecordingModal> m_boxes;
    ShownScreen<TfrmEBI040> m_screen{openLater};
};

QTEST_MAIN(TestRental)
#include "tst_rental.moc"
