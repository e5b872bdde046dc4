#pragma once

#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QWidget>

class GridModel;

// The accidents of a list on the course maps: each at the centre of its
// marker's square, on the map of its peak area, coloured by its kind of
// injury. The stored position is the marker's top-left corner in the
// picture area's pixels (727 x 516), scaled here to the map as shown.
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

// The accidents of the list's rows that have a place on a map.
Points PointsOf(const GridModel &list);

} // namespace accidentmap

// The two course maps one above the other with the points of a list, a
// legend of the kinds of injury and, under them, how many accidents have
// no place on the maps. A point clicked selects its row (rowPicked); the
// current row's point is ringed.
class AccidentMap : public QWidget
{
    Q_OBJECT

public:
    explicit AccidentMap(QWidget *parent = nullptr);

    void setPoints(const accidentmap::Points &points, const QStringList &injuryCodes, const QStringList &injuryNames);
    void setCurrentRow(int row);
    const accidentmap::Points &points() const { return m_points; }
    // Where a point is drawn in the widget now.
    QPointF placeOf(const accidentmap::Point &point) const;
    QString leftText() const;

    QSize sizeHint() const override { return {380, 560}; }

signals:
    void rowPicked(int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    QRectF mapRect(int map) const;
    QColor colourOf(const QString &injury) const;
    const accidentmap::Point *pointAt(const QPointF &at) const;

    QImage m_maps[2];
    accidentmap::Points m_points;
    QStringList m_codes;
    QStringList m_names;
    int m_current = -1;
};
