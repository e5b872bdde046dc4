#include "InputColouring.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

const char *const ColouredProperty = "kestInputColoured";

bool IsInput(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget)
           || qobject_cast<const QAbstractSpinBox *>(widget) || qobject_cast<const QPlainTextEdit *>(widget)
           || qobject_cast<const QTextEdit *>(widget);
}

bool IsReadOnly(const QWidget *widget)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(widget))
        return line->isReadOnly();
    if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(widget))
        return spin->isReadOnly();
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(widget))
        return plain->isReadOnly();
    if (const auto *text = qobject_cast<const QTextEdit *>(widget))
        return text->isReadOnly();
    return false;
}

// A line edit inside a combo or spin box belongs to its outer control.
QWidget *OuterInput(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget())
        if (IsInput(w) && !(w->parentWidget() && IsInput(w->parentWidget())))
            return w;
    return nullptr;
}

void Paint(QWidget *input, bool focused)
{
    QPalette palette = input->palette();
    QColor colour = Qt::white;
    if (IsReadOnly(input))
        colour = QColor(0x80, 0x80, 0x80);
    else if (focused)
        colour = QToolTip::palette().color(QPalette::ToolTipBase);
    if (palette.color(QPalette::Base) == colour && input->property(ColouredProperty).toBool())
        return;
    palette.setColor(QPalette::Base, colour);
    input->setPalette(palette);
    input->setProperty(ColouredProperty, true);
}

class Colouring : public QObject
{
    Q_OBJECT

public:
    explicit Colouring(QWidget *root) : QObject(root) { setObjectName(u"inputColouring"_s); }

    // Every widget is watched, so that controls added to any panel later
    // are found when they are polished.
    void adopt(QWidget *widget)
    {
        widget->installEventFilter(this);
        if (IsInput(widget) && OuterInput(widget) == widget)
            Paint(widget, widget->hasFocus());
    }

    void adoptTree(QWidget *root)
    {
        adopt(root);
        for (QWidget *child : root->findChildren<QWidget *>())
            adopt(child);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::ReadOnlyChange:
            if (QWidget *input = widget ? OuterInput(widget) : nullptr)
                Paint(input, input->hasFocus());
            break;
        case QEvent::ChildPolished:
            if (auto *child = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child()))
                adoptTree(child);
            break;
        default:
            break;
        }
        return false;
    }
};

} // namespace

void InstallInputColouring(QWidget *root)
{
    if (!root)
        return;
    auto *colouring = root->findChild<Colouring *>(u"inputColouring"_s, Qt::FindDirectChildrenOnly);
    if (!colouring)
        colouring = new Colouring(root);
    colouring->adoptTree(root);
}

#include "InputColouring.moc"
