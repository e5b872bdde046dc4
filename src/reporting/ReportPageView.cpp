#include "ReportPageView.h"

#include "ReportRenderer.h"

#include <QPainter>

namespace report {

namespace {
constexpr int Border = 8;
}

ReportPageView::ReportPageView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pvwPage"));
    setBackgroundRole(QPalette::Dark);
    setAutoFillBackground(true);
}

void ReportPageView::setDocument(const Document *document)
{
    m_document = document;
    m_page = 0;
    updateGeometry();
    adjustSize();
    update();
}

void ReportPageView::setPage(int page)
{
    if (!m_document || page < 0 || page >= m_document->pages.size() || page == m_page)
        return;
    m_page = page;
    update();
}

void ReportPageView::setZoom(qreal zoom)
{
    m_zoom = std::clamp(zoom, 0.1, 8.0);
    updateGeometry();
    adjustSize();
    update();
}

qreal ReportPageView::dotsPerMm() const
{
    return logicalDpiX() / 25.4 * m_zoom;
}

QSizeF ReportPageView::pageSizeAtZoomOne() const
{
    const QSizeF mm = m_document ? m_document->page.size() : PageSetup().size();
    return mm * (logicalDpiX() / 25.4);
}

QSize ReportPageView::sizeHint() const
{
    return (pageSizeAtZoomOne() * m_zoom).toSize() + QSize(2 * Border, 2 * Border);
}

void ReportPageView::paintEvent(QPaintEvent *)
{
    if (!m_document || m_document->pages.isEmpty())
        return;
    QPainter painter(this);
    const QSizeF paper = m_document->page.size() * dotsPerMm();
    const QPointF corner(std::max<qreal>(Border, (width() - paper.width()) / 2), Border);
    painter.fillRect(QRectF(corner + QPointF(3, 3), paper), Qt::black);
    painter.fillRect(QRectF(corner, paper), Qt::white);
    painter.translate(corner);
    PaintPage(painter, m_document->pages.at(m_page), dotsPerMm());
    painter.end();
    emit pagePainted(m_page);
}

} // namespace report
