#include "EFS010.h"
#include "GridModel.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "TestDatabase.h"

#include <QDateEdit>
#include <QTest>

using namespace Qt::StringLiterals;

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

private:
    std::unique_ptr<TestDatabase> m_db;
};

QTEST_MAIN(TestSales)
#include "tst_sales.moc"
