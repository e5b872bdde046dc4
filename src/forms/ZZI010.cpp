#include "ZZI010.h"

#include "StatusPanels.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace {

// The controls whose enabled state the modes set: every widget of the
// screen except windows, menus, labels, the status bar and the inner parts
// of composite controls (which follow their control).
void collectControls(QWidget *parent, const QWidget *skip, QList<QWidget *> &controls)
{
    for (QObject *child : parent->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || w->isWindow() || w == skip || qobject_cast<QMenu *>(w) || qobject_cast<QLabel *>(w))
            continue;
        controls.append(w);
        if (auto *scroll = qobject_cast<QScrollArea *>(w)) {
            if (scroll->widget())
                collectControls(scroll->widget(), skip, controls);
            continue;
        }
        if (qobject_cast<QAbstractItemView *>(w) || qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QComboBox *>(w)
            || qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractButton *>(w) || qobject_cast<QTextEdit *>(w)
            || qobject_cast<QPlainTextEdit *>(w))
            continue;
        collectControls(w, skip, controls);
    }
}

} // namespace

TfrmZZI010::TfrmZZI010(const QString &formName, const QString &caption, QWidget *parent)
    : TfrmZZI000(formName, caption, parent)
{
    bbtSearch = CreateSearchBar();

    bbtSave = AddButton(u"bbtSave"_s, u"저장(F2)"_s, bbtClose);
    bbtCancel = AddButton(u"bbtCancel"_s, u"취소(F8)"_s, bbtClose);

    OnClick(bbtSearch, [this] { bbtSearchClick(); });
    OnClick(bbtSave, [this] { bbtSaveClick(); });
    OnClick(bbtCancel, [this] { bbtCancelClick(); });
    AddHotkey(QKeySequence(Qt::Key_F2), u"저장"_s, [this] { bbtSaveClick(); });
    AddHotkey(QKeySequence(Qt::Key_F3), u"조회"_s, [this] { bbtSearchClick(); });
    AddHotkey(QKeySequence(Qt::Key_F8), u"취소"_s, [this] { bbtCancelClick(); });

    SetSearchMode(true);
}

void TfrmZZI010::FormReady()
{
    TfrmZZI000::FormReady();
    // The screen's own controls exist now: let them join their group.
    SetSearchMode(m_searchMode);
}

void TfrmZZI010::SetSearchMode(bool on)
{
    m_searchMode = on;
    QList<QWidget *> controls;
    collectControls(this, stbMessage, controls);
    for (QWidget *w : std::as_const(controls)) {
        const bool entry = panMain->isAncestorOf(w) || w->parentWidget() == panButtons;
        w->setEnabled(entry != on);
    }
    bbtClose->setEnabled(true);
    panMain->setEnabled(true);
    panButtons->setEnabled(true);
    if (on && isVisible())
        FocusFirstIn(panSearch);
}

bool TfrmZZI010::bbtSearchClick()
{
    if (!CommonStart(bbtSearch))
        return false;
    SetSearchMode(false);
    FocusFirstIn(panMain);
    return true;
}

bool TfrmZZI010::bbtSaveClick()
{
    return CommonStart(bbtSave);
}

bool TfrmZZI010::bbtCancelClick()
{
    if (!CommonStart(bbtCancel))
        return false;
    SetSearchMode(true);
    return true;
}
