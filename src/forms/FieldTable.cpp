#include "FieldTable.h"

#include "CodeCombo.h"
#include "CodeNameField.h"
#include "CodeServices.h"
#include "Cp949.h"
#include "InputEdits.h"
#include "PostalField.h"
#include "Routines.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

using namespace Qt::StringLiterals;

namespace {

QString kindMask(FieldKind kind)
{
    switch (kind) {
    case FieldKind::TimeOfDay:
        return u"99:99;0; "_s;
    case FieldKind::ResidentNo:
        return u"999999-9999999;0; "_s;
    case FieldKind::PostalCode:
        return u"999-999;0; "_s;
    default:
        return u"9999-99-99;0; "_s;
    }
}

// The width a kind has unless the field says otherwise.
int kindWidth(FieldKind kind)
{
    return kind == FieldKind::TimeOfDay ? 50 : kind == FieldKind::ResidentNo ? 110 : 0;
}

QWidget *makeControl(const FieldDef &def, QWidget *parent)
{
    switch (def.kind) {
    case FieldKind::Code: {
        auto *combo = new CodeCombo(parent);
        if (def.withAll)
            combo->addCode(u"[전체]"_s, QString());
        for (qsizetype i = 0; i < def.choices.codes.size(); ++i)
            combo->addCode(def.choices.labels.value(i), def.choices.codes.at(i));
        if (!def.codeGroup.isEmpty())
            FillCodeList(*combo, def.codeGroup);
        combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
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
        if (def.bytes > 0) {
            // What the column cannot keep is never taken, rather than cut on its way into the grid.
            QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [memo, bytes = def.bytes] {
                const QString text = memo->toPlainText();
                const QString kept = CutToCp949Bytes(text, bytes);
                if (kept == text)
                    return;
                QTextCursor cursor = memo->textCursor();
                const int at = std::min<int>(cursor.position(), int(kept.size()));
                memo->setPlainText(kept);
                cursor = memo->textCursor();
                cursor.setPosition(at);
                memo->setTextCursor(cursor);
            });
        }
        return memo;
    }
    case FieldKind::DateRange:
    case FieldKind::TimeOfDay:
    case FieldKind::ResidentNo:
    case FieldKind::PostalCode: {
        auto *edit = new MaskEdit(parent);
        edit->setInputMask(def.mask.isEmpty() ? kindMask(def.kind) : def.mask);
        edit->setReadOnly(def.readOnly);
        return edit;
    }
    case FieldKind::Text:
    case FieldKind::CodeName:
        break;
    }
    auto *edit = new TextEdit(parent);
    edit->setMaxBytes(def.bytes);
    edit->setReadOnly(def.readOnly);
    return edit;
}

// The second end of a range: "From" and "_FROM" become "To" and "_TO".
QString otherEnd(QString name)
{
    for (const auto &[from, to] : {std::pair{u"_FROM"_s, u"_TO"_s}, std::pair{u"From"_s, u"To"_s}})
        if (const qsizetype at = name.lastIndexOf(from); at >= 0)
            return name.replace(at, from.size(), to);
    return name + u"To"_s;
}

// The focus to the next control that takes it, as Tab would move it.
void focusNextAfter(QWidget *from)
{
    for (QWidget *next = from->nextInFocusChain(); next && next != from; next = next->nextInFocusChain())
        if (next->isVisible() && CanTakeFocus(next) && !next->focusProxy()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
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
    if (const int width = def.width > 0 ? def.width : kindWidth(def.kind); width > 0)
        field.control->setFixedWidth(width);
    if (!def.caption.isEmpty()) {
        field.label = new QLabel(def.caption, parent);
        field.label->setObjectName(u"lbl"_s + def.name.mid(3));
        field.label->setBuddy(field.control);
    }
    const auto addButton = [&] {
        if (field.button)
            return;
        field.button = new QPushButton(u"..."_s, parent);
        field.button->setObjectName(def.lookupButton.isEmpty() ? u"bbt"_s + def.name.mid(3) : def.lookupButton);
        field.button->setFixedWidth(24);
        field.button->setFocusPolicy(Qt::NoFocus);
    };
    if (def.lookup)
        addButton();
    if (def.kind == FieldKind::PostalCode) {
        PostalField *postal = new PostalField(static_cast<QLineEdit *>(field.control), def.pick, field.control);
        field.postal = postal;
        field.def.lookup = [postal] { postal->Lookup(); };
        addButton();
    } else if (def.kind == FieldKind::CodeName) {
        auto *code = static_cast<QLineEdit *>(field.control);
        auto *name = new QLabel(parent);
        name->setObjectName(u"wlb"_s + def.name.mid(3));
        name->setFrameShape(QFrame::StyledPanel);
        if (def.nameWidth > 0)
            name->setFixedWidth(def.nameWidth);
        field.second = name;
        CodePick pick = def.pick;
        field.codeName = new CodeNameField(code, name, def.codeGroup, [pick, group = def.codeGroup, code](QString &c, QString &n) {
            return pick && pick(group, c, n, code->window());
        }, code);
        if (def.pick) {
            CodeNameField *codeName = field.codeName;
            const std::function<void()> picked = def.picked ? def.picked : [code] { focusNextAfter(code); };
            field.def.lookup = [codeName, picked] { codeName->Lookup(picked); };
            addButton();
        }
    } else if (def.kind == FieldKind::DateRange) {
        const QString name = otherEnd(def.name);
        field.second = makeControl(def, parent);
        field.second->setObjectName(name);
        if (def.width > 0)
            field.second->setFixedWidth(def.width);
        field.secondLabel = new QLabel(u"∼"_s, parent);
        field.secondLabel->setObjectName(u"lbl"_s + name.mid(3));
        field.secondLabel->setBuddy(field.second);
    }
    def.to.assign(field.control);
    return field;
}

void LinkPostalFields(const QList<Field> &fields)
{
    const auto lineOf = [&fields](const QString &field) -> QLineEdit * {
        for (const Field &other : fields)
            if (other.def.field.compare(field, Qt::CaseInsensitive) == 0)
                return qobject_cast<QLineEdit *>(other.control);
        return nullptr;
    };
    for (const Field &field : fields) {
        if (!field.postal || field.postal->Linked())
            continue;
        QString address = field.def.field;
        address.replace(u"ZIP_CODE"_s, u"ADDR1"_s, Qt::CaseInsensitive);
        QString detail = field.def.field;
        detail.replace(u"ZIP_CODE"_s, u"ADDR2"_s, Qt::CaseInsensitive);
        if (QLineEdit *line = lineOf(address))
            field.postal->SetAddress(line, lineOf(detail));
    }
}

QList<QWidget *> Field::parts() const
{
    QList<QWidget *> widgets;
    for (QWidget *part : {static_cast<QWidget *>(label), control, static_cast<QWidget *>(button),
                          static_cast<QWidget *>(secondLabel), second})
        if (part)
            widgets.append(part);
    return widgets;
}

QList<std::pair<QString, QString>> Field::binds() const
{
    if (def.field.isEmpty())
        return {};
    const auto value = [this](const QWidget *end) {
        const QString typed = ControlValue(end).trimmed();
        return def.bound ? def.bound(typed) : typed;
    };
    if (def.kind == FieldKind::DateRange)
        return {{def.field, value(control)}, {otherEnd(def.field), value(second)}};
    return {{def.field, value(control)}};
}

QString Field::printed() const
{
    if (def.kind == FieldKind::CodeName) {
        if (codeName->Name().isEmpty() && !codeName->Code().isEmpty())
            codeName->ReadName();
        return codeName->Name();
    }
    if (def.kind == FieldKind::DateRange)
        return DateRangeText(control, second);
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (auto *date = qobject_cast<const QDateEdit *>(control))
        return date->date().toString(u"yyyy-MM-dd"_s);
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text().trimmed();
    return ControlValue(control).trimmed();
}

QList<RowCheck> Field::checks() const
{
    if (def.kind == FieldKind::CodeName && !codeName->LiveName()) {
        CodeNameField *field = codeName;
        return {{[field] {
                     if (field->Code().isEmpty())
                         return false;
                     if (field->Name().isEmpty())
                         field->ReadName();
                     return field->Name().isEmpty();
                 },
                 control, def.caption + EnterCorrectly}};
    }
    if (def.kind == FieldKind::PostalCode) {
        PostalField *field = postal;
        return {{[field] { return field->Linked() && !field->Code().isEmpty() && field->Address().isEmpty(); },
                 control, def.caption + EnterCorrectly}};
    }
    if (def.kind == FieldKind::DateRange) {
        QList<RowCheck> ends;
        for (QWidget *end : {control, second})
            ends.append({[end] {
                             const QString key = ControlValue(end).trimmed();
                             return !key.isEmpty() && !IsValidYmd(key);
                         },
                         end, def.caption + EnterCorrectly});
        return ends;
    }
    return {};
}

QString RangeText(const QString &from, const QString &to)
{
    const auto shown = [](const QString &end) { return end.isEmpty() ? u"[전체]"_s : end; };
    return shown(from) + u"  ∼  "_s + shown(to);
}

QString DateRangeText(const QWidget *from, const QWidget *to)
{
    const auto shown = [](const QWidget *end) {
        const QString key = ControlValue(end).trimmed();
        return key.isEmpty() ? QString() : DateToDisplay(key);
    };
    return RangeText(shown(from), shown(to));
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
    QList<RowCheck> all;
    for (const Field &field : fields)
        all += field.checks();
    all += checks;
    for (const RowCheck &check : all)
        if (check.fails()) {
            result = {check.message, CanTakeFocus(check.focus) ? check.focus : nullptr};
            return false;
        }
    return true;
}

QString NumberRangeText(const QLineEdit *from, const QLineEdit *to)
{
    return RangeText(from->text().trimmed(), to->text().trimmed());
}

QList<RowCheck> NumberRangeChecks(QLineEdit *from, QLineEdit *to, const QString &caption)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
    QList<RowCheck> checks;
    for (QLineEdit *end : {from, to})
        checks.append({[end] { return !digits.match(end->text().trimmed()).hasMatch(); }, end,
                       caption + EnterCorrectly});
    return checks;
}
