#include "ChartView.h"

#include <QFontInfo>
#include <QPainter>

ChartView::ChartView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::setChart(const report::Chart &chart)
{
    m_chart = chart;
    update();
}

qreal ChartView::fontPixels() const
{
    return QFontInfo(font()).pixelSize();
}

report::ChartGeometry ChartView::geometryNow() const
{
    return report::LayOutChart(QRectF(rect()), m_chart, fontPixels());
}

void ChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    report::PaintChart(painter, QRectF(rect()), m_chart, fontPixels());
}
