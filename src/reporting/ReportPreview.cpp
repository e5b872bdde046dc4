#include "ReportPreview.h"

#include "ReportPageView.h"

#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace report {

namespace {

const qreal ZoomSteps[] = {0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};

QToolButton *button(QWidget *parent, const QString &name, const QString &text, const QString &tip = {})
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(tip.isEmpty() ? text : tip);
    b->setAutoRaise(true);
    return b;
}

} // namespace

ReportPreview::ReportPreview(Document document, QWidget *parent) : QDialog(parent), m_document(std::move(document))
{
    setObjectName(u"frmReportPreview"_s);
    setWindowTitle(u"미리보기 - "_s + m_document.id);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    // A counter's screen may be 1024x768: the whole window, with its total
    // and footer in reach, fits the screen it opens on.
    QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() - QSize(40, 60) : QSize(900, 1000);
    resize(QSize(900, 1000).boundedTo(room.expandedTo(QSize(400, 300))));

    auto *bar = new QHBoxLayout;
    m_first = button(this, u"sbtFirst"_s, u"|<"_s, u"처음"_s);
    m_prior = button(this, u"sbtPrior"_s, u"<"_s, u"이전"_s);
    m_pageEdit = new QSpinBox(this);
    m_pageEdit->setObjectName(u"spnPage"_s);
    m_pageEdit->setRange(1, std::max<int>(1, int(m_document.pages.size())));
    m_pageCount = new QLabel(u"/ %1"_s.arg(m_document.pages.size()), this);
    m_pageCount->setObjectName(u"lblPageCount"_s);
    m_next = button(this, u"sbtNext"_s, u">"_s, u"다음"_s);
    m_last = button(this, u"sbtLast"_s, u">|"_s, u"마지막"_s);
    auto *zoomOut = button(this, u"sbtZoomOut"_s, u"-"_s, u"축소"_s);
    m_zoomBox = new QComboBox(this);
    m_zoomBox->setObjectName(u"cboZoom"_s);
    m_zoomBox->addItem(u"페이지 전체"_s, 0.0);
    m_zoomBox->addItem(u"페이지 너비"_s, -1.0);
    for (qreal step : ZoomSteps)
        m_zoomBox->addItem(u"%1%"_s.arg(qRound(step * 100)), step);
    auto *zoomIn = button(this, u"sbtZoomIn"_s, u"+"_s, u"확대"_s);
    auto *print = button(this, u"sbtPrint"_s, u"인쇄"_s);
    auto *pdf = button(this, u"sbtPdf"_s, u"PDF"_s, u"PDF 파일로 저장"_s);
    auto *close = button(this, u"sbtClose"_s, u"닫기"_s);
    for (QWidget *w : std::initializer_list<QWidget *>{m_first, m_prior, m_pageEdit, m_pageCount, m_next, m_last})
        bar->addWidget(w);
    bar->addSpacing(16);
    for (QWidget *w : std::initializer_list<QWidget *>{zoomOut, m_zoomBox, zoomIn})
        bar->addWidget(w);
    bar->addStretch();
    bar->addWidget(print);
    bar->addWidget(pdf);
    bar->addWidget(close);

    m_view = new ReportPageView;
    m_view->setDocument(&m_document);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(u"scrPages"_s);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setWidget(m_view);
    // The fit follows the room the pages get, which is known only once the
    // dialog's layout has placed the scroll area.
    m_scroll->viewport()->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);

    connect(m_first, &QToolButton::clicked, this, [this] { setCurrentPage(0); });
    connect(m_prior, &QToolButton::clicked, this, [this] { setCurrentPage(currentPage() - 1); });
    connect(m_next, &QToolButton::clicked, this, [this] { setCurrentPage(currentPage() + 1); });
    connect(m_last, &QToolButton::clicked, this, [this] { setCurrentPage(int(m_document.pages.size()) - 1); });
    connect(m_pageEdit, &QSpinBox::valueChanged, this, [this](int value) { setCurrentPage(value - 1); });
    connect(zoomIn, &QToolButton::clicked, this, [this] { stepZoom(+1); });
    connect(zoomOut, &QToolButton::clicked, this, [this] { stepZoom(-1); });
    connect(m_zoomBox, &QComboBox::activated, this, [this](int index) {
        const qreal value = m_zoomBox->itemData(index).toDouble();
        if (value == 0)
            setFit(Fit::Page);
        else if (value < 0)
            setFit(Fit::Width);
        else
            setZoom(value);
    });
    connect(print, &QToolButton::clicked, this, &ReportPreview::printRequested);
    connect(pdf, &QToolButton::clicked, this, &ReportPreview::pdfRequested);
    connect(close, &QToolButton::clicked, this, &QDialog::reject);
    // The page keys turn pages wherever the focus is in the window.
    const std::pair<QKeySequence, QToolButton *> pageKeys[] = {
        {Qt::Key_PageDown, m_next}, {Qt::Key_PageUp, m_prior}, {Qt::Key_Home, m_first}, {Qt::Key_End, m_last}};
    for (const auto &[key, target] : pageKeys)
        connect(new QShortcut(key, this), &QShortcut::activated, target, &QToolButton::click);

    pageChanged();
    applyFit();
    m_scroll->setFocus(); // the page keys work from the start
}

ReportPreview::~ReportPreview() = default;

int ReportPreview::currentPage() const
{
    return m_view->page();
}

void ReportPreview::setCurrentPage(int page)
{
    const int last = int(m_document.pages.size()) - 1;
    m_view->setPage(std::clamp(page, 0, std::max(0, last)));
    m_scroll->verticalScrollBar()->setValue(0);
    pageChanged();
}

qreal ReportPreview::zoom() const
{
    return m_view->zoom();
}

void ReportPreview::setZoom(qreal zoom)
{
    m_fit = Fit::None;
    m_view->setZoom(zoom);
    const int index = m_zoomBox->findData(zoom);
    const QSignalBlocker block(m_zoomBox);
    if (index >= 0) {
        m_zoomBox->setCurrentIndex(index);
    } else {
        m_zoomBox->setCurrentIndex(-1);
        m_zoomBox->setPlaceholderText(u"%1%"_s.arg(qRound(zoom * 100)));
    }
}

void ReportPreview::setFit(Fit fit)
{
    m_fit = fit;
    const QSignalBlocker block(m_zoomBox);
    m_zoomBox->setCurrentIndex(fit == Fit::Width ? 1 : 0);
    applyFit();
}

void ReportPreview::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    applyFit();
}

bool ReportPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize)
        applyFit();
    return QDialog::eventFilter(watched, event);
}

void ReportPreview::applyFit()
{
    if (m_fit == Fit::None)
        return;
    const QSizeF page = m_view->pageSizeAtZoomOne();
    const QSize room = m_scroll->viewport()->size() - QSize(24, 24);
    qreal zoom = room.width() / page.width();
    if (m_fit == Fit::Page)
        zoom = std::min(zoom, room.height() / page.height());
    m_view->setZoom(zoom);
}

void ReportPreview::stepZoom(int direction)
{
    const qreal current = zoom();
    qreal next = current;
    if (direction > 0) {
        for (qreal step : ZoomSteps)
            if (step > current + 1e-3) {
                next = step;
                break;
            }
    } else {
        for (auto it = std::rbegin(ZoomSteps); it != std::rend(ZoomSteps); ++it)
            if (*it < current - 1e-3) {
                next = *it;
                break;
            }
    }
    setZoom(next);
}

void ReportPreview::pageChanged()
{
    const int page = currentPage();
    const int last = int(m_document.pages.size()) - 1;
    {
        const QSignalBlocker block(m_pageEdit);
        m_pageEdit->setValue(page + 1);
    }
    m_first->setEnabled(page > 0);
    m_prior->setEnabled(page > 0);
    m_next->setEnabled(page < last);
    m_last->setEnabled(page < last);
}

} // namespace report
