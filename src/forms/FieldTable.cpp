#include "FieldTable.h"

#include "CodeCombo.h"
#include "CodeServices.h"
#include "InputEdits.h"
#include "Routines.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QWidget *makeControl(const FieldDef &def, QWidget *parent)
{
    switch (def.kind) {
    case FieldKind::Code: {
        auto *combo = new CodeCombo(parent);
        if (!def.codeGroup.isEmpty()) {
            FillCodeList(*combo, def.codeGroup);
            combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
        }
        combo->setEnabled(!def.readOnly);
        return combo;
    }
    case FieldKind::Mask: {
        auto *edit = new MaskEdit(parent);
        edit->setInputMask(def.mask);
        edit->setReadOnly(def.readOnly);
        return edit;
    }
    case FieldKind::Number: {
        auto *edit = new NumberEdit(parent);
        edit->setReadOnly(def.readOnly);
        if (def.bytes > 0)
            edit->setMaxLength(def.bytes);
        return edit;
    }
    case FieldKind::Date: {
        auto *edit = new DateEdit(parent);
        edit->setDate(QDate::currentDate());
        edit->setReadOnly(def.readOnly);
        return edit;
    }
    case FieldKind::Label: {
        auto *label = new QLabel(parent);
        label->setFrameShape(QFrame::StyledPanel);
        return label;
    }
    case FieldKind::Memo: {
        auto *memo = new QPlainTextEdit(parent);
        memo->setReadOnly(def.readOnly);
        memo->setTabChangesFocus(true); // a tab typed into a remark is never wanted
        return memo;
    }
    case FieldKind::Text:
        break;
    }
    auto *edit = new TextEdit(parent);
    edit->setMaxBytes(def.bytes);
    edit->setReadOnly(def.readOnly);
    return edit;
}

} // namespace

Field MakeField(const FieldDef &def, QWidget *parent)
{
    Field field{def};
    field.control = makeControl(def, parent);
    field.control->setObjectName(def.name);
    if (def.readOnly) {
        // Filled by the screen, never typed: Tab passes over it, and it shows
        // the start of what it holds (an address from its province on).
        field.control->setFocusPolicy(Qt::ClickFocus);
        if (auto *edit = qobject_cast<QLineEdit *>(field.control))
            QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { edit->setCursorPosition(0); });
    }
    if (def.width > 0)
        field.control->setFixedWidth(def.width);
    if (!def.caption.isEmpty()) {
        field.label = new QLabel(def.caption, parent);
        field.label->setObjectName(u"lbl"_s + def.name.mid(3));
        field.label->setBuddy(field.control);
    }
    if (def.lookup) {
        field.button = new QPushButton(u"..."_s, parent);
        field.button->setObjectName(def.lookupButton.isEmpty() ? u"bbt"_s + def.name.mid(3) : def.lookupButton);
        field.button->setFixedWidth(24);
        field.button->setFocusPolicy(Qt::NoFocus);
    }
    def.to.assign(field.control);
    return field;
}

QString ControlValue(const QWidget *control)
{
    if (auto *combo = qobject_cast<const CodeCombo *>(control))
        return combo->code();
    if (auto *date = qobject_cast<const DateEdit *>(control))
        return date->dateKey();
    if (auto *number = qobject_cast<const NumberEdit *>(control))
        return number->text().trimmed().isEmpty() ? QString() : QString::number(number->value());
    if (auto *mask = qobject_cast<const MaskEdit *>(control))
        return mask->plainText();
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (auto *memo = qobject_cast<const QPlainTextEdit *>(control))
        return memo->toPlainText();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    return {};
}

void SetControlValue(QWidget *control, const QString &value)
{
    if (auto *combo = qobject_cast<CodeCombo *>(control)) {
        const int at = int(combo->codes().codes.indexOf(value));
        combo->setCurrentIndex(at >= 0 ? at : (combo->count() > 0 ? 0 : -1));
    } else if (auto *date = qobject_cast<DateEdit *>(control)) {
        date->setDateKey(value);
    } else if (auto *number = qobject_cast<NumberEdit *>(control)) {
        number->setValue(TextToInt64(value));
    } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        edit->setText(value);
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
        memo->setPlainText(value);
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setText(value);
    }
}

void ClearControl(QWidget *control)
{
    if (auto *combo = qobject_cast<QComboBox *>(control))
        combo->setCurrentIndex(-1);
    else if (auto *number = qobject_cast<NumberEdit *>(control))
        number->setValue(0);
    else if (qobject_cast<DateEdit *>(control))
        return;
    else
        SetControlValue(control, {});
}

bool IsBlankControl(const QWidget *control)
{
    return ControlValue(control).trimmed().isEmpty();
}

bool CanTakeFocus(const QWidget *control)
{
    if (!control || !control->isEnabled() || !(control->focusPolicy() & Qt::TabFocus))
        return false;
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return !edit->isReadOnly();
    return true;
}

bool RunChecks(const QList<Field> &fields, const QList<RowCheck> &checks, TReturn &result)
{
    for (const Field &field : fields)
        if (field.def.required && IsBlankControl(field.control)) {
            result = {field.def.caption + EnterFirst, CanTakeFocus(field.control) ? field.control : nullptr};
            return false;
        }
    for (const RowCheck &check : checks)
        if (check.fails()) {
            result = {check.message, CanTakeFocus(check.focus) ? check.focus : nullptr};
            return false;
        }
    return true;
}
