#pragma once

#include "ColumnDef.h"

#include <QList>
#include <QString>

#include <functional>

class CodeNameField;
class PostalField;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// What kind of control a field is; stated, never guessed from its name.
//   CodeName   a code typed in upper case with its name in a label beside it
//              ("wlb" + the name without its prefix), read from `codeGroup`
//              when the code is left; F1 and "..." open `pick`. A code the
//              group lacks is refused (caption + "을(를) 정확히 입력하십시오.").
//   DateRange  two masked date ends ("9999-99-99") with "∼" between; the
//              second end's name and field are the first's with "From" and
//              "_FROM" turned into "To" and "_TO". An empty end is open; an
//              end that is no date is refused, the focus on it.
//   TimeOfDay  a masked "99:99" edit, 50 pixels wide; the value is "HHMM".
//   ResidentNo a masked "999999-9999999" edit, 110 pixels wide; 13 digits.
//   PostalCode a masked "999-999" code whose F1 and "..." open `pick`; it
//              fills the field whose record field is its own with ZIP_CODE
//              turned into ADDR1 (the address line) and moves on to ADDR2
//              (the detail). A code without an address is refused.
enum class FieldKind {
    Text, Code, Mask, Number, Date, Label, Memo, CodeName, DateRange, TimeOfDay, ResidentNo, PostalCode
};

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

// The lookup of a code + name field: the dialog of the code group; true
// with code and name when the operator chose.
using CodePick = std::function<bool(const QString &group, QString &code, QString &name, QWidget *parent)>;

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

    // Search bars: the SQL condition the field adds while it holds a value,
    // bound under its field ("t.rent_stat = :RENT_STAT"); `bound` turns the
    // value into what is bound (LikeAnywhere).
    QString condition;
    std::function<QString(const QString &)> bound;
    bool withAll = false;      // code lists: "[전체]" (no code, no condition) first
    // Code lists of a fixed set: its labels and codes, before those of the
    // group. A body field's grid column without codes of its own shows them too.
    PickList choices;
    // The printed condition line (1 to 3) where the field reads
    // "caption: value"; 0: not printed.
    int printLine = 3;

    // Code + name and postal code: the lookup; code + name: what follows a
    // pick (default: the focus moves on) and the name label's width.
    CodePick pick;
    std::function<void()> picked;
    int nameWidth = 0;
};

// A screen's own check of the current row: when `fails` holds, the message
// is shown and the focus goes to `focus` (when it can take it).
struct RowCheck
{
    std::function<bool()> fails;
    QWidget *focus = nullptr;
    QString message;
};

// A field as built: its declaration and its controls.
struct Field
{
    FieldDef def;
    QWidget *control = nullptr;
    QLabel *label = nullptr;
    QPushButton *button = nullptr;
    QWidget *second = nullptr;       // code + name: the name; date range: the second end
    QLabel *secondLabel = nullptr;   // date range: "∼"
    CodeNameField *codeName = nullptr;
    PostalField *postal = nullptr;

    // Its widgets in the order they stand on a line.
    QList<QWidget *> parts() const;
    // Every field and value it binds: a date range binds both ends.
    QList<std::pair<QString, QString>> binds() const;
    // What its condition line shows after the caption: a code list's label,
    // a date as YYYY-MM-DD, a code's name, a range as "from  ∼  to".
    QString printed() const;
    // The checks of its kind, after the required fields.
    QList<RowCheck> checks() const;
};

// Makes a field's control (named, sized, filled with its codes), its label
// and its lookup button, all parented to `parent`.
Field MakeField(const FieldDef &def, QWidget *parent);
// Gives each postal code among `fields` its address fields once they exist.
void LinkPostalFields(const QList<Field> &fields);

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

// The printed range "from  ∼  to", an open end "[전체]".
QString RangeText(const QString &from, const QString &to);
// The same of two date ends, as YYYY-MM-DD.
QString DateRangeText(const QWidget *from, const QWidget *to);
// The same of two number edits, as typed.
QString NumberRangeText(const QLineEdit *from, const QLineEdit *to);
// Each end of a number range holds digits or nothing; anything else is
// caption + "을(를) 정확히 입력하십시오." with the focus on that end.
QList<RowCheck> NumberRangeChecks(QLineEdit *from, QLineEdit *to, const QString &caption);

// The two endings of every field message.
inline const QString EnterFirst = QStringLiteral("을(를) 먼저 입력하십시오.");
inline const QString EnterCorrectly = QStringLiteral("을(를) 정확히 입력하십시오.");

// The message of a failed check and the control to put the focus on.
struct TReturn
{
    QString message;
    QWidget *focus = nullptr;
};

// Required fields first, in declared order, then each field's own checks
// (code + name, date ranges), then the screen's checks; false with
// `result` filled at the first that fails.
bool RunChecks(const QList<Field> &fields, const QList<RowCheck> &checks, TReturn &result);
