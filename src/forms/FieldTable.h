#pragma once

#include <QList>
#include <QString>

#include <functional>

class QLabel;
class QPushButton;
class QWidget;

// What kind of control a field is; stated, never guessed from its name.
enum class FieldKind { Text, Code, Mask, Number, Date, Label, Memo };

// Where a screen wants a field's typed pointer: any QWidget subclass
// pointer matching the field's kind.
//   {.name = u"cboArea"_s, .kind = FieldKind::Code, .to = &cboArea}
class ControlSlot
{
public:
    ControlSlot() = default;
    template <class T>
    ControlSlot(T **slot) : m_assign([slot](QWidget *control) { *slot = qobject_cast<T *>(control); })
    {
    }
    void assign(QWidget *control) const
    {
        if (m_assign)
            m_assign(control);
    }

private:
    std::function<void(QWidget *)> m_assign;
};

// One field of a search bar, head panel or body, declared as data:
//   {.name = u"edtRentName"_s, .caption = u"*대여자명"_s, .field = u"RENT_NAME"_s, .bytes = 30,
//    .required = true, .to = &edtRentName}
struct FieldDef
{
    QString name;              // the control's objectName
    QString caption;           // the label before it; empty: none
    FieldKind kind = FieldKind::Text;
    QString field;             // the record field it shows and edits (or binds, on a search bar)
    int bytes = 0;             // most CP949 bytes a text may hold; digits of a number
    QString mask;              // masked edits, such as "9999-99-99;0; "
    QString codeGroup;         // code lists: filled from this common-code group
    bool required = false;     // checked in declared order: caption + "을(를) 먼저 입력하십시오."
    std::function<void()> lookup; // F1 in the field and its "..." button
    QString lookupButton;      // the button's name; default "bbt" + the name without its prefix
    bool sameLine = false;     // beside the previous field instead of on a line of its own
    bool readOnly = false;
    int width = 0;             // fixed width in pixels; 0: the control's own
    ControlSlot to;
};

// A field as built: its declaration and its controls.
struct Field
{
    FieldDef def;
    QWidget *control = nullptr;
    QLabel *label = nullptr;
    QPushButton *button = nullptr;
};

// Makes a field's control (named, sized, filled with its codes), its label
// and its lookup button, all parented to `parent`.
Field MakeField(const FieldDef &def, QWidget *parent);

// A control's value as stored: the code of a code list, a date key, the
// digits of a number (empty when blank), the plain text of a masked edit.
QString ControlValue(const QWidget *control);
// Shows a stored value; a code a list lacks selects its first code.
void SetControlValue(QWidget *control, const QString &value);
// Empties a control (a code list selects nothing, a number shows 0).
void ClearControl(QWidget *control);
// True when the control holds nothing but blanks.
bool IsBlankControl(const QWidget *control);
// Whether the operator can put the focus on it.
bool CanTakeFocus(const QWidget *control);

// The two endings of every field message.
inline const QString EnterFirst = QStringLiteral("을(를) 먼저 입력하십시오.");
inline const QString EnterCorrectly = QStringLiteral("을(를) 정확히 입력하십시오.");

// A screen's own check of the current row: when `fails` holds, the message
// is shown and the focus goes to `focus` (when it can take it).
struct RowCheck
{
    std::function<bool()> fails;
    QWidget *focus = nullptr;
    QString message;
};

// The message of a failed check and the control to put the focus on.
struct TReturn
{
    QString message;
    QWidget *focus = nullptr;
};

// Required fields first, in declared order, then the checks; false with
// `result` filled at the first that fails.
bool RunChecks(const QList<Field> &fields, const QList<RowCheck> &checks, TReturn &result);
