#pragma once

#include "ReportLayout.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QWidget>

class QPainter;

namespace report {
class RowSource;
}

// The accidents of a list on the course maps: each at the centre of its
// marker's square, on the map of its peak area, coloured by its kind of
// injury. The stored position is the marker's top-left corner in the
// picture area's pixels (727 x 516), scaled here to the map as shown.
// One painter draws it beside the list and on the printed page alike.
namespace accidentmap {

// Where a stored marker position stands on a map shown at `shown`.
QPointF MapPosition(int storedX, int storedY, const QSizeF &shown);

struct Point
{
    int row = 0;       // the list's row
    int map = 0;       // 0: the first peak area's map, 1: the second's
    int storedX = 0;
    int storedY = 0;
    QString injury;    // the kind of injury's code
    QString tip;       // date, number, time, course, injury
};

struct Points
{
    QList<Point> plotted;
    int left = 0; // "P3" (no map) and markers never moved from their start
};

// The kinds of injury the list holds, in code order, with their labels.
struct Legend
{
    QStringList codes;
    QStringList names;
};

// What a map shows of a list.
struct Plot
{
    Points points;
    Legend legend;
};

// The accidents of the list's rows that have a place on a map.
Points PointsOf(const report::RowSource &list);
Plot PlotOf(const report::RowSource &list);

// "지도에 표시하지 않은 사고: n건 (...)", under the maps.
QString LeftText(const Points &points);

// Where the two maps go in an area whose text lines are `line` high: side
// by side or one above the other, whichever shows them larger, above the
// legend and the count.
QRectF MapRect(const QRectF &area, qreal line, int map);

// Paints the maps, the points, the legend and the count into `area` with
// the painter's font; `unit` is what one screen pixel is on the device
// (points and rings grow with it). The point of `currentRow` is ringed.
void Paint(QPainter &painter, const QRectF &area, const Plot &plot, qreal unit = 1, int currentRow = -1);

// A report item that draws the plot in `rect` (mm), its text in points of paper.
report::Item MapItem(const Plot &plot, const QRectF &rect, qreal pointSize = 9);

} // namespace accidentmap

// The two course maps with the points of a list, a legend of the kinds of
// injury and, under them, how many accidents have no place on the maps. A
// point clicked selects its row (rowPicked); the current row's point is
// ringed.
class AccidentMap : public QWidget
{
    Q_OBJECT

public:
    explicit AccidentMap(QWidget *parent = nullptr);

    void setPlot(const accidentmap::Plot &plot);
    void setCurrentRow(int row);
    const accidentmap::Points &points() const { return m_plot.points; }
    const accidentmap::Plot &plot() const { return m_plot; }
    // Where a point is drawn in the widget now.
    QPointF placeOf(const accidentmap::Point &point) const;
    QString leftText() const { return accidentmap::LeftText(m_plot.points); }

    QSize sizeHint() const override { return {380, 560}; }

signals:
    void rowPicked(int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    const accidentmap::Point *pointAt(const QPointF &at) const;

    accidentmap::Plot m_plot;
    int m_current = -1;
};
