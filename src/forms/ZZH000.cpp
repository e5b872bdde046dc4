#include "ZZH000.h"

#include "Guard.h"
#include "InputColouring.h"
#include "SaveTransaction.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

QFont DialogFont()
{
    QFont font;
    font.setFamilies({u"굴림"_s, u"Gulim"_s, u"NanumGothic"_s, u"Nanum Gothic"_s});
    font.setPixelSize(12);
    return font;
}

TfrmZZH000::TfrmZZH000(const QString &formName, const QString &caption, QWidget *parent) : QDialog(parent)
{
    setObjectName(formName);
    setWindowTitle(caption);
    setFont(DialogFont());
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);
    setSizeGripEnabled(false);

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);

    panMain = new QWidget(this);
    panMain->setObjectName(u"panMain"_s);
    m_layout->addWidget(panMain, 1);

    panButtons = new QFrame(this);
    panButtons->setObjectName(u"panButtons"_s);
    panButtons->setFixedHeight(ButtonPanelHeight);
    panButtons->setFrameShape(QFrame::NoFrame);
    m_layout->addWidget(panButtons);

    auto *buttonColumn = new QVBoxLayout(panButtons);
    buttonColumn->setContentsMargins(0, 0, 0, 0);
    buttonColumn->setSpacing(0);
    auto *line = new QFrame(panButtons);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    buttonColumn->addWidget(line);
    m_buttonLayout = new QHBoxLayout;
    m_buttonLayout->setContentsMargins(6, 0, 6, 0);
    m_buttonLayout->setSpacing(4);
    m_buttonLayout->addStretch(1);
    buttonColumn->addLayout(m_buttonLayout, 1);

    bbtOK = AddButton(u"bbtOK"_s, u"확인(F10)"_s);
    bbtClose = AddButton(u"bbtClose"_s, u"종료(F12)"_s);
    OnClick(bbtOK, [this] { bbtOKClick(); });
    OnClick(bbtClose, [this] { bbtCloseClick(); });
    AddHotkey(Qt::Key_F10, u"actOK"_s, [this] { bbtOKClick(); });
    AddHotkey(Qt::Key_F12, u"actClose"_s, [this] { bbtCloseClick(); });
}

TfrmZZH000::~TfrmZZH000() = default;

QString TfrmZZH000::DialogId() const
{
    return objectName().mid(3);
}

bool TfrmZZH000::CommonStart(QAbstractButton *button)
{
    ShowStatus({});
    return button && button->isVisible() && button->isEnabled();
}

void TfrmZZH000::ShowStatus(const QString &) {}

bool TfrmZZH000::StoreResult()
{
    return true;
}

void TfrmZZH000::FormReady() {}

bool TfrmZZH000::bbtOKClick()
{
    if (!CommonStart(bbtOK) || !StoreResult())
        return false;
    ShowStatus({});
    accept();
    return true;
}

bool TfrmZZH000::bbtCloseClick()
{
    if (!CommonStart(bbtClose))
        return false;
    QDialog::reject();
    return true;
}

void TfrmZZH000::reject()
{
    bbtCloseClick();
}

QAction *TfrmZZH000::AddHotkey(const QKeySequence &key, const QString &name, const std::function<void()> &handler)
{
    auto *action = new QAction(this);
    action->setObjectName(name);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [handler] { RunGuarded(handler); });
    addAction(action);
    return action;
}

void TfrmZZH000::OnClick(QAbstractButton *button, const std::function<void()> &handler)
{
    connect(button, &QAbstractButton::clicked, this, [handler] { RunGuarded(handler); });
}

QPushButton *TfrmZZH000::AddButton(const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, panButtons);
    button->setObjectName(name);
    button->setFixedSize(ButtonWidth, ButtonHeight);
    // Enter belongs to the dialogs' own keyboard rules, never to a default button.
    button->setAutoDefault(false);
    button->setDefault(false);
    m_buttonLayout->addWidget(button);
    return button;
}

QWidget *TfrmZZH000::NextInTabOrder(QWidget *from) const
{
    QWidget *start = from ? from : const_cast<TfrmZZH000 *>(this);
    for (QWidget *w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain()) {
        if (w == this)
            continue;
        if (isAncestorOf(w) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            return w;
    }
    return nullptr;
}

void TfrmZZH000::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_ready)
        return;
    m_ready = true;
    FormReady();
    InstallInputColouring(this);
    setFixedSize(size());
}

void TfrmZZH000::keyPressEvent(QKeyEvent *event)
{
    // Enter on a button presses it; elsewhere it moves to the next control.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        QWidget *focus = focusWidget();
        if (auto *button = qobject_cast<QAbstractButton *>(focus)) {
            button->click();
        } else if (QWidget *next = NextInTabOrder(focus)) {
            next->setFocus(Qt::TabFocusReason);
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
