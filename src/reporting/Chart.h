#pragma once

#include "ReportLayout.h"

#include <QColor>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

// A chart as data, painted by one function into any rectangle of any
// painter: a widget beside a grid, a preview page, paper and PDF alike.
//
//   report::Chart chart{.categories = {u"09시"_s, u"10시"_s},
//                       .series = {{.name = u"월"_s, .values = {3, 1}},
//                                  {.name = u"화"_s, .values = {0, 2}}}};
//   report::PaintChart(painter, rect, chart);
//
// Bar series stand side by side within each category; line series join
// their points over the categories' centres. Values below zero count as 0.
namespace report {

enum class SeriesKind { Bar, Line };

struct ChartSeries
{
    QString name;
    QList<qreal> values; // one per category; missing ones count as 0
    SeriesKind kind = SeriesKind::Bar;
    QColor colour; // invalid: ChartColour(index of the series)
};

struct Chart
{
    QString title;
    QStringList categories;
    QList<ChartSeries> series;
    QString fontFamily = DefaultFontFamily;
    bool legend = true;
};

// The colour a series gets when it names none: twelve colours apart
// from each other, then again.
QColor ChartColour(int index);

// Where the parts of a chart go in a rectangle, with text `fontPixels`
// high (0: in proportion to the rectangle).
struct ChartGeometry
{
    QRectF plot;          // inside the axes
    qreal axisMaximum = 1; // the value at the plot's top
    qreal axisStep = 1;    // between two value lines
    bool verticalLabels = false;
    qreal fontPixels = 0;
    QRectF legend; // empty when there is none
    // bars[series][category] (empty rectangles for line series and zeros)
    QList<QList<QRectF>> bars;
    // points[series][category] of line series (empty for bar series)
    QList<QList<QPointF>> points;
    // the centre of each category on the plot's bottom line
    QList<qreal> categoryCentres;
};

ChartGeometry LayOutChart(const QRectF &rect, const Chart &chart, qreal fontPixels = 0);

void PaintChart(QPainter &painter, const QRectF &rect, const Chart &chart, qreal fontPixels = 0);

// A report item that draws the chart in `rect` (mm), its text in points of paper.
Item ChartItem(const Chart &chart, const QRectF &rect, qreal pointSize = 9);

} // namespace report
