#include "AccidentMap.h"
#include "ChartView.h"
#include "CrossTableScreen.h"
#include "CodeCombo.h"
#include "EES020.h"
#include "EES030.h"
#include "EES040.h"
#include "EES050.h"
#include "EES060.h"
#include "EES070.h"
#include "EES080.h"
#include "EES090.h"
#include "EES120.h"
#include "EES140.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "ListLayout.h"
#include "RecordingModal.h"
#include "ReportPreview.h"
#include "ShownScreen.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QDateEdit>
#include <QProcess>
#include <QTabWidget>
#include <QScopeGuard>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

using Maker = std::function<std::unique_ptr<CrossTableScreen>()>;

template <class Screen>
Maker make()
{
    return [] { return std::make_unique<Screen>(); };
}

const QList<std::pair<QString, Maker>> &tables()
{
    static const QList<std::pair<QString, Maker>> list{
        {u"EES030"_s, make<TfrmEES030>()}, {u"EES040"_s, make<TfrmEES040>()}, {u"EES140"_s, make<TfrmEES140>()},
        {u"EES050"_s, make<TfrmEES050>()}, {u"EES060"_s, make<TfrmEES060>()}, {u"EES070"_s, make<TfrmEES070>()},
        {u"EES080"_s, make<TfrmEES080>()}, {u"EES090"_s, make<TfrmEES090>()}};
    return list;
}

Maker makerOf(const QString &id)
{
    for (const auto &[table, maker] : tables())
        if (table == id)
            return maker;
    return {};
}

// A grid row as "label|count|count|...|total".
QString rowText(const GridModel &grid, int row)
{
    QStringList cells;
    for (int c = 0; c < grid.columns().size(); ++c)
        cells << grid.value(row, grid.column(c).field);
    return cells.join(u'|');
}

int rowOf(const GridModel &grid, const QString &label)
{
    for (int r = 0; r < grid.rowCount(); ++r)
        if (grid.value(r, grid.column(0).field) == label)
            return r;
    return -1;
}

QString footerText(const GridModel &grid)
{
    QStringList cells;
    for (int c = 1; c < grid.columns().size(); ++c)
        cells << grid.footer(c);
    return cells.join(u'|');
}

QString repeated(const QString &cell, int times)
{
    return QStringList(times, cell).join(u'|');
}

} // namespace

class TestStatistics : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->adminRunFile(QStringLiteral(STATISTICS_FIXTURE));
    }
    void cleanupTestCase() { m_db.reset(); }
    void init() { m_boxes = std::make_unique<RecordingModal>(); }
    void cleanup()
    {
        m_shown.reset();
        m_boxes.reset();
    }

    // Every counting rule on one fixture, both dates empty (every accident
    // ever recorded): one row of each table, then its footer.
    void tablesCountByTheirRules_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("footer");
        const QString weekdayFooter
            = u"2(  33.33%)|1(  16.67%)|0(  00.00%)|0(  00.00%)|0(  00.00%)|1(  16.67%)|2(  33.33%)|"_s;
        // A Saturday 09:30 under 토, the Monday and Sunday ones beside it; the
        // date without a calendar row and the hour without a band only in
        // the grand total (7), so the shares add up to less than 100.
        QTest::newRow("EES030 hour by weekday") << u"EES030"_s << u"09:00∼10:00"_s
                                                << u"09:00∼10:00|1|0|0|0|0|1|1|3 (    42.86 %)"_s
                                                << weekdayFooter + u"6(100.00%)"_s;
        QTest::newRow("EES030 band without accidents")
            << u"EES030"_s << u"08:00∼09:00"_s << u"08:00∼09:00|0|0|0|0|0|0|0|0 (    00.00 %)"_s
            << weekdayFooter + u"6(100.00%)"_s;
        QTest::newRow("EES040 injury by weekday") << u"EES040"_s << u"골절"_s << u"골절|1|0|0|0|0|1|0|2 (    28.57 %)"_s
                                                  << weekdayFooter + u"6 (100.00%)"_s;
        QTest::newRow("EES140 the same table") << u"EES140"_s << u"염좌"_s << u"염좌|1|0|0|0|0|0|1|2 (    28.57 %)"_s
                                               << weekdayFooter + u"6 (100.00%)"_s;
        // December first; the calendar plays no part.
        const QString monthFooter = u"1(  14.29%)|6(  85.71%)|"_s + repeated(u"0(  00.00%)"_s, 3) + u'|'
                                    + repeated(u"0(  00.00)"_s, 7) + u'|';
        QTest::newRow("EES050 hour by month") << u"EES050"_s << u"14:00∼15:00"_s
                                              << u"14:00∼15:00|0|1|0|0|0|0|0|0|0|0|0|0|1(  14.29%)"_s
                                              << monthFooter + u"7(100.00%)"_s;
        QTest::newRow("EES050 December") << u"EES050"_s << u"11:00∼12:00"_s
                                         << u"11:00∼12:00|1|0|0|0|0|0|0|0|0|0|0|0|1(  14.29%)"_s
                                         << monthFooter + u"7(100.00%)"_s;
        QTest::newRow("EES060 injury by month") << u"EES060"_s << u"골절"_s
                                                << u"골절|0|3|0|0|0|0|0|0|0|0|0|0|3(  42.86%)"_s
                                                << monthFooter + u"7(100.00%)"_s;
        // Another sex counts in the totals only: the row is not drawn on yellow.
        const QString sexFooter = u"4(  57.14%)|2(  28.57%)|7 (100.00%)"_s;
        QTest::newRow("EES070 hour by sex") << u"EES070"_s << u"09:00∼10:00"_s
                                            << u"09:00∼10:00|2|1|3 (    42.86 %)"_s << sexFooter;
        QTest::newRow("EES070 another sex") << u"EES070"_s << u"14:00∼15:00"_s << u"14:00∼15:00|0|0|1 (    14.29 %)"_s
                                            << sexFooter;
        QTest::newRow("EES080 injury by sex") << u"EES080"_s << u"골절"_s << u"골절|2|0|3(  42.86%)"_s << sexFooter;
        // 9 is "9세이하", 10 "10∼19세", 60 and 75 "60세이상"; 160 and no age in the totals only.
        const QString ageFooter = u"1(  14.29%)|1(  14.29%)|0(  00.00%)|1(  14.29%)|0(  00.00%)|0(  00.00%)|"
                                  u"2(  28.57%)|7(100.00%)"_s;
        QTest::newRow("EES090 ages 9, 10 and 160") << u"EES090"_s << u"09:00∼10:00"_s
                                                   << u"09:00∼10:00|1|1|0|0|0|0|0|3 (    42.86 %)"_s << ageFooter;
        QTest::newRow("EES090 age 60") << u"EES090"_s << u"10:00∼11:00"_s
                                       << u"10:00∼11:00|0|0|0|0|0|0|1|1 (    14.29 %)"_s << ageFooter;
    }
    void tablesCountByTheirRules()
    {
        QFETCH(QString, id);
        QFETCH(QString, label);
        QFETCH(QString, row);
        QFETCH(QString, footer);
        CrossTableScreen *screen = open(id);
        search();
        QCOMPARE(m_boxes->texts(), QStringList());
        const int r = rowOf(grid(), label);
        QVERIFY2(r >= 0, qPrintable(label));
        QCOMPARE(rowText(grid(), r), row);
        QCOMPARE(footerText(grid()), footer);

        // Rows that counted in a value column are yellow, the others keep the grid's colours.
        auto *view = screen->findChild<GridView *>(u"rgrGrid"_s);
        for (int i = 0; i < grid().rowCount(); ++i) {
            bool counted = false;
            for (int c = 1; c + 1 < grid().columns().size(); ++c)
                counted = counted || grid().value(i, grid().column(c).field).toInt() > 0;
            QCOMPARE(view->rowColour(i).background, counted ? QColor(Qt::yellow) : QColor());
        }
        // The chart beside the grid: one group per row, one bar per value column, the grid's numbers.
        const report::Chart &chart = screen->findChild<ChartView *>(u"chtChart"_s)->chart();
        QCOMPARE(chart.categories.size(), grid().rowCount());
        QCOMPARE(chart.series.size(), grid().columns().size() - 2);
        for (int s = 0; s < chart.series.size(); ++s) {
            QCOMPARE(chart.series.at(s).name, grid().column(s + 1).title);
            for (int i = 0; i < grid().rowCount(); ++i)
                QCOMPARE(chart.series.at(s).values.value(i), grid().value(i, grid().column(s + 1).field).toDouble());
        }
    }

    // A period without accidents: every row 0 and the zero forms; no message.
    void emptyPeriodShowsTheZeroForms_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("footer");
        QTest::newRow("EES030") << u"EES030"_s << u"0 (  00.00 %)"_s
                                << repeated(u"0( 00.00 %)"_s, 7) + u"|0( 00.00 %)"_s;
        QTest::newRow("EES040") << u"EES040"_s << u"0 (  00.00 %)"_s
                                << repeated(u"0( 00.00%)"_s, 7) + u"|0( 00.00%)"_s;
        QTest::newRow("EES050") << u"EES050"_s << u"0( 00.00%)"_s
                                << repeated(u"0( 00.00%)"_s, 5) + u'|' + repeated(u"0( 00.00)"_s, 7)
                                       + u"|0( 00.00%)"_s;
        QTest::newRow("EES060") << u"EES060"_s << u"0(  00.00%)"_s
                                << repeated(u"0( 00.00%)"_s, 5) + u'|' + repeated(u"0( 00.00)"_s, 7)
                                       + u"|0( 00.00%)"_s;
        QTest::newRow("EES070") << u"EES070"_s << u"0 (  00.00 %)"_s << repeated(u"0( 00.00%)"_s, 3);
        QTest::newRow("EES080") << u"EES080"_s << u"0(  00.00%)"_s << repeated(u"0( 00.00%)"_s, 3);
        QTest::newRow("EES090") << u"EES090"_s << u"0 (  00.00 %)"_s << repeated(u"0( 00.00%)"_s, 8);
    }
    void emptyPeriodShowsTheZeroForms()
    {
        QFETCH(QString, id);
        QFETCH(QString, total);
        QFETCH(QString, footer);
        CrossTableScreen *screen = open(id);
        setPeriod(u"20230101"_s, u"20230131"_s);
        search();
        QCOMPARE(m_boxes->texts(), QStringList());
        QVERIFY(grid().rowCount() > 0);
        const int last = grid().columns().size() - 1;
        for (int r = 0; r < grid().rowCount(); ++r) {
            for (int c = 1; c < last; ++c)
                QCOMPARE(grid().value(r, grid().column(c).field), u"0"_s);
            QCOMPARE(grid().value(r, grid().column(last).field), total);
        }
        QCOMPARE(footerText(grid()), footer);
        const report::ChartGeometry chart = screen->findChild<ChartView *>(u"chtChart"_s)->geometryNow();
        for (const auto &series : chart.bars)
            for (const QRectF &bar : series)
                QVERIFY(bar.isEmpty());
    }

    // One end of the period bounds the count, the other stays open.
    void periodBoundsTheCount()
    {
        open(u"EES070"_s);
        setPeriod(u"20250106"_s, QString());
        search();
        // from the 6th: 2, 3, 4 and 5
        QCOMPARE(footerText(grid()), u"2(  50.00%)|1(  25.00%)|4 (100.00%)"_s);
        setPeriod(QString(), u"20250104"_s);
        search();
        QCOMPARE(footerText(grid()), u"1(  50.00%)|1(  50.00%)|2 (100.00%)"_s);
    }

    void invalidDateReadsNothing_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("focus");
        QTest::newRow("from") << u"20250230"_s << u"20250131"_s << u"wmeTrobDateFrom"_s;
        QTest::newRow("to") << u"20250101"_s << u"20251301"_s << u"wmeTrobDateTo"_s;
        QTest::newRow("both: the from date first") << u"20250231"_s << u"20251301"_s << u"wmeTrobDateFrom"_s;
    }
    void invalidDateReadsNothing()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, focus);
        open(u"EES030"_s);
        setPeriod(from, to);
        search();
        QCOMPARE(m_boxes->texts(), QStringList{u"사고일자을(를) 정확히 입력하십시오."_s});
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(!grid().isOpen());
    }

    // The preview: the condition line as typed, the rows with the footer
    // after "계( %)", and the chart of the same numbers on the last page.
    void previewPrintsTheTableItsFooterAndItsChart()
    {
        CrossTableScreen *screen = open(u"EES030"_s);
        setPeriod(u"20250101"_s, QString());
        search();
        report::Document shown;
        m_boxes->dialogScript = [&](QDialog &dialog) {
            if (auto *preview = dynamic_cast<report::ReportPreview *>(&dialog))
                shown = preview->document();
            return int(QDialog::Rejected);
        };
        QTest::keyClick(screen, Qt::Key_F11, Qt::ShiftModifier);
        QVERIFY(shown.pages.size() >= 2);
        QCOMPARE(shown.named(0, report::ConditionItems[0]).value(0).text, u"사고일자: 20250101  ∼  [끝]"_s);
        QCOMPARE(shown.named(0, report::TitleItem).value(0).text, u"요일별 사고발생시간"_s);
        const int last = int(shown.pages.size()) - 1;
        QCOMPARE(shown.named(last, u"chart"_s).size(), 1);
        for (int p = 0; p < last; ++p)
            QCOMPARE(shown.named(p, u"chart"_s).size(), 0);
        bool footer = false;
        for (const report::PageItem &item : shown.pages.at(last - 1).items)
            footer = footer || item.text == u"5(100.00%)"_s;
        QVERIFY(footer);
    }

    // Accidents saved by another counter while the table is read: its rows,
    // footer and chart still come from one moment. Every accident saved has
    // a band and a calendar date, so the footer's count equals the rows'.
    void tableAndFooterAgreeWhileAccidentsAreSaved()
    {
        CrossTableScreen *screen = open(u"EES030"_s);
        setPeriod(u"20241201"_s, u"20241231"_s);
        QProcess saver;
        saver.start(u"psql"_s,
                    {u"-X"_s, u"-q"_s, u"-h"_s, TestDatabase::socketDir(), u"-p"_s, QString::number(TestDatabase::port()),
                     u"-U"_s, u"postgres"_s, u"-d"_s, m_db->name(), u"-c"_s,
                     uR"sql(DO $$ BEGIN
                       FOR i IN 1..3000 LOOP
                         INSERT INTO ktuser.ee010ms (trob_date, trob_no, trob_time, in_stat_gubun)
                         VALUES ('202412' || lpad((1 + i % 28)::text, 2, '0'), 100 + i,
                                 lpad((8 + i % 15)::text, 2, '0') || '00', '01');
                         COMMIT;
                       END LOOP; END $$)sql"_s});
        QVERIFY(saver.waitForStarted());
        int searches = 0;
        while (saver.state() != QProcess::NotRunning || searches < 3) {
            search();
            ++searches;
            qint64 rows = 0;
            const int total = grid().columns().size() - 1;
            for (int r = 0; r < grid().rowCount(); ++r)
                rows += grid().value(r, grid().column(total).field).section(u' ', 0, 0).toLongLong();
            const QString footer = grid().footer(total);
            QCOMPARE(footer, rows == 0 ? u"0( 00.00 %)"_s : u"%1(100.00%)"_s.arg(rows));
            const report::Chart &chart = screen->findChild<ChartView *>(u"chtChart"_s)->chart();
            qreal charted = 0;
            for (const report::ChartSeries &series : chart.series)
                for (const qreal value : series.values)
                    charted += value;
            QCOMPARE(qint64(charted), rows);
            if (searches > 200)
                break;
        }
        if (saver.state() != QProcess::NotRunning)
            QVERIFY(saver.waitForFinished(120000));
        QCOMPARE(saver.exitCode(), 0);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ee010ms WHERE trob_no > 100"_s), u"3000"_s);
    }

    // The daily lists: one date or a period, every place class or one;
    // labels from their groups, the stacked cells, the resident number as
    // the server reads it out.
    void dailyLists_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("EES020 all") << u"EES020"_s << QString() << QStringList{u"0001"_s, u"0002"_s};
        QTest::newRow("EES020 P2") << u"EES020"_s << u"P2"_s << QStringList{u"0001"_s};
        QTest::newRow("EES120 all") << u"EES120"_s << QString() << QStringList{u"0001"_s, u"0002"_s};
        QTest::newRow("EES120 P1") << u"EES120"_s << u"P1"_s << QStringList{u"0002"_s};
    }
    void dailyLists()
    {
        QFETCH(QString, id);
        QFETCH(QString, place);
        QFETCH(QStringList, numbers);
        m_db->adminRunFile(QStringLiteral(DAILY_FIXTURE));
        const auto removed = qScopeGuard([this] { m_db->adminExec(u"DELETE FROM ee010ms WHERE trob_date = '20250110'"_s); });
        std::unique_ptr<TfrmEZS000> made;
        if (id == u"EES020"_s)
            made = std::make_unique<TfrmEES020>();
        else
            made = std::make_unique<TfrmEES120>();
        auto shown = std::make_shared<ShownScreen<TfrmEZS000>>(openLater);
        QVERIFY(shown->take(std::move(made)));
        m_shown = shown;
        TfrmEZS000 *screen = shown->get();
        for (auto *date : screen->findChildren<QDateEdit *>())
            if (date->objectName() != u"dtpTrobToDate"_s)
                date->setDate(QDate(2025, 1, 10));
        if (auto *to = screen->findChild<QDateEdit *>(u"dtpTrobToDate"_s))
            to->setDate(QDate(2025, 1, 31));
        auto *peak = screen->findChild<CodeCombo *>(u"cboPeakGubun"_s);
        QCOMPARE(peak->itemText(0), u"[전체]"_s);
        peak->setCode(place);
        QTest::keyClick(screen, Qt::Key_F3);
        auto &list = *screen->findChild<GridModel *>(u"cdsQuery"_s);
        QStringList found;
        for (int r = 0; r < list.rowCount(); ++r)
            found << list.value(r, u"TROB_NO"_s);
        QCOMPARE(found, numbers);
        QCOMPARE(m_boxes->texts(), QStringList());
        if (place == u"P1"_s)
            return;
        QCOMPARE(list.value(0, u"TROB_TIME"_s), u"10:15"_s);
        QCOMPARE(list.value(0, u"WEATHER_STAT_NAME"_s), u"맑음"_s);
        QCOMPARE(list.value(0, u"PLACE_NAME"_s), u"해오름(초급)\n곤도라"_s);
        QCOMPARE(list.value(0, u"INJURED"_s), u"홍길동\n남\n34\n900101-1234567"_s);
        QCOMPARE(list.value(0, u"INJURED_LINE"_s), u"홍길동 / 남 / 34 / 900101-1234567"_s);
        QCOMPARE(list.value(0, u"TE_MEANS_NAME"_s), u"귀가(자가)"_s);
        QCOMPARE(list.value(0, u"TE_OBJECT_NAME"_s), u"귀가"_s);
        if (id == u"EES120"_s)
            QCOMPARE(list.value(0, u"TROB_DATE"_s), u"20250110"_s);
        if (numbers.size() > 1)
            QCOMPARE(list.value(1, u"INJURED"_s), u"김영희\n여\n\n"_s);
    }

    // A stored marker's top-left corner in the picture area's pixels: the
    // point stands at the centre of its square, scaled to the map as shown.
    void mapPosition_data()
    {
        QTest::addColumn<QPoint>("stored");
        QTest::addColumn<QSizeF>("shown");
        QTest::addColumn<QPointF>("expected");
        QTest::newRow("as entered") << QPoint(100, 200) << QSizeF(727, 516) << QPointF(107, 207);
        QTest::newRow("half size") << QPoint(100, 200) << QSizeF(363.5, 258) << QPointF(53.5, 103.5);
        QTest::newRow("corner, twice") << QPoint(0, 0) << QSizeF(1454, 1032) << QPointF(14, 14);
    }
    void mapPosition()
    {
        QFETCH(QPoint, stored);
        QFETCH(QSizeF, shown);
        QFETCH(QPointF, expected);
        QCOMPARE(accidentmap::MapPosition(stored.x(), stored.y(), shown), expected);
    }

    // The period's list on the map: placed markers of both peak areas as
    // points, "P3" and markers never moved counted under the map; a point
    // and its row select each other.
    void periodListOnTheMap()
    {
        m_db->adminExec(uR"sql(INSERT INTO ee010ms (trob_date, trob_no, trob_time, peak_gubun, in_stat_gubun, trob_point_x, trob_point_y) VALUES
            ('20250120', 1, '1000', 'P1', '01', 100, 200),
            ('20250120', 2, '1100', 'P2', '02', 300, 50),
            ('20250120', 3, '1200', 'P3', '01', 40, 40),
            ('20250120', 4, '1300', 'P1', '03', 0, 0))sql"_s);
        const auto removed = qScopeGuard([this] { m_db->adminExec(u"DELETE FROM ee010ms WHERE trob_date = '20250120'"_s); });
        auto shown = std::make_shared<ShownScreen<TfrmEES120>>();
        m_shown = shown;
        TfrmEES120 *screen = shown->get();
        screen->findChild<QDateEdit *>(u"dtpTrobFromDate"_s)->setDate(QDate(2025, 1, 20));
        screen->findChild<QDateEdit *>(u"dtpTrobToDate"_s)->setDate(QDate(2025, 1, 20));
        QTest::keyClick(screen, Qt::Key_F3);
        auto *map = screen->findChild<AccidentMap *>(u"mapAccident"_s);
        QVERIFY(map);
        const accidentmap::Points &points = map->points();
        QCOMPARE(points.plotted.size(), 2);
        QCOMPARE(points.left, 2);
        QCOMPARE(points.plotted.at(0).map, 0);
        QCOMPARE(points.plotted.at(1).map, 1);
        QVERIFY(points.plotted.at(0).tip.startsWith(u"2025-01-20  0001  10:00"_s));
        QVERIFY(map->leftText().contains(u"2건"_s));

        auto *view = screen->findChild<GridView *>(u"rgrGrid"_s);
        emit map->rowPicked(points.plotted.at(1).row);
        QCOMPARE(view->currentRow(), points.plotted.at(1).row);
        view->setCurrentRow(0);
        // the point clicked picks its row
        screen->findChild<QTabWidget *>(u"pgcMap"_s)->setCurrentWidget(map);
        QTest::mouseClick(map, Qt::LeftButton, {}, map->placeOf(points.plotted.at(1)).toPoint());
        QCOMPARE(view->currentRow(), points.plotted.at(1).row);
    }

private:
    CrossTableScreen *open(const QString &id)
    {
        auto shown = std::make_shared<ShownScreen<CrossTableScreen>>(openLater);
        if (!shown->take(makerOf(id)()))
            qWarning("the screen was not shown");
        m_shown = shown;
        m_screen = shown->get();
        return m_screen;
    }
    void setPeriod(const QString &from, const QString &to)
    {
        m_screen->findChild<MaskEdit *>(u"wmeTrobDateFrom"_s)->setText(from);
        m_screen->findChild<MaskEdit *>(u"wmeTrobDateTo"_s)->setText(to);
    }
    void search() { QTest::keyClick(m_screen, Qt::Key_F3); }
    GridModel &grid() { return *m_screen->findChild<GridModel *>(u"cdsQuery"_s); }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
    std::shared_ptr<void> m_shown;
    CrossTableScreen *m_screen = nullptr;
};

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
