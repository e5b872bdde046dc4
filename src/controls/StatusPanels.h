#pragma once

#include <QFrame>

class QLabel;

// The status bar of a screen: four panels side by side; every panel but one
// has a fixed width, and that one (the message line) takes what is left.
class StatusPanels : public QFrame
{
    Q_OBJECT

public:
    static constexpr int PanelCount = 4;
    static constexpr int Height = 23;

    // stretchPanel: the panel that takes the remaining width.
    explicit StatusPanels(int stretchPanel, QWidget *parent = nullptr);

    QString text(int panel) const;
    // Repaints only when the text changed.
    void setText(int panel, const QString &text);
    int panelWidth(int panel) const;
    void setPanelWidth(int panel, int width);
    void setPanelAlignment(int panel, Qt::Alignment alignment);
    QLabel *panel(int panel) const { return m_panels[panel]; }

private:
    QLabel *m_panels[PanelCount] = {};
    int m_stretchPanel;
};
