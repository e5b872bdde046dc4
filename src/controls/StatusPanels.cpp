#include "StatusPanels.h"

#include <QHBoxLayout>
#include <QLabel>

using namespace Qt::StringLiterals;

StatusPanels::StatusPanels(int stretchPanel, QWidget *parent) : QFrame(parent), m_stretchPanel(stretchPanel)
{
    setFixedHeight(Height);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < PanelCount; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(u"panel%1"_s.arg(i));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setIndent(2);
        label->setMinimumWidth(0);
        m_panels[i] = label;
        layout->addWidget(label, i == stretchPanel ? 1 : 0);
    }
}

QString StatusPanels::text(int panel) const
{
    return m_panels[panel]->text();
}

void StatusPanels::setText(int panel, const QString &text)
{
    if (m_panels[panel]->text() == text)
        return;
    m_panels[panel]->setText(text);
    m_panels[panel]->repaint();
}

int StatusPanels::panelWidth(int panel) const
{
    return m_panels[panel]->width();
}

void StatusPanels::setPanelWidth(int panel, int width)
{
    if (panel == m_stretchPanel)
        return;
    m_panels[panel]->setFixedWidth(width);
}

void StatusPanels::setPanelAlignment(int panel, Qt::Alignment alignment)
{
    m_panels[panel]->setAlignment(alignment | Qt::AlignVCenter);
}
