#pragma once

#include "ReportDocument.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;
class QToolButton;

namespace report {

class ReportPageView;

// The preview window: one page at a time with page navigation and zoom.
// Its parts carry object names for tests: sbtFirst, sbtPrior, sbtNext,
// sbtLast, spnPage, lblPageCount, cboZoom, sbtZoomIn, sbtZoomOut, sbtPrint,
// sbtPdf, sbtClose, scrPages and the page view pvwPage. Print and PDF only
// ask: whoever shows the preview connects printRequested and pdfRequested
// to its output paths.
class ReportPreview : public QDialog
{
    Q_OBJECT

public:
    enum class Fit { None, Width, Page };

    explicit ReportPreview(Document document, QWidget *parent = nullptr);
    ~ReportPreview() override;

    const Document &document() const { return m_document; }
    ReportPageView *pageView() const { return m_view; }
    int currentPage() const;
    void setCurrentPage(int page);
    qreal zoom() const;
    // A fixed zoom; 1.0 is the paper's size.
    void setZoom(qreal zoom);
    void setFit(Fit fit);

signals:
    void printRequested();
    void pdfRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Document m_document;
    ReportPageView *m_view = nullptr;
    QScrollArea *m_scroll = nullptr;
    QToolButton *m_first = nullptr;
    QToolButton *m_prior = nullptr;
    QToolButton *m_next = nullptr;
    QToolButton *m_last = nullptr;
    QSpinBox *m_pageEdit = nullptr;
    QLabel *m_pageCount = nullptr;
    QComboBox *m_zoomBox = nullptr;
    Fit m_fit = Fit::Page;

    void applyFit();
    void pageChanged();
    void stepZoom(int direction);
};

} // namespace report
