#include "Chart.h"
#include "ReportDocument.h"
#include "ReportRenderer.h"
#include "RowSource.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace report;

Q_DECLARE_METATYPE(report::Chart)

namespace {

Chart weekdays()
{
    return {.title = u"요일별"_s,
            .categories = {u"09시"_s, u"10시"_s, u"11시"_s},
            .series = {{.name = u"월"_s, .values = {4, 0, 2}}, {.name = u"화"_s, .values = {1, 8, 0}}}};
}

QImage painted(const Chart &chart, QSize size, qreal fontPixels = 12)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    PaintChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), chart, fontPixels);
    return image;
}

} // namespace

class TestChart : public QObject
{
    Q_OBJECT

private slots:
    void barsStandForTheirValuesSideBySide()
    {
        const Chart chart = weekdays();
        const ChartGeometry g = LayOutChart(QRectF(0, 0, 600, 400), chart, 12);
        QCOMPARE(g.axisMaximum, 8.0);
        QCOMPARE(g.axisStep, 2.0);
        QCOMPARE(g.bars.size(), 2);
        // a zero stands as no bar; heights in proportion to the values
        QVERIFY(g.bars[0][1].isEmpty());
        QVERIFY(g.bars[1][2].isEmpty());
        QCOMPARE(g.bars[0][0].height() * 2, g.bars[1][1].height());
        QCOMPARE(g.bars[0][0].height(), g.bars[0][2].height() * 2);
        QCOMPARE(g.bars[1][1].height(), g.plot.height());
        for (const auto &series : g.bars)
            for (const QRectF &bar : series)
                if (!bar.isEmpty()) {
                    QCOMPARE(bar.bottom(), g.plot.bottom());
                    QVERIFY(g.plot.contains(bar.center()));
                }
        // within a category the series in order, the categories left to right
        QVERIFY(g.bars[0][0].right() <= g.bars[1][0].left() + 1e-9);
        QVERIFY(g.bars[1][0].right() < g.bars[0][2].left());
        QVERIFY(g.legend.left() > g.plot.right());
    }

    void valueAxisFitsTheLargestValue_data()
    {
        QTest::addColumn<QList<qreal>>("values");
        QTest::addColumn<qreal>("maximum");
        QTest::addColumn<qreal>("step");
        QTest::newRow("nothing") << QList<qreal>{0, 0} << 5.0 << 1.0;
        QTest::newRow("one count") << QList<qreal>{1} << 1.0 << 1.0;
        QTest::newRow("seven") << QList<qreal>{7, 3} << 8.0 << 2.0;
        QTest::newRow("on a line") << QList<qreal>{100} << 100.0 << 20.0;
        QTest::newRow("twenty-three") << QList<qreal>{23} << 25.0 << 5.0;
        QTest::newRow("shares") << QList<qreal>{0.35} << 0.4 << 0.1;
        QTest::newRow("below zero as zero") << QList<qreal>{-4} << 5.0 << 1.0;
    }
    void valueAxisFitsTheLargestValue()
    {
        QFETCH(QList<qreal>, values);
        QFETCH(qreal, maximum);
        QFETCH(qreal, step);
        QStringList categories;
        for (int i = 0; i < values.size(); ++i)
            categories << QString::number(i);
        const ChartGeometry g
            = LayOutChart(QRectF(0, 0, 400, 300), {.categories = categories, .series = {{.values = values}}}, 10);
        QVERIFY2(qAbs(g.axisMaximum - maximum) < 1e-9, qPrintable(QString::number(g.axisMaximum)));
        QVERIFY2(qAbs(g.axisStep - step) < 1e-9, qPrintable(QString::number(g.axisStep)));
    }

    void paintedBarsHaveTheirSeriesColours()
    {
        const Chart chart = weekdays();
        const QSize size(600, 400);
        const QImage image = painted(chart, size);
        const ChartGeometry g = LayOutChart(QRectF(0, 0, 600, 400), chart, 12);
        QCOMPARE(image.pixelColor(g.bars[0][0].center().toPoint()), ChartColour(0));
        QCOMPARE(image.pixelColor(g.bars[1][1].center().toPoint()), ChartColour(1));
        // the whole rectangle is painted, white where nothing stands
        QCOMPARE(image.pixelColor(QPointF(g.plot.left() + 3, g.plot.top() + g.plot.height() / 8).toPoint()),
                 QColor(Qt::white));
        QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white));
    }

    void emptyChartDrawsItsAxesOnly_data()
    {
        QTest::addColumn<Chart>("chart");
        QTest::newRow("no categories") << Chart{.series = {{.name = u"월"_s}}};
        QTest::newRow("all zero") << Chart{.categories = {u"a"_s, u"b"_s}, .series = {{.name = u"월"_s, .values = {0, 0}}}};
        QTest::newRow("no series") << Chart{.categories = {u"a"_s}};
    }
    void emptyChartDrawsItsAxesOnly()
    {
        QFETCH(Chart, chart);
        const QImage image = painted(chart, {300, 200});
        const ChartGeometry g = LayOutChart(QRectF(0, 0, 300, 200), chart, 12);
        for (const auto &series : g.bars)
            for (const QRectF &bar : series)
                QVERIFY(bar.isEmpty());
        QCOMPARE(g.axisMaximum, 5.0);
        // the axes are there, and no series colour inside the plot
        const QPoint corner = g.plot.bottomLeft().toPoint();
        QVERIFY(image.pixelColor(corner + QPoint(0, -int(g.plot.height() / 2))).lightness() < 128);
        for (int x = int(g.plot.left()) + 4; x < int(g.plot.right()); x += 7)
            QVERIFY(image.pixelColor(x, int(g.plot.bottom()) - 3) != ChartColour(0));
    }

    void lineSeriesJoinTheCategoryCentres()
    {
        Chart chart = weekdays();
        chart.series.append({.name = u"계"_s, .values = {5, 8, 2}, .kind = SeriesKind::Line});
        const ChartGeometry g = LayOutChart(QRectF(0, 0, 600, 400), chart, 12);
        QCOMPARE(g.points[2].size(), 3);
        for (int c = 0; c < 3; ++c)
            QCOMPARE(g.points[2][c].x(), g.categoryCentres[c]);
        QCOMPARE(g.points[2][1].y(), g.bars[1][1].top());
        // a line series takes no bar room: the two bar series share the slot
        const ChartGeometry bars = LayOutChart(QRectF(0, 0, 600, 400), weekdays(), 12);
        QCOMPARE(g.bars[0][0].width(), bars.bars[0][0].width());
    }

    void longLabelsStandUpright()
    {
        Chart chart = weekdays();
        QCOMPARE(LayOutChart(QRectF(0, 0, 600, 400), chart, 12).verticalLabels, false);
        chart.categories = {u"09:00 ~ 10:00 오전 첫 시간대"_s, u"b"_s, u"c"_s};
        QCOMPARE(LayOutChart(QRectF(0, 0, 300, 400), chart, 12).verticalLabels, true);
    }

    void reportPagesDrawTheChartAndItKeepsToItsRectangle()
    {
        // a chart as a report item lands where the item says, on paper as on screen
        const Layout layout{.id = u"CHART"_s,
                            .page = {.orientation = Orientation::Landscape},
                            .bands = {{.kind = BandKind::Title,
                                       .height = 120,
                                       .items = {ChartItem(weekdays(), QRectF(20, 10, 200, 100))}}}};
        const RecordList none;
        const Document document = Paginate(layout, none);
        QCOMPARE(document.pages.size(), 1);
        const QList<PageItem> items = document.named(0, u"chart"_s);
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.first().kind, ItemKind::Drawing);

        const qreal dotsPerMm = 4;
        QImage image(QSize(297, 210) * dotsPerMm, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        {
            QPainter painter(&image);
            PaintPage(painter, document.pages.first(), dotsPerMm);
        }
        const QRectF area(items.first().rect.topLeft() * dotsPerMm, items.first().rect.size() * dotsPerMm);
        QCOMPARE(image.pixelColor(area.topLeft().toPoint() + QPoint(2, 2)), QColor(Qt::white));
        QCOMPARE(image.pixelColor(area.bottomRight().toPoint() + QPoint(4, 4)), QColor(Qt::magenta));
        const ChartGeometry g = LayOutChart(area, weekdays(), 9 * 25.4 / 72 * dotsPerMm);
        QCOMPARE(image.pixelColor(g.bars[1][1].center().toPoint()), ChartColour(1));

        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"chart.pdf"_s);
        QVERIFY(WritePdf(document, pdf));
        QVERIFY(QFile(pdf).size() > 1000);
    }
};

QTEST_MAIN(TestChart)
#include "tst_chart.moc"
