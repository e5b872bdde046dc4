#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QBoxLayout;
class QToolButton;
class TfrmZZI000;

// A row of flat buttons of which at most one is selected, such as a
// rental's state or a storage's state. Each button has its hotkey, and
// neither takes the focus from the field being typed in.
class StateButtons : public QObject
{
    Q_OBJECT

public:
    struct Button
    {
        QString name;
        QString caption;
        QString code;
        int key = 0;
    };

    // Adds the buttons to `line`; a click or hotkey of an available button
    // emits pressed().
    StateButtons(TfrmZZI000 &screen, QBoxLayout &line, const QList<Button> &buttons);

    QString selected() const { return m_selected; }
    // Shows a code as selected; an unknown or empty code selects none.
    void select(const QString &code);
    QToolButton *button(const QString &code) const;
    // As a click of the code's button: false when it is not available.
    bool press(const QString &code);

signals:
    void pressed(const QString &code);

private:
    QList<std::pair<QString, QToolButton *>> m_buttons;
    QString m_selected;
};
