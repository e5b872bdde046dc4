#pragma once

#include "ReportDocument.h"

#include <QWidget>

namespace report {

// One page of a document at a zoom, painted from the page model on demand,
// so that the first page shows without painting the others.
class ReportPageView : public QWidget
{
    Q_OBJECT

public:
    explicit ReportPageView(QWidget *parent = nullptr);

    void setDocument(const Document *document);
    void setPage(int page);
    int page() const { return m_page; }
    // 1.0: the paper's real size at the screen's resolution.
    void setZoom(qreal zoom);
    qreal zoom() const { return m_zoom; }
    // The page size in pixels at zoom 1.
    QSizeF pageSizeAtZoomOne() const;

    QSize sizeHint() const override;

signals:
    void pagePainted(int page);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const Document *m_document = nullptr;
    int m_page = 0;
    qreal m_zoom = 1;

    qreal dotsPerMm() const;
};

} // namespace report
