#include "AccidentMap.h"

#include "Chart.h"
#include "GridModel.h"
#include "PicturePanel.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace accidentmap {

namespace {
// The filled square of a marker: 8 pixels at (3, 3) of its 60 x 14.
constexpr qreal SquareCentre = 7;
} // namespace

QPointF MapPosition(int storedX, int storedY, const QSizeF &shown)
{
    return {(storedX + SquareCentre) * shown.width() / PicturePanel::Width,
            (storedY + SquareCentre) * shown.height() / PicturePanel::Height};
}

Points PointsOf(const GridModel &list)
{
    Points points;
    for (int row = 0; row < list.rowCount(); ++row) {
        const QString peak = list.value(row, u"PEAK_GUBUN"_s);
        const int x = list.value(row, u"TROB_POINT_X"_s).toInt();
        const int y = list.value(row, u"TROB_POINT_Y"_s).toInt();
        // A marker still at its start was never placed.
        if ((peak != u"P1"_s && peak != u"P2"_s) || (x == 0 && y == 0)) {
            ++points.left;
            continue;
        }
        const QString date = list.value(row, u"TROB_DATE"_s);
        points.plotted.append({.row = row, .map = peak == u"P1"_s ? 0 : 1, .storedX = x, .storedY = y,
                               .injury = list.value(row, u"IN_STAT_GUBUN"_s),
                               .tip = QStringList{date.size() == 8 ? date.left(4) + u'-' + date.mid(4, 2) + u'-'
                                                                        + date.mid(6)
                                                                  : date,
                                                  list.value(row, u"TROB_NO"_s), list.value(row, u"TROB_TIME"_s),
                                                  QString(list.value(row, u"PLACE_NAME"_s)).replace(u'\n', u' '),
                                                  list.value(row, u"IN_STAT_NAME"_s)}
                                          .join(u"  "_s)});
    }
    return points;
}

} // namespace accidentmap

AccidentMap::AccidentMap(QWidget *parent)
    : QWidget(parent)
{
    m_maps[0] = QImage(u":/patrol/peak1.jpg"_s);
    m_maps[1] = QImage(u":/patrol/peak2.jpg"_s);
    setMouseTracking(true);
}

void AccidentMap::setPoints(const accidentmap::Points &points, const QStringList &injuryCodes,
                            const QStringList &injuryNames)
{
    m_points = points;
    m_codes = injuryCodes;
    m_names = injuryNames;
    update();
}

void AccidentMap::setCurrentRow(int row)
{
    m_current = row;
    update();
}

QString AccidentMap::leftText() const
{
    return u"지도에 표시하지 않은 사고: %1건 (기타 장소, 위치 미지정)"_s.arg(m_points.left);
}

QRectF AccidentMap::mapRect(int map) const
{
    // Two maps of the picture area's shape, one above the other, above the legend and the count.
    const qreal room = height() - 2 * fontMetrics().height() - 8;
    const qreal h = std::min(room / 2, width() * qreal(PicturePanel::Height) / PicturePanel::Width);
    const qreal w = h * PicturePanel::Width / PicturePanel::Height;
    return {(width() - w) / 2, map * (h + 2), w, h};
}

QPointF AccidentMap::placeOf(const accidentmap::Point &point) const
{
    const QRectF map = mapRect(point.map);
    return map.topLeft() + accidentmap::MapPosition(point.storedX, point.storedY, map.size());
}

QColor AccidentMap::colourOf(const QString &injury) const
{
    const qsizetype index = m_codes.indexOf(injury);
    return index < 0 ? QColor(Qt::black) : report::ChartColour(int(index));
}

void AccidentMap::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    for (int map = 0; map < 2; ++map)
        painter.drawImage(mapRect(map), m_maps[map]);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const accidentmap::Point &point : m_points.plotted) {
        const QPointF at = placeOf(point);
        painter.setPen(QPen(Qt::black, 0.5));
        painter.setBrush(colourOf(point.injury));
        painter.drawEllipse(at, 4, 4);
        if (point.row == m_current) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(Qt::red, 2));
            painter.drawEllipse(at, 8, 8);
        }
    }
    painter.setPen(Qt::black);
    const qreal line = fontMetrics().height();
    qreal x = 4;
    const qreal y = mapRect(1).bottom() + 4;
    for (int i = 0; i < m_codes.size(); ++i) {
        const QString name = m_names.value(i);
        painter.fillRect(QRectF(x, y + 3, line - 6, line - 6), report::ChartColour(i));
        painter.drawText(QPointF(x + line - 2, y + fontMetrics().ascent()), name);
        x += line + fontMetrics().horizontalAdvance(name) + 8;
    }
    painter.drawText(QRectF(4, y + line, width() - 8, line), Qt::AlignLeft | Qt::AlignVCenter, leftText());
}

const accidentmap::Point *AccidentMap::pointAt(const QPointF &at) const
{
    for (const accidentmap::Point &point : m_points.plotted)
        if (QLineF(placeOf(point), at).length() <= 6)
            return &point;
    return nullptr;
}

void AccidentMap::mousePressEvent(QMouseEvent *event)
{
    if (const accidentmap::Point *point = pointAt(event->position()))
        emit rowPicked(point->row);
}

bool AccidentMap::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        if (const accidentmap::Point *point = pointAt(help->pos()))
            QToolTip::showText(help->globalPos(), point->tip, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}
