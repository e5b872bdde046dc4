#include "StateButtons.h"

#include "ZZI000.h"

#include <QBoxLayout>
#include <QToolButton>

using namespace Qt::StringLiterals;

StateButtons::StateButtons(TfrmZZI000 &screen, QBoxLayout &line, const QList<Button> &buttons) : QObject(&screen)
{
    for (const Button &def : buttons) {
        auto *button = new QToolButton(line.parentWidget());
        button->setObjectName(def.name);
        button->setText(def.caption);
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumWidth(90);
        line.addWidget(button);
        m_buttons.append({def.code, button});
        const auto press = [this, code = def.code] { this->press(code); };
        connect(button, &QToolButton::clicked, this, press);
        if (def.key)
            screen.AddStateHotkey(QKeySequence(def.key), def.caption, press);
    }
    line.addStretch();
    select({});
}

void StateButtons::select(const QString &code)
{
    m_selected.clear();
    for (const auto &[own, button] : m_buttons) {
        const bool selected = own == code;
        if (selected)
            m_selected = code;
        button->setCheckable(true);
        button->setChecked(selected);
        button->setAutoRaise(!selected);
        button->setStyleSheet(selected ? u"color: blue; font-weight: bold;"_s : u"color: maroon;"_s);
        button->setProperty("selected", selected);
    }
}

QToolButton *StateButtons::button(const QString &code) const
{
    for (const auto &[own, button] : m_buttons)
        if (own == code)
            return button;
    return nullptr;
}

bool StateButtons::press(const QString &code)
{
    QToolButton *own = button(code);
    if (!own || !own->isEnabled() || !own->isVisibleTo(own->window()))
        return false;
    emit pressed(code);
    return true;
}
