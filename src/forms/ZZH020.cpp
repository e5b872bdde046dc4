#include "ZZH020.h"

#include "GridModel.h"
#include "GridView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int StatusHeight = 21;
constexpr int IdPanelWidth = 80;

} // namespace

TfrmZZH020::TfrmZZH020(const QString &formName, const QString &caption, QWidget *parent)
    : TfrmZZH010(formName, caption, parent)
{
    panBody = new QWidget(panMain);
    panBody->setObjectName(u"panBody"_s);
    m_mainLayout->addWidget(panBody, 1);
    m_bodyLayout = new QHBoxLayout(panBody);
    m_bodyLayout->setContentsMargins(0, 0, 0, 0);
    m_bodyLayout->setSpacing(4);
    m_gridLayout = new QVBoxLayout;
    m_gridLayout->setSpacing(4);
    m_bodyLayout->addLayout(m_gridLayout, 1);

    m_grid = new GridModel(this);
    rgrGrid = new GridView(panBody);
    rgrGrid->setObjectName(u"rgrGrid"_s);
    rgrGrid->setGridModel(m_grid);
    m_gridLayout->addWidget(rgrGrid, 1);

    struct Navigation
    {
        QToolButton **button;
        const char16_t *name;
        const char16_t *arrow;
        const char16_t *hint;
        void (GridView::*move)();
    };
    const Navigation navigation[] = {
        {&sbtFirst, u"sbtFirst", u"|◀", u"처음 자료", &GridView::first},
        {&sbtPrior, u"sbtPrior", u"◀", u"앞 자료", &GridView::prior},
        {&sbtNext, u"sbtNext", u"▶", u"다음 자료", &GridView::next},
        {&sbtLast, u"sbtLast", u"▶|", u"마지막 자료", &GridView::last},
    };
    int position = 0;
    for (const Navigation &n : navigation) {
        auto *button = new QToolButton(panButtons);
        button->setObjectName(QString::fromUtf16(n.name));
        button->setText(QString::fromUtf16(n.arrow));
        button->setToolTip(QString::fromUtf16(n.hint));
        button->setFixedSize(ButtonHeight, ButtonHeight);
        button->setFocusPolicy(Qt::NoFocus);
        m_buttonLayout->insertWidget(position++, button);
        connect(button, &QToolButton::clicked, rgrGrid, n.move);
        *n.button = button;
    }

    stbMessage = new QFrame(this);
    stbMessage->setObjectName(u"stbMessage"_s);
    stbMessage->setFixedHeight(StatusHeight);
    auto *panels = new QHBoxLayout(stbMessage);
    panels->setContentsMargins(2, 1, 2, 1);
    panels->setSpacing(2);
    m_idPanel = new QLabel(DialogId(), stbMessage);
    m_idPanel->setObjectName(u"stbPanel0"_s);
    m_idPanel->setFixedWidth(IdPanelWidth);
    m_idPanel->setFrameShape(QFrame::Panel);
    m_idPanel->setFrameShadow(QFrame::Sunken);
    m_messagePanel = new QLabel(stbMessage);
    m_messagePanel->setObjectName(u"stbPanel1"_s);
    m_messagePanel->setFrameShape(QFrame::Panel);
    m_messagePanel->setFrameShadow(QFrame::Sunken);
    panels->addWidget(m_idPanel);
    panels->addWidget(m_messagePanel, 1);
    m_layout->addWidget(stbMessage);
}

TfrmZZH020::~TfrmZZH020() = default;

QString TfrmZZH020::StatusMessage() const
{
    return m_messagePanel->text();
}

void TfrmZZH020::ShowStatus(const QString &text)
{
    m_messagePanel->setText(text);
}
