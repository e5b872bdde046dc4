#include "Chart.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace report {

namespace {

constexpr int Ticks = 5; // value lines wanted at most, above zero

qreal valueAt(const ChartSeries &series, int category)
{
    return category < series.values.size() ? std::max<qreal>(0, series.values.at(category)) : 0;
}

// 1, 2 or 5 times a power of ten, so that the largest value is under the
// top line; whole numbers (counts) never get a step below 1.
std::pair<qreal, qreal> valueAxis(qreal largest, bool whole)
{
    if (largest <= 0)
        return {Ticks, 1};
    const qreal rough = largest / Ticks;
    const qreal power = std::pow(10.0, std::floor(std::log10(rough)));
    qreal step = power * 10;
    for (const qreal factor : {1.0, 2.0, 5.0, 10.0}) {
        if (power * factor >= rough) {
            step = power * factor;
            break;
        }
    }
    if (whole)
        step = std::max<qreal>(step, 1);
    return {std::ceil(largest / step - 1e-9) * step, step};
}

QFont fontOf(const Chart &chart, qreal pixels, bool bold = false)
{
    QFont font(chart.fontFamily);
    font.setPixelSize(std::max(1, qRound(pixels)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QString numberText(qreal value)
{
    return std::abs(value - std::round(value)) < 1e-9 ? QString::number(qint64(std::round(value)))
                                                       : QString::number(value, 'f', 1);
}

} // namespace

QColor ChartColour(int index)
{
    static const QList<QColor> colours = {
        QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e), QColor(0x2c, 0xa0, 0x2c), QColor(0xd6, 0x27, 0x28),
        QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b), QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f),
        QColor(0xbc, 0xbd, 0x22), QColor(0x17, 0xbe, 0xcf), QColor(0x00, 0x33, 0x66), QColor(0x99, 0x00, 0x00)};
    return colours.at(((index % colours.size()) + colours.size()) % colours.size());
}

ChartGeometry LayOutChart(const QRectF &rect, const Chart &chart, qreal fontPixels)
{
    ChartGeometry g;
    g.fontPixels = fontPixels > 0 ? fontPixels : std::max<qreal>(6, std::min(rect.width(), rect.height()) / 32);
    const QFontMetricsF metrics(fontOf(chart, g.fontPixels));
    const qreal line = metrics.height();
    const qreal gap = line / 2;
    const int categories = int(chart.categories.size());

    qreal largest = 0;
    bool whole = true;
    for (const ChartSeries &series : chart.series)
        for (int c = 0; c < categories; ++c) {
            largest = std::max(largest, valueAt(series, c));
            whole = whole && valueAt(series, c) == std::round(valueAt(series, c));
        }
    std::tie(g.axisMaximum, g.axisStep) = valueAxis(largest, whole);

    QRectF area = rect.adjusted(gap, gap, -gap, -gap);
    if (!chart.title.isEmpty())
        area.setTop(area.top() + line * 1.4 + gap);
    if (chart.legend && !chart.series.isEmpty()) {
        qreal widest = 0;
        for (const ChartSeries &series : chart.series)
            widest = std::max(widest, metrics.horizontalAdvance(series.name));
        const qreal width = std::min(line * 1.5 + widest, area.width() / 3);
        const qreal height = std::min(area.height(), line * 1.2 * chart.series.size());
        g.legend = QRectF(area.right() - width, area.top(), width, height);
        area.setRight(g.legend.left() - gap);
    }
    const qreal axisLabels = metrics.horizontalAdvance(numberText(g.axisMaximum)) + gap;
    area.setLeft(area.left() + axisLabels);

    qreal labelWidth = 0;
    for (const QString &label : chart.categories)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label));
    const qreal slot = categories > 0 ? area.width() / categories : area.width();
    g.verticalLabels = labelWidth > slot * 0.95;
    const qreal labelRoom = g.verticalLabels ? std::min(labelWidth, area.height() * 0.4) : line;
    g.plot = QRectF(area.left(), area.top() + gap, area.width(), std::max<qreal>(1, area.height() - labelRoom - gap * 2));

    int barSeries = 0;
    for (const ChartSeries &series : chart.series)
        barSeries += series.kind == SeriesKind::Bar ? 1 : 0;
    const qreal barWidth = barSeries > 0 ? slot * 0.8 / barSeries : 0;
    const auto heightOf = [&](qreal value) { return g.plot.height() * value / g.axisMaximum; };
    for (int c = 0; c < categories; ++c)
        g.categoryCentres.append(g.plot.left() + slot * (c + 0.5));
    int bar = 0;
    for (const ChartSeries &series : chart.series) {
        QList<QRectF> bars;
        QList<QPointF> points;
        for (int c = 0; c < categories; ++c) {
            const qreal value = valueAt(series, c);
            if (series.kind == SeriesKind::Bar) {
                const qreal left = g.plot.left() + slot * c + slot * 0.1 + barWidth * bar;
                bars.append(value > 0 ? QRectF(left, g.plot.bottom() - heightOf(value), barWidth, heightOf(value))
                                      : QRectF());
            } else {
                bars.append(QRectF());
                points.append(QPointF(g.categoryCentres.at(c), g.plot.bottom() - heightOf(value)));
            }
        }
        if (series.kind == SeriesKind::Bar)
            ++bar;
        g.bars.append(bars);
        g.points.append(points);
    }
    return g;
}

void PaintChart(QPainter &painter, const QRectF &rect, const Chart &chart, qreal fontPixels)
{
    const ChartGeometry g = LayOutChart(rect, chart, fontPixels);
    const QFont font = fontOf(chart, g.fontPixels);
    const QFontMetricsF metrics(font);
    const qreal line = metrics.height();
    const qreal thin = std::max<qreal>(1, g.fontPixels / 12);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    painter.fillRect(rect, Qt::white);

    if (!chart.title.isEmpty()) {
        painter.setFont(fontOf(chart, g.fontPixels * 1.2, true));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(rect.left(), rect.top() + line / 2, rect.width(), line * 1.4), Qt::AlignCenter,
                         chart.title);
        painter.setFont(font);
    }

    // Value lines with their numbers, then the axes over them.
    for (qreal value = 0; value <= g.axisMaximum + g.axisStep / 2; value += g.axisStep) {
        const qreal y = g.plot.bottom() - g.plot.height() * value / g.axisMaximum;
        painter.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), thin));
        painter.drawLine(QPointF(g.plot.left(), y), QPointF(g.plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(rect.left(), y - line / 2, g.plot.left() - rect.left() - line / 4, line),
                         Qt::AlignRight | Qt::AlignVCenter, numberText(value));
    }
    painter.setPen(QPen(Qt::black, thin));
    painter.drawLine(g.plot.bottomLeft(), g.plot.bottomRight());
    painter.drawLine(g.plot.bottomLeft(), g.plot.topLeft());

    const int categories = int(chart.categories.size());
    const qreal slot = categories > 0 ? g.plot.width() / categories : g.plot.width();
    for (int c = 0; c < categories; ++c) {
        const QString &label = chart.categories.at(c);
        if (g.verticalLabels) {
            painter.save();
            painter.translate(g.categoryCentres.at(c), g.plot.bottom() + line / 4);
            painter.rotate(-90);
            const qreal room = rect.bottom() - g.plot.bottom() - line / 2;
            painter.drawText(QRectF(-room, -line / 2, room, line), Qt::AlignRight | Qt::AlignVCenter,
                             metrics.elidedText(label, Qt::ElideRight, room));
            painter.restore();
        } else {
            painter.drawText(QRectF(g.plot.left() + slot * c, g.plot.bottom() + line / 4, slot, line),
                             Qt::AlignHCenter | Qt::AlignTop, label);
        }
    }

    for (int s = 0; s < chart.series.size(); ++s) {
        const ChartSeries &series = chart.series.at(s);
        const QColor colour = series.colour.isValid() ? series.colour : ChartColour(s);
        if (series.kind == SeriesKind::Bar) {
            for (const QRectF &bar : g.bars.at(s))
                if (!bar.isEmpty())
                    painter.fillRect(bar, colour);
        } else if (!g.points.at(s).isEmpty()) {
            painter.setPen(QPen(colour, thin * 2));
            painter.drawPolyline(g.points.at(s).constData(), int(g.points.at(s).size()));
            painter.setBrush(colour);
            for (const QPointF &point : g.points.at(s))
                painter.drawEllipse(point, thin * 2.5, thin * 2.5);
            painter.setBrush(Qt::NoBrush);
        }
    }

    if (!g.legend.isEmpty()) {
        painter.setPen(Qt::black);
        for (int s = 0; s < chart.series.size(); ++s) {
            const qreal y = g.legend.top() + line * 1.2 * s;
            if (y + line > g.legend.bottom() + 0.5)
                break;
            const ChartSeries &series = chart.series.at(s);
            const QColor colour = series.colour.isValid() ? series.colour : ChartColour(s);
            painter.fillRect(QRectF(g.legend.left(), y + line * 0.2, line * 0.8, line * 0.6), colour);
            const QRectF text(g.legend.left() + line * 1.2, y, g.legend.width() - line * 1.2, line);
            painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                             metrics.elidedText(series.name, Qt::ElideRight, text.width()));
        }
    }
    painter.restore();
}

Item ChartItem(const Chart &chart, const QRectF &rect, qreal pointSize)
{
    return {.kind = ItemKind::Drawing,
            .rect = rect,
            .name = QStringLiteral("chart"),
            .draw = [chart, pointSize](QPainter &painter, const QRectF &area, qreal dotsPerMm) {
                PaintChart(painter, area, chart, pointSize * 25.4 / 72 * dotsPerMm);
            }};
}

} // namespace report
