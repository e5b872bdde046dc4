#pragma once

#include "Chart.h"

#include <QWidget>

// A chart on the screen, painted by the same code as on paper.
class ChartView : public QWidget
{
    Q_OBJECT

public:
    explicit ChartView(QWidget *parent = nullptr);

    void setChart(const report::Chart &chart);
    const report::Chart &chart() const { return m_chart; }
    // Where the parts stand in the widget now.
    report::ChartGeometry geometryNow() const;

    QSize sizeHint() const override { return {360, 260}; }
    QSize minimumSizeHint() const override { return {160, 120}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal fontPixels() const;

    report::Chart m_chart;
};
