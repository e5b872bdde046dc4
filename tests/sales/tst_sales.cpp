#include "CodeCombo.h"
#include "EFH030.h"
#include "EFR040.h"
#include "EFR041.h"
#include "EFS010.h"
#include "EFS020.h"
#include "EFS030.h"
#include "EFS040.h"
#include "EFS050.h"
#include "EFS060.h"
#include "EFS070.h"
#include "GridModel.h"
#include "ReportLocation.h"
#include "ReportViewer.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

template <class Screen>
void SetPeriod(Screen &screen, QDate from, QDate to)
{
    screen.template findChild<QDateEdit *>(u"dtpDateFrom"_s)->setDate(from);
    if (auto *end = screen.template findChild<QDateEdit *>(u"dtpDateTo"_s))
        end->setDate(to);
}

void SetOutlet(QWidget &screen, const QString &code)
{
    auto *edit = screen.findChild<QLineEdit *>(u"edt_Upjang_No"_s);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, code);
}

// The rows of the grid, each its fields' values joined by "|".
QStringList Rows(QWidget &screen, const QStringList &fields)
{
    GridModel &model = *screen.findChild<GridModel *>();
    model.fetchAll();
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList values;
        for (const QString &field : fields)
            values.append(model.value(row, field));
        rows.append(values.join(u'|'));
    }
    return rows;
}

// The viewer windows of a kind now open; closed and gone after the test.
template <class Window>
QList<Window *> OpenWindows()
{
    QList<Window *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            windows.append(window);
    return windows;
}

void CloseViewerWindows()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (qobject_cast<TfrmViewerWindow *>(widget))
            widget->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

// The sales statistics of the sports outlets on their screens, over a small
// set of sales lines that meets each rule once.
class TestSales : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        // Three days of lines: every line 1 piece; the amount tells the line.
        m_db->adminExec(uR"sql(
            TRUNCATE ktuser.ia010ms, ktuser.jb010ms, ktuser.jb020ms;
            INSERT INTO ktuser.jb020ms (upjang_code, type_code, type_name) VALUES
                ('5003', '01', '카빙'), ('5003', '02', '일반'), ('5003', '05', '기타'),
                ('5061', '01', '의류'), ('5007', '02', '보관'), ('5005', '01', '유아방');
            INSERT INTO ktuser.jb010ms (upjang_code, menu_code, menu_item1, type_code_1) VALUES
                ('5003', 'M1', '', '01'), ('5003', 'M2', '', '02'), ('5003', 'M2', 'X', '01'),
                ('5003', 'M5', '', '05'), ('5003', 'M9', '', '09'), ('5061', 'C1', '', '01'),
                ('5007', 'K2', '', '02'), ('5005', 'B1', '', '01');
            INSERT INTO ktuser.ia010ms (sale_date, upjang_code, pos_no, bill_no, bill_seq, menu_code, menu_item1,
                                        sale_qty, sale_amt) VALUES
                ('20261201', '5003', '01', 'B1', 1, 'M1', NULL, 1, 1),      -- first area, carving
                ('20261201', '5003', '51', 'B1', 2, 'M1', NULL, 1, 2),      -- second area, carving
                ('20261201', '5003', '41', 'B1', 3, 'M2', 'X', 1, 4),       -- the item makes it carving
                ('20261202', '5003', '21', 'B2', 1, 'M2', NULL, 1, 8),      -- first area, general
                ('20261202', '5003', '31', 'B2', 2, 'M1', NULL, 1, 16),     -- POS group of neither area
                ('20261202', '5003', '01', 'B2', 3, 'M5', NULL, 1, 32),     -- type of no named group
                ('20261202', '5003', '01', 'B2', 4, 'M9', NULL, 1, 64),     -- type the outlet lacks
                ('20261203', '5061', '12', 'B3', 1, 'C1', NULL, 1, 128),    -- clothing, second area
                ('20261203', '5061', '21', 'B3', 2, 'C1', NULL, 1, 256),    -- clothing, first area
                ('20261203', '5007', '01', 'B3', 3, 'K2', NULL, 1, 512),    -- ski storage
                ('20261203', '5005', '01', 'B3', 4, 'B1', NULL, 1, 1024),   -- kids' room
                ('20261203', '5003', '01', 'B3', 5, '00000000', NULL, 1, 2048),
                ('20261204', '5003', '01', 'B4', 1, 'M1', NULL, 1, 4096);   -- after the period)sql"_s);
        m_db->adminRunFile(QStringLiteral(TESTS_ROOT) + u"/sales/sales_reports.sql"_s);
        // One line of each kind of account at the ski repair on one day.
        m_db->adminExec(uR"sql(
            INSERT INTO ktuser.ja010ms (upjang_code, upjang_name, upjang_type) VALUES ('5007', '스키수리/보관소', '50')
            ON CONFLICT (upjang_code) DO NOTHING;
            INSERT INTO ktuser.jb010ms (upjang_code, menu_code, ticket_kind, daeso_code) VALUES
                ('5007', 'S1', '01', '1'), ('5007', 'S2', '02', '2');
            INSERT INTO ktuser.bb010ms (member_no, member_name, member_group_code) VALUES
                ('6000000001', '시즌권자', '60');
            INSERT INTO ktuser.ba040ms (member_no, member_name, birth_day) VALUES
                ('1000000001', '카드', 'CARD'), ('9900000001', '직원', '직원'), ('4210000001', '일일', '19800101');
            INSERT INTO ktuser.fa010ms (event_no, event_name, market_code) VALUES
                ('4110000001', '겨울캠프', '024'), ('4110000002', '동호회', '011');
            INSERT INTO ktuser.ia010ms (sale_date, upjang_code, pos_no, bill_no, bill_seq, menu_code, ticket_kind,
                                        dc_rate, sale_qty, sale_amt, accept_member_no) VALUES
                ('20261210', '5007', '01', 'C01', 1, 'S1', '01', 0,  1, 1, '6000000001'),
                ('20261210', '5007', '01', 'C02', 1, 'S2', '01', 10, 1, 1, '5000000001'),
                ('20261210', '5007', '01', 'C03', 1, 'S2', '01', 0,  1, 1, '7000000001'),
                ('20261210', '5007', '01', 'C04', 1, 'S2', '01', 0,  1, 1, '0012345678'),
                ('20261210', '5007', '01', 'C05', 1, 'S2', '01', 0,  1, 1, '2510000001'),
                ('20261210', '5007', '01', 'C06', 1, 'S2', '01', 0,  1, 1, '4110000001'),
                ('20261210', '5007', '01', 'C07', 1, 'S2', '01', 0,  1, 1, '4110000002'),
                ('20261210', '5007', '01', 'C08', 1, 'S2', '02', 0,  1, 1, NULL),
                ('20261210', '5007', '01', 'C09', 1, 'S2', '02', 10, 1, 1, '1000000001'),
                ('20261210', '5007', '01', 'C10', 1, 'S2', '02', 0,  1, 1, '9900000001'),
                ('20261210', '5007', '01', 'C11', 1, 'S2', '02', 0,  1, 1, '4210000001');)sql"_s);
    }
    void cleanupTestCase() { m_db.reset(); }

    // One row per date and the total; each category counts its own lines,
    // the total every counted line.
    void categoriesAndTotal_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("amount");
        QTest::newRow("first area carving, with the item's menu") << 0 << u"AMT_1"_s << u"5"_s;
        QTest::newRow("second area carving") << 0 << u"AMT_5"_s << u"2"_s;
        QTest::newRow("first area general") << 1 << u"AMT_2"_s << u"8"_s;
        QTest::newRow("other POS and other type only in the total") << 1 << u"AMT_16"_s << u"56"_s;
        QTest::newRow("first area clothing by the second character") << 2 << u"AMT_9"_s << u"256"_s;
        QTest::newRow("second area clothing") << 2 << u"AMT_10"_s << u"128"_s;
        QTest::newRow("ski storage") << 2 << u"AMT_12"_s << u"512"_s;
        QTest::newRow("kids' room") << 2 << u"AMT_14"_s << u"1,024"_s;
        QTest::newRow("no line of a group") << 2 << u"AMT_1"_s << u"0"_s;
        QTest::newRow("total row") << 3 << u"SALE_DATE"_s << u"총    계"_s;
        QTest::newRow("total of the period") << 3 << u"AMT_16"_s << u"1,983"_s;
        QTest::newRow("total quantity") << 3 << u"QTY_16"_s << u"10"_s;
    }
    void categoriesAndTotal()
    {
        QFETCH(int, row);
        QFETCH(QString, field);
        QFETCH(QString, amount);
        ShownScreen<TfrmEFS010> screen;
        RecordingModal boxes;
        screen->findChild<QDateEdit *>(u"dtpDateFrom"_s)->setDate(QDate(2026, 12, 1));
        screen->findChild<QDateEdit *>(u"dtpDateTo"_s)->setDate(QDate(2026, 12, 3));
        QTest::keyClick(screen.get(), Qt::Key_F3);
        QVERIFY2(boxes.texts().isEmpty(), qPrintable(boxes.texts().join(u' ')));
        GridModel &rows = *screen->findChild<GridModel *>();
        rows.fetchAll();
        QCOMPARE(rows.rowCount(), 4);
        QCOMPARE(rows.value(row, field), amount);
    }

    // Subtotal after each date, one total; the general class is what the
    // named classes leave; lines of menus the outlet lacks are not counted.
    void classesByDate()
    {
        ShownScreen<TfrmEFS020> screen;
        RecordingModal boxes;
        SetPeriod(*screen, QDate(2026, 12, 20), QDate(2026, 12, 22));
        SetOutlet(*screen, u"5003"_s);
        QCOMPARE(screen->findChild<QLabel *>(u"wlb_Upjang_No"_s)->text(), u"렌탈샵"_s);
        QTest::keyClick(screen.get(), Qt::Key_F3);
        QVERIFY2(boxes.texts().isEmpty(), qPrintable(boxes.texts().join(u' ')));
        const QStringList fields = {u"SALE_DATE"_s, u"DAESO_NAME"_s, u"GENERAL_AMT"_s, u"MEMBER_AMT"_s,
                                    u"DAILY_AMT"_s, u"PROMOTION_AMT"_s, u"TOTAL_QTY"_s, u"TOTAL_AMT"_s};
        QCOMPARE(Rows(*screen, fields), QStringList({
            u"20261220|대    인|60,000|27,000|0|0|3|87,000"_s,
            u"20261220|소    인|20,000|0|0|0|1|20,000"_s,
            u"20261220|구분없슴|0|0|0|25,000|1|25,000"_s,
            u"일    계||80,000|27,000|0|25,000|5|132,000"_s,
            u"20261221|대    인|81,000|0|0|0|3|81,000"_s,
            u"20261221|소    인|0|0|32,000|0|2|32,000"_s,
            u"일    계||81,000|0|32,000|0|5|113,000"_s,
            u"20261222|대    인|30,000|0|0|0|1|30,000"_s,
            u"일    계||30,000|0|0|0|1|30,000"_s,
            u"총    계||191,000|27,000|32,000|25,000|11|275,000"_s}));
        QVERIFY(screen->findChild<QPushButton *>(u"bbtPrint"_s)->isHidden());
        QVERIFY(screen->findChild<QPushButton *>(u"bbtPreview"_s)->isHidden());
    }

    // A period without sales: the totals' grouping must not leave a lone
    // row of zeros where the operator is told there is nothing.
    void emptyPeriod_data()
    {
        QTest::addColumn<QString>("screenId");
        QTest::newRow("EFS010") << u"EFS010"_s;
        QTest::newRow("EFS020") << u"EFS020"_s;
        QTest::newRow("EFS030") << u"EFS030"_s;
    }
    void emptyPeriod()
    {
        QFETCH(QString, screenId);
        RecordingModal boxes;
        std::unique_ptr<TfrmEZS000> made;
        if (screenId == u"EFS010"_s)
            made = std::make_unique<TfrmEFS010>();
        else if (screenId == u"EFS020"_s)
            made = std::make_unique<TfrmEFS020>();
        else
            made = std::make_unique<TfrmEFS030>();
        ShownScreen<TfrmEZS000> screen(openLater);
        QVERIFY(screen.take(std::move(made)));
        SetPeriod(*screen, QDate(2025, 1, 1), QDate(2025, 1, 31));
        if (screenId != u"EFS010"_s)
            SetOutlet(*screen, u"5003"_s);
        QTest::keyClick(screen.get(), Qt::Key_F3);
        QCOMPARE(boxes.texts(), QStringList{u"조회할 내용이 없습니다."_s});
        QCOMPARE(screen->findChild<GridModel *>()->rowCount(), 0);
    }

    // An outlet the ticketing system lacks: no name, and the search finds nothing.
    void unknownOutletFindsNothing()
    {
        ShownScreen<TfrmEFS020> screen;
        RecordingModal boxes;
        SetPeriod(*screen, QDate(2026, 12, 20), QDate(2026, 12, 22));
        SetOutlet(*screen, u"5003"_s);
        SetOutlet(*screen, u"9999"_s);
        QCOMPARE(screen->findChild<QLabel *>(u"wlb_Upjang_No"_s)->text(), QString());
        QTest::keyClick(screen.get(), Qt::Key_F3);
        QCOMPARE(boxes.texts(), QStringList{u"조회할 내용이 없습니다."_s});
    }

    // Codes that cannot enter a parameter string never reach the query or a report.
    void outletChecked_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("blank") << QString() << u"영업장을(를) 먼저 입력하십시오."_s;
        QTest::newRow("bracket") << u"50]["_s << u"영업장을(를) 정확히 입력하십시오."_s;
        QTest::newRow("quote") << u"5'--"_s << u"영업장을(를) 정확히 입력하십시오."_s;
    }
    void outletChecked()
    {
        QFETCH(QString, code);
        QFETCH(QString, message);
        ShownScreen<TfrmEFS030> screen;
        RecordingModal boxes;
        auto *edit = screen->findChild<QLineEdit *>(u"edt_Upjang_No"_s);
        edit->setText(code);
        QTest::keyClick(screen.get(), Qt::Key_F3);
        QCOMPARE(boxes.texts(), QStringList{message});
        boxes.clear();
        QTest::keyClick(screen.get(), Qt::Key_F11);
        QCOMPARE(boxes.texts(), QStringList{message});
        QVERIFY(OpenWindows<TfrmEFH030>().isEmpty());
    }

    // Rows per date, rate and ticket kind; adult, child and undivided apart.
    void discountAndTicket()
    {
        ShownScreen<TfrmEFS030> screen;
        RecordingModal boxes;
        QCOMPARE(screen->findChild<QLineEdit *>(u"edt_Upjang_No"_s)->text(), u"5001"_s);
        SetPeriod(*screen, QDate(2026, 12, 20), QDate(2026, 12, 21));
        SetOutlet(*screen, u"5003"_s);
        QTest::keyClick(screen.get(), Qt::Key_F3);
        QVERIFY2(boxes.texts().isEmpty(), qPrintable(boxes.texts().join(u' ')));
        const QStringList fields = {u"SALE_DATE"_s, u"DC_RATE"_s, u"TICKET"_s, u"NONE_AMT"_s, u"ADULT_AMT"_s,
                                    u"CHILD_AMT"_s, u"TOTAL_QTY"_s, u"TOTAL_AMT"_s};
        QCOMPARE(Rows(*screen, fields), QStringList({
            u"20261220|0|주간권|0|60,000|20,000|3|80,000"_s,
            u"20261220|0|오전권|25,000|0|0|1|25,000"_s,
            u"20261220|10|주간권|0|27,000|0|1|27,000"_s,
            u"20261221|10|주간권|0|81,000|0|3|81,000"_s,
            u"20261221|20|주간권|0|0|32,000|2|32,000"_s}));
    }

    // The customer classes of each account, as one table.
    void lineClasses()
    {
        ShownScreen<TfrmEFS070> screen;
        RecordingModal boxes;
        SetPeriod(*screen, QDate(2026, 12, 10), QDate(2026, 12, 10));
        SetOutlet(*screen, u"5007"_s);
        QTest::keyClick(screen.get(), Qt::Key_F3);
        QVERIFY2(boxes.texts().isEmpty(), qPrintable(boxes.texts().join(u' ')));
        const QStringList fields = {u"BILL_NO"_s, u"MEM_GUBUN1"_s, u"MEM_GUBUN2"_s, u"TICKET"_s, u"DAESO_CODE"_s,
                                    u"UPJANG_NAME"_s, u"MEMBER_NO"_s, u"MEMBER_NAME"_s};
        QCOMPARE(Rows(*screen, fields), QStringList({
            u"C01|일반|시즌권|주간권|대인|스키수리/보관소|6000000001|시즌권자"_s,
            u"C02|일반|쿠폰외|주간권|소인|스키수리/보관소|5000000001|"_s,
            u"C03|일반|쿠폰외|주간권|소인|스키수리/보관소|7000000001|"_s,
            u"C04|회원|회원|주간권|소인|스키수리/보관소|0012345678|"_s,
            u"C05|연합회|연합회|주간권|소인|스키수리/보관소|2510000001|"_s,
            u"C06|단체|캠프|주간권|소인|스키수리/보관소|4110000001|"_s,
            u"C07|단체|기타|주간권|소인|스키수리/보관소|4110000002|"_s,
            u"C08|일반|기타|오전권|소인|스키수리/보관소||"_s,
            u"C09|일반|카드|오전권|소인|스키수리/보관소|1000000001|"_s,
            u"C10|일반|직원할인|오전권|소인|스키수리/보관소|9900000001|"_s,
            u"C11|일반|기타|오전권|소인|스키수리/보관소|4210000001|"_s}));
    }

    // Each filter keeps the lines it names; together they all must hold.
    void lineFilters_data()
    {
        QTest::addColumn<QString>("guest");
        QTest::addColumn<QString>("ticket");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QStringList>("bills");
        QTest::newRow("none") << QString() << QString() << QString()
                              << QStringList{u"C01"_s, u"C02"_s, u"C03"_s, u"C04"_s, u"C05"_s, u"C06"_s,
                                             u"C07"_s, u"C08"_s, u"C09"_s, u"C10"_s, u"C11"_s};
        QTest::newRow("group") << u"단체"_s << QString() << QString() << QStringList{u"C06"_s, u"C07"_s};
        QTest::newRow("association") << u"연합회"_s << QString() << QString() << QStringList{u"C05"_s};
        QTest::newRow("ticket") << QString() << u"오전권"_s << QString()
                                << QStringList{u"C08"_s, u"C09"_s, u"C10"_s, u"C11"_s};
        QTest::newRow("rate") << QString() << QString() << u"10"_s << QStringList{u"C02"_s, u"C09"_s};
        QTest::newRow("all three") << u"일반"_s << u"오전권"_s << u"10"_s << QStringList{u"C09"_s};
    }
    void lineFilters()
    {
        QFETCH(QString, guest);
        QFETCH(QString, ticket);
        QFETCH(QString, rate);
        QFETCH(QStringList, bills);
        ShownScreen<TfrmEFS070> screen;
        RecordingModal boxes;
        SetOutlet(*screen, u"5007"_s);
        SetPeriod(*screen, QDate(2026, 12, 10), QDate(2026, 12, 10));
        screen->findChild<CodeCombo *>(u"cmbGuestType"_s)->setCode(guest);
        screen->findChild<CodeCombo *>(u"cmdTicket"_s)->setCode(ticket);
        screen->findChild<CodeCombo *>(u"cmdDC"_s)->setCode(rate);
        QCOMPARE(screen->findChild<CodeCombo *>(u"cmdDC"_s)->code(), rate);
        QTest::keyClick(screen.get(), Qt::Key_F3);
        QCOMPARE(Rows(*screen, {u"BILL_NO"_s}), bills);

        // Printed as shown: the filters follow the period and outlet only when one is chosen.
        QStringList values = {u"20261210"_s, u"20261210"_s, u"5007"_s};
        if (!guest.isEmpty() || !ticket.isEmpty() || !rate.isEmpty())
            values += QStringList{guest, ticket, rate};
        QTest::keyClick(screen.get(), Qt::Key_F11, Qt::ShiftModifier);
        const QList<TfrmEFH030 *> windows = OpenWindows<TfrmEFH030>();
        QCOMPARE(windows.size(), 1);
        QCOMPARE(viewer::ParseParameterString(windows.first()->Parameters()).value_or(QStringList()), values);
        CloseViewerWindows();
    }

    // The lists: the ticket kinds offered as a filter, and the rates sold
    // in the period, read again when a date changes but not the outlet.
    void filterLists()
    {
        ShownScreen<TfrmEFS070> screen;
        auto *tickets = screen->findChild<CodeCombo *>(u"cmdTicket"_s);
        QCOMPARE(tickets->itemText(0), QString());
        QVERIFY(tickets->codes().codes.contains(u"곤도라왕복권"_s));
        QVERIFY(!tickets->codes().codes.contains(u"초대권"_s));
        QCOMPARE(screen->findChild<CodeCombo *>(u"cmbGuestType"_s)->codes().codes,
                 QStringList({QString(), u"회원"_s, u"단체"_s, u"일반"_s, u"연합회"_s}));
        auto *rates = screen->findChild<CodeCombo *>(u"cmdDC"_s);
        SetOutlet(*screen, u"5003"_s);
        SetPeriod(*screen, QDate(2026, 12, 20), QDate(2026, 12, 20));
        QCOMPARE(rates->codes().codes, QStringList({QString(), u"0"_s, u"10"_s}));
        SetPeriod(*screen, QDate(2026, 12, 20), QDate(2026, 12, 21));
        QCOMPARE(rates->codes().codes, QStringList({QString(), u"0"_s, u"10"_s, u"20"_s}));
        SetOutlet(*screen, u"5007"_s);
        QCOMPARE(rates->codes().codes, QStringList({QString(), u"0"_s, u"10"_s, u"20"_s}));
        SetPeriod(*screen, QDate(2026, 12, 10), QDate(2026, 12, 10));
        QCOMPARE(rates->codes().codes, QStringList({QString(), u"0"_s, u"10"_s}));
    }

    // A list that cannot be filled says why; the screen still searches.
    void filterListFails()
    {
        RecordingModal boxes;
        m_db->adminExec(u"ALTER TABLE ktuser.ia010ms RENAME TO ia010ms_away"_s);
        std::unique_ptr<TfrmEFS070> made = std::make_unique<TfrmEFS070>();
        m_db->adminExec(u"ALTER TABLE ktuser.ia010ms_away RENAME TO ia010ms"_s);
        QCOMPARE(boxes.texts().size(), 1);
        QVERIFY2(boxes.texts().first().startsWith(u"에러내용:\r"_s), qPrintable(boxes.texts().first()));
        QCOMPARE(made->findChild<CodeCombo *>(u"cmdDC"_s)->codes().codes, QStringList{QString()});
        ShownScreen<TfrmEFS070> screen(openLater);
        QVERIFY(screen.take(std::move(made)));
        boxes.clear();
        SetOutlet(*screen, u"5007"_s);
        SetPeriod(*screen, QDate(2026, 12, 10), QDate(2026, 12, 10));
        QTest::keyClick(screen.get(), Qt::Key_F3);
        QCOMPARE(Rows(*screen, {u"BILL_NO"_s}).size(), 11);
    }

    // Which report each viewer screen and window opens, with which values.
    void reportsOpened_data()
    {
        QTest::addColumn<QString>("screenId");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("values");
        const QStringList period = {u"20261220"_s, u"20261221"_s, u"5003"_s};
        const QStringList outletFirst = {u"5003"_s, u"20261220"_s, u"20261221"_s};
        const QStringList vat = period + QStringList{u" VAT별도"_s};
        QTest::newRow("EFS030 print") << u"EFS030"_s << u"print"_s << u"영업장할인율권종별매출집계.mrd"_s << period;
        QTest::newRow("EFS030 preview") << u"EFS030"_s << u"preview"_s << u"영업장할인율권종별매출집계.mrd"_s << period;
        QTest::newRow("EFS070 print") << u"EFS070"_s << u"print"_s << u"영업장할인율권종별매출집계.mrd"_s << period;
        QTest::newRow("EFS040 menus") << u"EFS040"_s << u"bbtMenuSales"_s << u"MENU_UPJANG.mrd"_s << outletFirst;
        QTest::newRow("EFS040 POS") << u"EFS040"_s << u"bbtPosSales"_s << u"POS_UPJANG.mrd"_s << outletFirst;
        QTest::newRow("EFS060 detailed") << u"EFS060"_s << u"rbtDetail"_s
                                         << u"영업장별고객구분별권종별판매집계.mrd"_s << vat;
        QTest::newRow("EFS060 detailed without VAT") << u"EFS060"_s << u"rbtDetail+Chk_Vat"_s
                                                     << u"영업장별고객구분별권종별판매집계(VAT별도).mrd"_s << vat;
        QTest::newRow("EFS060 VAT cleared by a click") << u"EFS060"_s << u"Chk_Vat+rbtDetail"_s
                                                       << u"영업장별고객구분별권종별판매집계.mrd"_s << vat;
        QTest::newRow("EFS060 by ticket") << u"EFS060"_s << u"Chk_Vat+rbtTicket"_s << u"영업장별권종별판매집계.mrd"_s
                                          << period;
        QTest::newRow("EFS060 by class") << u"EFS060"_s << u"rbtGuest"_s << u"영업장별고객구분별판매집계.mrd"_s
                                         << period;
    }
    void reportsOpened()
    {
        QFETCH(QString, screenId);
        QFETCH(QString, action);
        QFETCH(QString, file);
        QFETCH(QStringList, values);
        RecordingModal boxes;
        std::unique_ptr<TfrmEZS000> made;
        if (screenId == u"EFS030"_s)
            made = std::make_unique<TfrmEFS030>();
        else if (screenId == u"EFS040"_s)
            made = std::make_unique<TfrmEFS040>();
        else if (screenId == u"EFS060"_s)
            made = std::make_unique<TfrmEFS060>();
        else
            made = std::make_unique<TfrmEFS070>();
        ShownScreen<TfrmEZS000> screen(openLater);
        QVERIFY(screen.take(std::move(made)));
        SetPeriod(*screen, QDate(2026, 12, 20), QDate(2026, 12, 21));
        SetOutlet(*screen, u"5003"_s);

        ReportViewer *viewer = nullptr;
        if (action == u"print"_s) {
            QTest::keyClick(screen.get(), Qt::Key_F11);
        } else if (action == u"preview"_s) {
            QTest::keyClick(screen.get(), Qt::Key_F11, Qt::ShiftModifier);
        } else if (action.startsWith(u"bbt"_s)) {
            QTest::mouseClick(screen->findChild<QPushButton *>(action), Qt::LeftButton);
        } else {
            for (const QString &name : action.split(u'+'))
                QTest::mouseClick(screen->findChild<QAbstractButton *>(name), Qt::LeftButton);
            auto *vatBox = screen->findChild<QCheckBox *>(u"Chk_Vat"_s);
            QCOMPARE(vatBox->isVisible(), screen->findChild<QRadioButton *>(u"rbtDetail"_s)->isChecked());
            QTest::keyClick(screen.get(), Qt::Key_F3);
            viewer = screen->findChild<ReportViewer *>();
        }
        QVERIFY2(boxes.texts().isEmpty(), qPrintable(boxes.texts().join(u' ')));
        if (!viewer) {
            const QList<TfrmViewerWindow *> windows = OpenWindows<TfrmViewerWindow>();
            QCOMPARE(windows.size(), 1);
            QCOMPARE(windows.first()->File(), file);
            QVERIFY(!windows.first()->isModal());
            viewer = windows.first()->Viewer();
        }
        QCOMPARE(viewer->calls().size(), 3);
        QCOMPARE(viewer->calls().at(0), u"AutoAdjust 0"_s);
        QCOMPARE(viewer->calls().at(1), u"ZoomRatio 90"_s);
        QVERIFY2(viewer->calls().at(2).contains(viewer::ReportLocation(viewer::ConfiguredServer(), file)),
                 qPrintable(viewer->calls().at(2)));
        QVERIFY(viewer->calls().at(2).endsWith(viewer::ParameterString(values).value_or(u"?"_s)));
        CloseViewerWindows();
    }

    // Every request its own window; they stay open side by side.
    void windowsAtOnce()
    {
        ShownScreen<TfrmEFS040> screen;
        RecordingModal boxes;
        auto *menus = screen->findChild<QPushButton *>(u"bbtMenuSales"_s);
        QTest::mouseClick(menus, Qt::LeftButton);
        QTest::mouseClick(menus, Qt::LeftButton);
        QTest::mouseClick(screen->findChild<QPushButton *>(u"bbtPosSales"_s), Qt::LeftButton);
        QCOMPARE(OpenWindows<TfrmEFR040>().size(), 2);
        QCOMPARE(OpenWindows<TfrmEFR041>().size(), 1);
        QVERIFY(screen->isEnabled());
        QTest::keyClick(screen.get(), Qt::Key_F3); // no list behind the buttons
        QVERIFY2(boxes.texts().isEmpty(), qPrintable(boxes.texts().join(u' ')));
        for (const char *hidden : {"bbtSearch", "bbtPrint", "bbtPreview", "bbtExcel", "bbtCancel"})
            QVERIFY2(screen->findChild<QPushButton *>(QString::fromLatin1(hidden))->isHidden(), hidden);
        CloseViewerWindows();
        QVERIFY(OpenWindows<TfrmViewerWindow>().isEmpty());
    }

    // The gondola report runs from the business date to the day the screen was opened.
    void gondolaPeriod()
    {
        ShownScreen<TfrmEFS050> screen;
        RecordingModal boxes;
        QVERIFY(screen->findChild<QDateEdit *>(u"dtpDateTo"_s)->isHidden());
        const QDate opened = QDate::currentDate();
        screen->findChild<QDateEdit *>(u"dtpDateFrom"_s)->setDate(opened.addDays(-3));
        QTest::keyClick(screen.get(), Qt::Key_F3);
        QVERIFY2(boxes.texts().isEmpty(), qPrintable(boxes.texts().join(u' ')));
        const QStringList calls = screen->Viewer()->calls();
        QCOMPARE(calls.size(), 3);
        QVERIFY(calls.at(2).endsWith(
            viewer::ParameterString({opened.addDays(-3).toString(u"yyyyMMdd"_s), opened.toString(u"yyyyMMdd"_s)})
                .value_or(u"?"_s)));
        QVERIFY(calls.at(2).contains(viewer::ReportLocation(viewer::ConfiguredServer(), u"곤도라발권및Gate통과현황.mrd"_s)));
    }

private:
    std::unique_ptr<TestDatabase> m_db;
};

QTEST_MAIN(TestSales)
#include "tst_sales.moc"
