#include "ZZH010.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TfrmZZH010::TfrmZZH010(const QString &formName, const QString &caption, QWidget *parent)
    : TfrmZZH000(formName, caption, parent)
{
    m_mainLayout = new QVBoxLayout(panMain);
    m_mainLayout->setContentsMargins(0, 0, 0, 0);
    m_mainLayout->setSpacing(0);

    panSearch = new QFrame(panMain);
    panSearch->setObjectName(u"panSearch"_s);
    panSearch->setFixedHeight(SearchBarHeight);
    panSearch->setFrameShape(QFrame::StyledPanel);
    m_mainLayout->addWidget(panSearch);

    auto *row = new QHBoxLayout(panSearch);
    row->setContentsMargins(8, 0, 8, 0);
    row->setSpacing(6);
    m_searchLayout = new QHBoxLayout;
    m_searchLayout->setSpacing(6);
    row->addLayout(m_searchLayout);
    row->addStretch(1);

    bbtSearch = new QPushButton(u"조회(F3)"_s, panSearch);
    bbtSearch->setObjectName(u"bbtSearch"_s);
    bbtSearch->setFixedSize(ButtonWidth, ButtonHeight);
    bbtSearch->setAutoDefault(false);
    row->addWidget(bbtSearch);

    OnClick(bbtSearch, [this] { bbtSearchClick(); });
    AddHotkey(Qt::Key_F3, u"actSearch"_s, [this] { bbtSearchClick(); });
}

bool TfrmZZH010::bbtSearchClick()
{
    return CommonStart(bbtSearch);
}
