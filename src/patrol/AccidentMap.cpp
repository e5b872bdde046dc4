#include "AccidentMap.h"

#include "Chart.h"
#include "PicturePanel.h"
#include "RowSource.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMap>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace accidentmap {

namespace {

// The filled square of a marker: 8 pixels at (3, 3) of its 60 x 14.
constexpr qreal SquareCentre = 7;
// Lines kept under the maps: the legend (up to two) and the count.
constexpr int TextLines = 3;
// What a screen pixel is on paper, in millimetres.
constexpr qreal PixelMm = 0.3;

const QImage &MapPicture(int map)
{
    static const QImage pictures[2] = {QImage(u":/patrol/peak1.jpg"_s), QImage(u":/patrol/peak2.jpg"_s)};
    return pictures[map];
}

} // namespace

QPointF MapPosition(int storedX, int storedY, const QSizeF &shown)
{
    return {(storedX + SquareCentre) * shown.width() / PicturePanel::Width,
            (storedY + SquareCentre) * shown.height() / PicturePanel::Height};
}

Points PointsOf(const report::RowSource &list)
{
    Points points;
    for (int row = 0; row < list.count(); ++row) {
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
                                                  list.value(row, u"PLACE_NAME"_s).replace(u'\n', u' '),
                                                  list.value(row, u"IN_STAT_NAME"_s)}
                                          .join(u"  "_s)});
    }
    return points;
}

Plot PlotOf(const report::RowSource &list)
{
    QMap<QString, QString> injuries;
    for (int row = 0; row < list.count(); ++row)
        if (const QString code = list.value(row, u"IN_STAT_GUBUN"_s); !code.isEmpty())
            injuries.insert(code, list.value(row, u"IN_STAT_NAME"_s));
    return {.points = PointsOf(list), .legend = {.codes = injuries.keys(), .names = injuries.values()}};
}

QString LeftText(const Points &points)
{
    return u"지도에 표시하지 않은 사고: %1건 (기타 장소, 위치 미지정)"_s.arg(points.left);
}

QRectF MapRect(const QRectF &area, qreal line, int map)
{
    const qreal ratio = qreal(PicturePanel::Width) / PicturePanel::Height;
    const qreal gap = line / 2;
    const qreal room = std::max<qreal>(0, area.height() - TextLines * line - gap);
    const qreal stackedW = std::min(area.width(), (room - gap) / 2 * ratio);
    const qreal besideW = std::min((area.width() - gap) / 2, room * ratio);
    if (besideW > stackedW) {
        const qreal h = besideW / ratio;
        const qreal left = area.left() + (area.width() - 2 * besideW - gap) / 2;
        return {left + map * (besideW + gap), area.top(), besideW, h};
    }
    const qreal w = std::max<qreal>(0, stackedW);
    const qreal h = w / ratio;
    return {area.left() + (area.width() - w) / 2, area.top() + map * (h + gap), w, h};
}

void Paint(QPainter &painter, const QRectF &area, const Plot &plot, qreal unit, int currentRow)
{
    const QFontMetricsF metrics(painter.font());
    const qreal line = metrics.height();
    const QRectF maps[2] = {MapRect(area, line, 0), MapRect(area, line, 1)};
    painter.save();
    painter.fillRect(area, Qt::white);
    for (int map = 0; map < 2; ++map)
        painter.drawImage(maps[map], MapPicture(map));

    painter.setRenderHint(QPainter::Antialiasing);
    const qreal radius = 4 * unit;
    QList<QColor> colours;
    for (int i = 0; i < plot.legend.codes.size(); ++i)
        colours.append(report::ChartColour(i));
    const QPen outline(Qt::black, 0.5 * unit);
    painter.setPen(outline);
    std::optional<QPointF> ringed;
    for (const Point &point : plot.points.plotted) {
        const QRectF &map = maps[point.map];
        const QPointF at = map.topLeft() + MapPosition(point.storedX, point.storedY, map.size());
        const qsizetype index = plot.legend.codes.indexOf(point.injury);
        painter.setBrush(index < 0 ? QColor(Qt::black) : colours.at(index));
        painter.drawEllipse(at, radius, radius);
        if (point.row == currentRow)
            ringed = at;
    }
    if (ringed) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::red, 2 * unit));
        painter.drawEllipse(*ringed, 2 * radius, 2 * radius);
    }

    painter.setPen(Qt::black);
    const qreal textLeft = area.left() + 4 * unit;
    qreal x = textLeft;
    qreal y = std::max(maps[0].bottom(), maps[1].bottom()) + line / 2;
    for (int i = 0; i < plot.legend.codes.size(); ++i) {
        const QString name = plot.legend.names.value(i);
        const qreal width = line + metrics.horizontalAdvance(name) + 8 * unit;
        if (x > textLeft && x + width > area.right()) {
            x = textLeft;
            y += line;
        }
        painter.fillRect(QRectF(x, y + line * 0.2, line * 0.6, line * 0.6), colours.at(i));
        painter.drawText(QPointF(x + line * 0.8, y + metrics.ascent()), name);
        x += width;
    }
    painter.drawText(QRectF(textLeft, y + line, area.right() - textLeft, line), Qt::AlignLeft | Qt::AlignVCenter,
                     LeftText(plot.points));
    painter.restore();
}

report::Item MapItem(const Plot &plot, const QRectF &rect, qreal pointSize)
{
    return {.kind = report::ItemKind::Drawing,
            .rect = rect,
            .name = u"map"_s,
            .draw = [plot, pointSize](QPainter &painter, const QRectF &area, qreal dotsPerMm) {
                QFont font(report::DefaultFontFamily);
                font.setPixelSize(std::max(1, qRound(pointSize * 25.4 / 72 * dotsPerMm)));
                font.setHintingPreference(QFont::PreferNoHinting);
                painter.setFont(font);
                Paint(painter, area, plot, PixelMm * dotsPerMm);
            }};
}

} // namespace accidentmap

AccidentMap::AccidentMap(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

void AccidentMap::setPlot(const accidentmap::Plot &plot)
{
    m_plot = plot;
    update();
}

void AccidentMap::setCurrentRow(int row)
{
    m_current = row;
    update();
}

QPointF AccidentMap::placeOf(const accidentmap::Point &point) const
{
    const QRectF map = accidentmap::MapRect(rect(), QFontMetricsF(font()).height(), point.map);
    return map.topLeft() + accidentmap::MapPosition(point.storedX, point.storedY, map.size());
}

void AccidentMap::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    accidentmap::Paint(painter, rect(), m_plot, 1, m_current);
}

const accidentmap::Point *AccidentMap::pointAt(const QPointF &at) const
{
    for (const accidentmap::Point &point : m_plot.points.plotted)
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
