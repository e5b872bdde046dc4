#include "PtyPair.h"
#include "CodeCombo.h"
#include "EBI050.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "StartupValues.h"
#include "TestDatabase.h"
#include "TicketPrinter.h"
#include "TicketStream.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <mutex>
#include <thread>

using namespace Qt::StringLiterals;

namespace {


// A row that passes every check: control name and value. A code list
// takes a code; an empty value empties the control.
using Fields = QList<std::pair<QString, QString>>;

Fields ValidRow(const QString &serial, const QString &keeper)
{
    return {{u"cboKeep"_s, u"04"_s},
            {u"cboKeepEquip"_s, u"CS"_s},
            {u"cboKeepEquipName"_s, u"01"_s},
            {u"edtKeepEquipID"_s, serial},
            {u"wmeKeepInDate"_s, u"20261201"_s},
            {u"edtKeepName"_s, keeper},
            {u"edtKeepTel"_s, u"02-555-1234"_s},
            {u"edtKeepMobile"_s, u"010-1234-5678"_s},
            {u"edtKeepBoxNo"_s, u"A-"_s + serial.right(3)}};
}

// Inserts a stored record the way another counter's save does.
const char *const InsertSql = "SELECT anew_keep_no FROM ktuser.pr_ebi050_01(aseason_gubun => '26', aarea_gubun => "
                              "'M', akeep_stat => 'K', aipgo_date => '20261201', akeep_gubun => '03', aequip_gubun "
                              "=> 'SB', aequip_name_gubun => '02', anative_no => %1, akeep_name => %2, atel_no => "
                              "'031-000-0000', akeep_box_no => 'Z-1', aeditstatus => '2')";

} // namespace

class TestStorage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_saved = Startup();
    }
    void cleanupTestCase()
    {
        SetStartupValues(m_saved);
        m_db.reset();
    }

    void init()
    {
        m_db->adminExec(u"TRUNCATE ktuser.eb050ms; DELETE FROM kest_private.counters WHERE series LIKE 'eb050ms:%'"_s);
        m_boxes = std::make_unique<RecordingModal>();
    }
    void cleanup()
    {
        if (m_boxes)
            m_boxes->confirmAnswers = {true};
        m_screen.reset();
        m_boxes.reset();
        m_device.close();
        m_pair.reset();
        SetStartupValues(m_saved);
    }

    void searchNeedsAKnownSeason_data()
    {
        QTest::addColumn<QString>("season");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QString() << u"*시즌을(를) 먼저 입력하십시오."_s;
        QTest::newRow("not in the code table") << u"99"_s << u"*시즌을(를) 정확히 입력하십시오."_s;
        QTest::newRow("raised to upper case, unknown") << u"2a"_s << u"*시즌을(를) 정확히 입력하십시오."_s;
    }
    void searchNeedsAKnownSeason()
    {
        QFETCH(QString, season);
        QFETCH(QString, message);
        openScreen(u"/dev/kest-no-such-port"_s);
        auto *edit = find<TextEdit>(u"edtSeason"_s);
        edit->setFocus();
        QTest::keyClicks(edit, season);
        QCOMPARE(edit->text(), season.toUpper());
        QTest::keyClick(m_screen.get(), Qt::Key_F3);
        QCOMPARE(m_boxes->texts(), QStringList{message});
        QVERIFY(m_screen->IsSearchMode());
        QCOMPARE(QApplication::focusWidget(), edit);
    }

    void seasonLookup_data()
    {
        QTest::addColumn<bool>("pick");
        QTest::addColumn<QString>("season");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("focus");
        QTest::newRow("picked") << true << u"24"_s << u"2024-2025 시즌"_s << u"cboArea"_s;
        QTest::newRow("closed") << false << u"2"_s << QString() << u"edtSeason"_s;
    }
    void seasonLookup()
    {
        QFETCH(bool, pick);
        QFETCH(QString, season);
        QFETCH(QString, name);
        QFETCH(QString, focus);
        openScreen(u"/dev/kest-no-such-port"_s);
        QString caption;
        m_boxes->dialogScript = [&](QDialog &dialog) {
            dialog.show();
            QApplication::setActiveWindow(&dialog); // offscreen leaves its parent active
            if (!QTest::qWaitForWindowActive(&dialog))
                return 0;
            caption = dialog.windowTitle();
            QTest::keyClick(&dialog, pick ? Qt::Key_F10 : Qt::Key_Escape);
            return dialog.result();
        };
        auto *edit = find<TextEdit>(u"edtSeason"_s);
        edit->setFocus();
        QTest::keyClicks(edit, u"2"_s);
        QTest::keyClick(edit, Qt::Key_F1);
        QCOMPARE(caption, u"스키 시즌구분"_s);
        QCOMPARE(edit->text(), season);
        QCOMPARE(find<QLabel>(u"wlbSeason"_s)->text(), name);
        QCOMPARE(InputControlOf(m_screen->focusWidget()), find<QWidget>(focus));
    }

    // Another screen's printer on the same device (the rental counter's)
    // shares the port: both print in turn, without "프린터초기화", and the
    // port stays with the one left when a screen goes.
    void printerSharedWithAnotherScreen()
    {
        connectLine();
        if (QTest::currentTestFailed())
            return;
        m_db->adminExec(QString::fromLatin1(InsertSql).arg(u"'OLD-1'"_s, u"'갑'"_s));
        auto other = std::make_unique<TicketPrinter>(m_pair->printerSide);
        other->OpenPrinter();
        QVERIFY(other->isOpen());
        openScreen(m_pair->printerSide);
        search(u"26"_s);
        find<QPushButton>(u"bbtReissue"_s)->click();
        const QByteArray keepTicket = ReadUntilQuiet(m_device, 1);
        QVERIFY(keepTicket.contains("26-0000000001"));
        const TRentTicketInfo rental{.rentNo = u"0000000007"_s};
        other->PrintRentTicket(rental);
        find<QPushButton>(u"bbtReissue"_s)->click();
        QVERIFY2(m_boxes->boxes.isEmpty(), qPrintable(m_boxes->texts().join(u" | "_s)));
        QCOMPARE(ReadUntilQuiet(m_device, 1), RentTicketStream(rental) + keepTicket);

        m_screen.reset();
        QVERIFY(other->isOpen());
        other.reset();
        TicketPrinter next(m_pair->printerSide);
        next.OpenPrinter();
        QVERIFY(next.isOpen());
    }

    void searchShowsTheSeasonAndRowsInNumberOrder()
    {
        m_db->adminExec(QString::fromLatin1(InsertSql).arg(u"'X1'"_s, u"'갑'"_s));
        m_db->adminExec(QString::fromLatin1(InsertSql).arg(u"'X2'"_s, u"'을'"_s));
        // An update moves a row to the end of the table's scan order.
        m_db->adminExec(u"UPDATE ktuser.eb050ms SET remark = '바뀜' WHERE keep_no = 1"_s);
        m_db->adminExec(u"ANALYZE ktuser.eb050ms"_s); // a table this small is read in scan order
        openScreen(u"/dev/kest-no-such-port"_s);
        search(u"26"_s);
        QCOMPARE(find<QLabel>(u"wlbSeason"_s)->text(), u"2026-2027 시즌"_s);
        QCOMPARE(rows().rowCount(), 2);
        QCOMPARE(rows().value(0, u"KEEP_NO"_s), u"0000000001"_s);
        QCOMPARE(rows().value(1, u"KEEP_NO"_s), u"0000000002"_s);
        QCOMPARE(find<QLabel>(u"wlbKeepNo"_s)->text(), u"0000000001"_s);
        QCOMPARE(rows().data(rows().index(0, rows().columnOf(u"IPGO_DATE"_s))).toString(), u"2026-12-01"_s);
        QCOMPARE(rows().data(rows().index(0, rows().columnOf(u"CHULGO_DATE"_s))).toString(), QString());
        QCOMPARE(rows().data(rows().index(0, rows().columnOf(u"KEEP_STAT"_s))).toString(), u"보관"_s);
        QCOMPARE(find<TextEdit>(u"edtKeepTel"_s)->text(), u"031-000-0000"_s); // read back decrypted
        QCOMPARE(m_screen->SelectedState(), u"K"_s);
        QVERIFY(find<QToolButton>(u"sbtKeep"_s)->isChecked());
        QVERIFY(!find<QToolButton>(u"sbtKeepReturn"_s)->isChecked());
    }

    void rowChecks_data()
    {
        QTest::addColumn<Fields>("changes");
        QTest::addColumn<int>("stateKey"); // 0: no state button pressed
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");

        const int keep = Qt::Key_F5;
        const int release = Qt::Key_F6;
        QTest::newRow("preferential number typed in")
            << Fields{{u"edtKeepWoodaeNo"_s, u"1234"_s}} << keep << u"우대번호을(를) 정확히 입력하십시오."_s
            << u"edtKeepWoodaeNo"_s;
        QTest::newRow("no storage kind") << Fields{{u"cboKeep"_s, {}}} << keep
                                         << u"*보관구분을(를) 먼저 입력하십시오."_s << u"cboKeep"_s;
        QTest::newRow("no equipment name") << Fields{{u"cboKeepEquipName"_s, {}}} << keep
                                           << u"*장비명을(를) 먼저 입력하십시오."_s << u"cboKeepEquipName"_s;
        QTest::newRow("no serial number") << Fields{{u"edtKeepEquipID"_s, u"  "_s}} << keep
                                          << u"*고유번호을(를) 먼저 입력하십시오."_s << u"edtKeepEquipID"_s;
        QTest::newRow("no deposit date") << Fields{{u"wmeKeepInDate"_s, {}}} << keep
                                         << u"*입고일을(를) 먼저 입력하십시오."_s << u"wmeKeepInDate"_s;
        QTest::newRow("deposit on 31 November") << Fields{{u"wmeKeepInDate"_s, u"20261131"_s}} << keep
                                                << u"*입고일을(를) 정확히 입력하십시오."_s << u"wmeKeepInDate"_s;
        QTest::newRow("deposit date cut short") << Fields{{u"wmeKeepInDate"_s, u"202612"_s}} << keep
                                                << u"*입고일을(를) 정확히 입력하십시오."_s << u"wmeKeepInDate"_s;
        QTest::newRow("no keeper") << Fields{{u"edtKeepName"_s, {}}} << keep
                                   << u"*보관자명을(를) 먼저 입력하십시오."_s << u"edtKeepName"_s;
        QTest::newRow("no home telephone") << Fields{{u"edtKeepTel"_s, {}}} << keep
                                           << u"*연락처(자택)을(를) 먼저 입력하십시오."_s << u"edtKeepTel"_s;
        QTest::newRow("no box") << Fields{{u"edtKeepBoxNo"_s, {}}} << keep
                                << u"*보관함번호을(를) 먼저 입력하십시오."_s << u"edtKeepBoxNo"_s;
        QTest::newRow("no state") << Fields{} << 0 << u"보관상태를 선택하십시요"_s << QString();
        QTest::newRow("released without release date")
            << Fields{{u"wmeKeepOutDate"_s, {}}} << release << u"보관상태가 [불출]일 경우 출고일을 입력하십시요"_s
            << u"wmeKeepOutDate"_s;
        QTest::newRow("release on 30 February") << Fields{{u"wmeKeepOutDate"_s, u"20270230"_s}} << keep
                                                << u"출고일을(를) 정확히 입력하십시오."_s << u"wmeKeepOutDate"_s;
        QTest::newRow("released before its deposit") << Fields{{u"wmeKeepOutDate"_s, u"20261130"_s}} << release
                                                     << u"출고일을(를) 정확히 입력하십시오."_s << u"wmeKeepOutDate"_s;
        QTest::newRow("released the day it came") << Fields{{u"wmeKeepOutDate"_s, u"20261201"_s}} << release
                                                  << QString() << QString();
        QTest::newRow("stored with a release date") << Fields{{u"wmeKeepOutDate"_s, u"20261231"_s}} << keep
                                                    << QString() << QString();
        QTest::newRow("released with a release date") << Fields{{u"wmeKeepOutDate"_s, u"20261205"_s}} << release
                                                      << QString() << QString();
    }
    void rowChecks()
    {
        QFETCH(Fields, changes);
        QFETCH(int, stateKey);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        openScreen(u"/dev/kest-no-such-port"_s);
        search(u"26"_s);
        if (stateKey != 0)
            QTest::keyClick(m_screen.get(), Qt::Key(stateKey));
        fill(ValidRow(u"SN-001"_s, u"홍길동"_s) + changes);
        QWidget *before = QApplication::focusWidget();
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        const QString count = m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb050ms"_s);
        if (message.isEmpty()) {
            // Asked, saved; the only other box is the absent printer's.
            QCOMPARE(m_boxes->texts().value(0), u"저장 하시겠습니까?"_s);
            for (const RecordingModal::Box &box : std::as_const(m_boxes->boxes))
                QVERIFY2(box.kind != BoxKind::Information, qPrintable(box.text));
            QCOMPARE(count, u"1"_s);
            const QString state = stateKey == Qt::Key_F6 ? u"R"_s : u"K"_s;
            QCOMPARE(m_db->adminScalar(u"SELECT keep_stat || chulgo_date FROM ktuser.eb050ms"_s),
                     state + changes.value(0).second);
            return;
        }
        QCOMPARE(m_boxes->texts(), QStringList{message});
        QCOMPARE(count, u"0"_s);
        QWidget *expected = focus.isEmpty() ? before : find<QWidget>(focus);
        QCOMPARE(InputControlOf(QApplication::focusWidget()), InputControlOf(expected));
        // Adding a row is refused the same way.
        m_boxes->clear();
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        QCOMPARE(m_boxes->texts(), QStringList{message});
        QCOMPARE(rows().rowCount(), 1);
    }

    void dueDateFromTheStorageKind_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("stateKey");
        QTest::addColumn<QString>("deposit");
        QTest::addColumn<QString>("due");
        QTest::newRow("monthly, 30 days") << u"04"_s << int(Qt::Key_F5) << u"20261201"_s << u"20261231"_s;
        QTest::newRow("same day") << u"01"_s << int(Qt::Key_F5) << u"20261201"_s << u"20261201"_s;
        QTest::newRow("weekly across the year") << u"03"_s << int(Qt::Key_F5) << u"20261228"_s << u"20270104"_s;
        QTest::newRow("no state chosen yet") << u"02"_s << 0 << u"20270227"_s << u"20270302"_s;
        // The release date of a released item is the actual one: kept.
        QTest::newRow("released") << u"04"_s << int(Qt::Key_F6) << u"20261201"_s << u"20261203"_s;
        // An impossible date is neither sent nor turned into another date.
        QTest::newRow("invalid date") << u"04"_s << int(Qt::Key_F5) << u"20261301"_s << u"20261203"_s;
    }
    void dueDateFromTheStorageKind()
    {
        QFETCH(QString, kind);
        QFETCH(int, stateKey);
        QFETCH(QString, deposit);
        QFETCH(QString, due);
        openScreen(u"/dev/kest-no-such-port"_s);
        search(u"26"_s);
        if (stateKey != 0)
            QTest::keyClick(m_screen.get(), Qt::Key(stateKey));
        fill({{u"cboKeep"_s, kind}, {u"wmeKeepOutDate"_s, u"20261203"_s}});
        auto *in = find<MaskEdit>(u"wmeKeepInDate"_s);
        in->setFocus();
        in->setText(deposit);
        find<QWidget>(u"edtKeepMemberNo"_s)->setFocus();
        QCOMPARE(find<MaskEdit>(u"wmeKeepOutDate"_s)->plainText(), due);
        QCOMPARE(rows().value(0, u"CHULGO_DATE"_s), due);

        // A kind chosen afterwards counts once the date is left again.
        find<CodeCombo>(u"cboKeep"_s)->setCode(u"05"_s);
        QCOMPARE(find<MaskEdit>(u"wmeKeepOutDate"_s)->plainText(), due);
    }

    // Leaving a number fills what it stands for; typing over it empties
    // that again, in the control and in the row.
    // A new preferential number drops the old one's name, on screen and in the row.
    void typingAPreferentialNumberDropsTheOldName()
    {
        openScreen(u"/dev/kest-no-such-port"_s);
        search(u"26"_s);
        auto *name = find<QLabel>(u"wlbKeepWoodaeNo"_s);
        name->setText(u"우대고객"_s);
        rows().setValue(0, u"GUEST_NAME"_s, u"우대고객"_s);
        auto *number = find<QLineEdit>(u"edtKeepWoodaeNo"_s);
        number->setFocus();
        QTest::keyClicks(number, u"77"_s);
        QCOMPARE(name->text(), QString());
        QCOMPARE(rows().value(0, u"GUEST_NAME"_s), QString());
    }

    void fieldExitsFillWhatTheNumberNames_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("filled");
        QTest::newRow("member") << u"edtKeepMemberNo"_s << u"2000000101"_s << u"edtKeepName"_s << u"KEEP_NAME"_s
                                << u"김민준"_s;
        QTest::newRow("unknown member") << u"edtKeepMemberNo"_s << u"2999999999"_s << u"edtKeepName"_s
                                        << u"KEEP_NAME"_s << QString();
        QTest::newRow("postal code") << u"wmeKeepZipCode"_s << u"135080"_s << u"edtKeepAddr1"_s << u"ADDR1"_s
                                     << u"서울특별시 강남구 역삼동 "_s;
    }
    void fieldExitsFillWhatTheNumberNames()
    {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        QFETCH(QString, target);
        QFETCH(QString, field);
        QFETCH(QString, filled);
        m_db->adminExec(u"INSERT INTO bb010ms (member_no, member_name, member_group_code) "
                        "VALUES ('2000000101', '김민준', '20') ON CONFLICT DO NOTHING;"
                        "INSERT INTO zx030ms (zip_code, zip_seq, address1, address2, address3) "
                        "VALUES ('135080', 1, '서울특별시', '강남구', '역삼동') ON CONFLICT DO NOTHING"_s);
        openScreen(u"/dev/kest-no-such-port"_s);
        search(u"26"_s);
        find<QLineEdit>(target)->setText(u"이전 값"_s);
        auto *edit = find<QLineEdit>(source);
        edit->setFocus();
        edit->home(false);
        QTest::keyClicks(edit, typed);
        QCOMPARE(find<QLineEdit>(target)->text(), QString()); // typing drops the old one
        find<QWidget>(u"edtKeepTel"_s)->setFocus();
        QCOMPARE(find<QLineEdit>(target)->text(), filled);
        QCOMPARE(rows().value(0, field), filled);
    }

    // Tickets go to the records by the numbers the server gave them, even
    // when another counter saved between Search and Save, so that the new
    // rows sit elsewhere after the reload.
    void eachNewRowPrintsItsOwnNumber()
    {
        connectLine();
        if (QTest::currentTestFailed())
            return;
        m_db->adminExec(QString::fromLatin1(InsertSql).arg(u"'OLD-1'"_s, u"'갑'"_s));
        openScreen(m_pair->printerSide);
        search(u"26"_s);
        find<TextEdit>(u"edtKeepRemark"_s)->setText(u"고친 행"_s); // a changed stored row prints nothing
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        QTest::keyClick(m_screen.get(), Qt::Key_F5);
        fill(ValidRow(u"SN-101"_s, u"김철수"_s));
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        QTest::keyClick(m_screen.get(), Qt::Key_F5);
        fill(ValidRow(u"SN-102"_s, u"이영희"_s));
        m_db->adminExec(QString::fromLatin1(InsertSql).arg(u"'OTHER'"_s, u"'병'"_s)); // number 2

        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{u"저장 하시겠습니까?"_s});
        QCOMPARE(m_screen->StatusMessage(), u"자료를 저장했습니다."_s);
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(keep_no || native_no, ',' ORDER BY keep_no) FROM ktuser.eb050ms"_s),
                 u"1OLD-1,2OTHER,3SN-101,4SN-102"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT remark FROM ktuser.eb050ms WHERE keep_no = 1"_s), u"고친 행"_s);
        auto ticket = [](const QString &no, const QString &keeper, const QString &serial) {
            return KeepTicketStream({.season = u"26"_s, .keepNo = no, .keepName = keeper, .equipName = u"스키"_s,
                                     .nativeNo = serial, .keepKindName = u"월간보관"_s, .inDate = u"20261201"_s,
                                     .boxNo = u"A-"_s + serial.right(3)});
        };
        const QByteArray expected = ticket(u"0000000003"_s, u"김철수"_s, u"SN-101"_s)
                                    + ticket(u"0000000004"_s, u"이영희"_s, u"SN-102"_s);
        QCOMPARE(ReadUntilQuiet(m_device, expected.size()), expected);
        QVERIFY(expected.contains("26-0000000003"));

        // Nothing new is left: saving again sends and prints nothing.
        m_boxes->clear();
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb050ms"_s), u"4"_s);
        QCOMPARE(ReadUntilQuiet(m_device, 0), QByteArray());

        // Reissue: the current stored row again; a new row prints nothing.
        m_screen->Grid()->setCurrentRow(3);
        find<QPushButton>(u"bbtReissue"_s)->click();
        QCOMPARE(ReadUntilQuiet(m_device, 1), ticket(u"0000000004"_s, u"이영희"_s, u"SN-102"_s));
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        QTest::keyClick(m_screen.get(), Qt::Key_F5);
        fill(ValidRow(u"SN-103"_s, u"박민수"_s));
        find<QPushButton>(u"bbtReissue"_s)->click();
        QCOMPARE(ReadUntilQuiet(m_device, 0), QByteArray());
        QVERIFY(!m_screen->IsStoredRow(rows().rowCount() - 1));
    }

    void absentPrinterKeepsTheRecord()
    {
        openScreen(u"/dev/kest-no-such-port"_s);
        search(u"26"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F5);
        fill(ValidRow(u"SN-201"_s, u"최수진"_s));
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb050ms"_s), u"1"_s);
        QCOMPARE(m_boxes->boxes.size(), 2);
        QCOMPARE(m_boxes->boxes.at(1).kind, BoxKind::Error);
        QVERIFY2(m_boxes->boxes.at(1).text.contains(u"/dev/kest-no-such-port"_s), qPrintable(m_boxes->lastText()));
        QVERIFY(m_screen->IsStoredRow(0));
        QCOMPARE(rows().value(0, u"KEEP_NO"_s), u"0000000001"_s);

        // Saving again has nothing to send, so nothing prints twice.
        m_boxes->clear();
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QVERIFY(m_boxes->boxes.isEmpty());
        QCOMPARE(m_screen->StatusMessage(), u"변경된 자료가 없습니다."_s);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb050ms"_s), u"1"_s);
    }

    // A saved row the reload does not bring back cannot be printed from:
    // the operator is told which ticket is missing.
    void ticketOfARowTheReloadMissesIsReported()
    {
        connectLine();
        if (QTest::currentTestFailed())
            return;
        m_db->adminExec(u"ALTER TABLE eb050ms ENABLE ROW LEVEL SECURITY;"
                        " CREATE POLICY hide_one ON eb050ms FOR SELECT USING (native_no <> 'SN-401')"_s);
        openScreen(m_pair->printerSide);
        search(u"26"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F5);
        fill(ValidRow(u"SN-401"_s, u"유재석"_s));
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        m_db->adminExec(u"DROP POLICY hide_one ON eb050ms; ALTER TABLE eb050ms DISABLE ROW LEVEL SECURITY"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb050ms"_s), u"1"_s);
        QCOMPARE(m_boxes->boxes.last().kind, BoxKind::Error);
        QVERIFY2(m_boxes->lastText().contains(u"26-0000000001"_s), qPrintable(m_boxes->lastText()));
        QCOMPARE(ReadUntilQuiet(m_device, 0), QByteArray());
    }

    // A refused save keeps the row new and gives no ticket; the retry
    // prints it once, under the number of the save that committed.
    void refusedSavePrintsNothing()
    {
        connectLine();
        if (QTest::currentTestFailed())
            return;
        openScreen(m_pair->printerSide);
        search(u"26"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F5);
        fill(ValidRow(u"SN-301"_s, u"정우성"_s));
        m_db->adminExec(u"ALTER TABLE ktuser.eb050ms ADD CONSTRAINT no_box CHECK (keep_box_no <> 'A-301')"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        m_db->adminExec(u"ALTER TABLE ktuser.eb050ms DROP CONSTRAINT no_box"_s);
        QCOMPARE(m_boxes->boxes.last().kind, BoxKind::Error);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb050ms"_s), u"0"_s);
        QCOMPARE(ReadUntilQuiet(m_device, 0), QByteArray());
        QVERIFY(!m_screen->IsStoredRow(0));

        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QCOMPARE(m_db->adminScalar(u"SELECT keep_no FROM ktuser.eb050ms"_s), u"1"_s);
        QVERIFY(ReadUntilQuiet(m_device, 1).contains("26-0000000001"));
    }

    void cancelClearsTheStateButtons()
    {
        openScreen(u"/dev/kest-no-such-port"_s);
        search(u"26"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F6);
        QCOMPARE(m_screen->SelectedState(), u"R"_s);
        QVERIFY(find<QToolButton>(u"sbtKeepReturn"_s)->isChecked());
        QTest::keyClick(m_screen.get(), Qt::Key_F8);
        QVERIFY(m_screen->IsSearchMode());
        QCOMPARE(m_screen->SelectedState(), QString());
        QVERIFY(!find<QToolButton>(u"sbtKeep"_s)->isChecked());
        QVERIFY(!find<QToolButton>(u"sbtKeepReturn"_s)->isChecked());
        // Unavailable in search mode.
        QTest::keyClick(m_screen.get(), Qt::Key_F5);
        QCOMPARE(m_screen->SelectedState(), QString());
    }

    // Counters saving at once, each in its own transactions, never share a
    // number and never fail for one.
    void concurrentNewRecordsGetDistinctNumbers()
    {
        constexpr int Counters = 6;
        constexpr int SavesEach = 8;
        std::mutex lock;
        QStringList numbers;
        QStringList errors;
        std::vector<std::thread> threads;
        for (int c = 0; c < Counters; ++c)
            threads.emplace_back([&, c] {
                const QString name = u"counter%1"_s.arg(c);
                {
                    QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, name);
                    db.setHostName(TestDatabase::socketDir());
                    db.setPort(TestDatabase::port());
                    db.setDatabaseName(m_db->name());
                    db.setUserName(QString::fromLatin1(TestDatabase::LoginRole));
                    db.setPassword(QString::fromLatin1(TestDatabase::LoginPassword));
                    if (!db.open()) {
                        const std::scoped_lock guard(lock);
                        errors << db.lastError().text();
                    }
                    for (int i = 0; db.isOpen() && i < SavesEach; ++i) {
                        db.transaction();
                        QSqlQuery q(db);
                        const bool ok = q.exec(QString::fromLatin1(InsertSql)
                                                   .arg(u"'C%1-%2'"_s.arg(c).arg(i), u"'동시'"_s)) && q.next();
                        const QString number = ok ? q.value(0).toString() : QString();
                        const bool committed = ok && db.commit();
                        const std::scoped_lock guard(lock);
                        if (committed)
                            numbers << number;
                        else
                            errors << q.lastError().text() + db.lastError().text();
                        if (!committed)
                            db.rollback();
                    }
                    db.close();
                }
                QSqlDatabase::removeDatabase(name);
            });
        for (std::thread &t : threads)
            t.join();
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
        QCOMPARE(numbers.size(), Counters * SavesEach);
        numbers.removeDuplicates();
        QCOMPARE(numbers.size(), Counters * SavesEach);
        QCOMPARE(m_db->adminScalar(u"SELECT max(keep_no) FROM ktuser.eb050ms"_s), QString::number(Counters * SavesEach));
        // Another area counts on its own.
        QCOMPARE(m_db->adminScalar(QString::fromLatin1(InsertSql).replace(u"'M'"_s, u"'S'"_s).arg(u"'S1'"_s, u"'다'"_s)),
                 u"0000000001"_s);
    }

    void procedureRefusesWhatTheScreenWouldCatch_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::newRow("impossible deposit date") << u"aipgo_date => '20261131', akeep_stat => 'K'"_s;
        QTest::newRow("released without date") << u"aipgo_date => '20261201', akeep_stat => 'R'"_s;
        QTest::newRow("unknown state") << u"aipgo_date => '20261201', akeep_stat => 'X'"_s;
        QTest::newRow("change of a record that is gone")
            << u"aipgo_date => '20261201', akeep_stat => 'K', akeep_no => '0000000077', aeditstatus => '1'"_s;
    }
    void procedureRefusesWhatTheScreenWouldCatch()
    {
        QFETCH(QString, arguments);
        QString call = u"SELECT ktuser.pr_ebi050_01(aseason_gubun => '26', aarea_gubun => 'M', akeep_gubun => '01', "
                       "aequip_gubun => 'CS', aequip_name_gubun => '01', anative_no => 'N', akeep_name => 'K', "
                       "akeep_box_no => 'B', "_s
                       + arguments;
        if (!arguments.contains(u"aeditstatus"_s))
            call += u", aeditstatus => '2'"_s;
        call += u")"_s;
        QVERIFY_THROWS_EXCEPTION(std::exception, m_db->adminScalar(call));
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eb050ms"_s), u"0"_s);
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

    void openScreen(const QString &printerPort)
    {
        QFile ini(m_dir.filePath(u"Kest_E.ini"_s));
        QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write((u"[Printer]\nPort="_s + printerPort + u"\n"_s).toUtf8());
        ini.close();
        StartupValues values = Startup();
        values.exeDir = WithTrailingSeparator(m_dir.path());
        SetStartupValues(values);
        QVERIFY(m_screen.open());
    }

    void search(const QString &season)
    {
        auto *edit = find<TextEdit>(u"edtSeason"_s);
        edit->setFocus();
        QTest::keyClicks(edit, season);
        find<CodeCombo>(u"cboArea"_s)->setCode(u"M"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F3);
        QVERIFY(!m_screen->IsSearchMode());
        m_boxes->clear();
    }

    void fill(const Fields &fields)
    {
        for (const auto &[name, value] : fields) {
            QWidget *w = find<QWidget>(name);
            if (auto *combo = qobject_cast<CodeCombo *>(w)) {
                if (value.isEmpty())
                    combo->setCurrentIndex(-1);
                else
                    combo->setCode(value);
            } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
                edit->setText(value);
            }
        }
    }

    void connectLine()
    {
        m_pair = std::make_unique<PtyPair>();
        QVERIFY2(m_pair->isValid(), "socat could not make a pseudo-terminal pair (scripts/deps installs it)");
        m_device.setPortName(m_pair->deviceSide);
        QVERIFY2(m_device.open(QIODevice::ReadWrite), qPrintable(m_device.errorString()));
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
    ShownScreen<TfrmEBI050> m_screen{openLater};
    std::unique_ptr<PtyPair> m_pair;
    QSerialPort m_device;
    QTemporaryDir m_dir;
    StartupValues m_saved;
};

QTEST_MAIN(TestStorage)
#include "tst_storage.moc"
