#pragma once

#include "FieldTable.h"
#include "SqlQuery.h"
#include "StoredProc.h"

#include <QKeySequence>
#include <QPointer>
#include <QWidget>

#include <functional>

class QAbstractButton;
class QAction;
class QFrame;
class QHBoxLayout;
class QMenu;
class QPushButton;
class QToolButton;
class QVBoxLayout;
class StatusPanels;

// The base of every screen: layout (working area, button panel, status bar),
// the Close button, the hotkey menu, input colouring and closing.
//
// A screen passes its form name ("frm" + screen id) and caption to the base
// and builds its own controls in its constructor. Button handlers are
// virtual and return false when they were abandoned (button hidden or
// disabled, nothing to do); an override calls the inherited handler first
// and stops when it returns false:
//
//   bool TfrmEBS060::bbtSearchClick()
//   {
//       qryQuery.bind(u"DATE"_s, WorkDate());
//       if (!TfrmEZS000::bbtSearchClick())
//           return false;
//       ... footers ...
//       return true;
//   }
class TfrmZZI000 : public QWidget
{
    Q_OBJECT

public:
    static constexpr int DesignWidth = 1008;
    static constexpr int DesignHeight = 670;
    static constexpr int ButtonWidth = 80;
    static constexpr int ButtonHeight = 25;

    TfrmZZI000(const QString &formName, const QString &caption, QWidget *parent = nullptr);
    ~TfrmZZI000() override;

    // The form name without its first three characters ("frmEBS060" gives "EBS060").
    QString ScreenId() const;
    // Hosted in a tab of the main window (no border), as opposed to a window of its own.
    bool IsHosted() const { return !isWindow(); }

    // Puts the text on the message line; empty clears it.
    void ShowStatus(const QString &text);
    QString StatusMessage() const;

    // The main window's resize notification: the tab's width and height.
    void HostResized(int width, int height);

    // Focuses the first input control in tab order.
    void FocusFirst();
    // Gives the focus back to the field that had it last (the first field
    // when none did): the screen's tab came to the front again.
    void RestoreFocus();
    // A hotkey of a screen's part (state buttons): as AddHotkey.
    void AddStateHotkey(const QKeySequence &key, const QString &name, const std::function<void()> &handler)
    {
        AddHotkey(key, name, handler);
    }

    virtual bool bbtCloseClick();

    // Colouring of input controls when they take and lose the focus; every
    // input control of the screen is bound automatically.
    virtual void edtEnter(QWidget *control);
    virtual void edtExit(QWidget *control);

    // What the screen sends to one of its procedures, for the contract
    // test: the parameters it names (the function must have them), those
    // it offers where the function has them (record and search fields),
    // and those it leaves to the server's default on purpose. The audit
    // parameters are the wrapper's.
    struct ProcedureUse
    {
        const StoredProc *procedure = nullptr;
        QStringList named;
        QStringList offered;
        QStringList leftOut;
    };
    // Every SQL text the screen runs, and every procedure it calls.
    virtual QStringList ContractSql() const;
    // Every query the screen owns with the values it always binds (the code
    // groups of "GC_" names); every other placeholder takes what the
    // operator gives. By default the texts of ContractSql, the screen's query
    // with the code groups bound to it.
    struct ContractQuery
    {
        QString sql;
        QHash<QString, QString> fixed;
        QString fault; // what the declaration itself gets wrong; empty: nothing
    };
    virtual QList<ContractQuery> ContractQueries() const;
    // Every procedure the screen called Calls for, with what it declared.
    QList<ProcedureUse> ContractProcedures() const;

signals:
    // A hosted screen asks its host to close it; the host calls close() and
    // destroys the tab when the screen accepts.
    void closeRequested();

protected:
    // Clears the message line; false when the button is hidden or disabled,
    // and the handler is then abandoned without a word.
    bool CommonStart(QAbstractButton *button);

    // Adds a hidden entry to popHotkey that runs `handler` on `key` while
    // the focus is anywhere in the screen.
    QAction *AddHotkey(const QKeySequence &key, const QString &name, const std::function<void()> &handler);
    // Makes a button of the standard size on the button panel, left of
    // `leftOf` (at the right end when null).
    QPushButton *AddButton(const QString &name, const QString &caption, QWidget *leftOf = nullptr);
    // Puts a widget at the left end of the button panel, after those put there before.
    void AddToButtonPanelLeft(QWidget *widget);
    // A flat record-navigation button at the left of the button panel; it
    // never takes the focus.
    QToolButton *AddSpeedButton(const QString &name, const QString &hint, Qt::ArrowType arrow);
    // Runs `handler` on a click, with server errors shown in the default error box.
    void OnClick(QAbstractButton *button, const std::function<void()> &handler);
    // The search bar along the top with the Search button at its right, as
    // ZZI010 and ZZS010 have it; returns the button.
    QPushButton *CreateSearchBar();
    // Puts a search field (or its label) on the search bar, after those put there before.
    void AddToSearchBar(QWidget *widget);
    // Builds the search bar's fields, in order, left of the Search button.
    void AddSearchFields(const QList<FieldDef> &fields);
    // The same onto a widget the screen put on the search bar (a page of a
    // stack the condition list turns): the parts go in a row of its own.
    void AddSearchFields(const QList<FieldDef> &fields, QWidget *target);
    const QList<Field> &SearchFields() const { return m_searchFields; }
    // Binds every bound search field's value under its field name, and
    // remembers the values as those the rows on the screen were read for.
    void BindSearchValues(SqlQuery &query);
    // The value a search field had when the rows were read.
    QString SearchedValue(const QString &field) const { return m_searched.value(field.toUpper()); }
    // "A" + the field of every bound search field: what PassSearchValues may send.
    QStringList SearchParameters() const;
    // Sets "A" + field to each searched value where the procedure has that
    // parameter: the common key of the rows it saves, whatever the search
    // bar shows by then.
    void PassSearchValues(StoredProc &procedure) const;
    // Makes `procedure` one the screen calls: the contract test holds the
    // server's parameters against those it declares and those `offered`
    // lists (the values it sets only where the procedure has them).
    void Calls(const StoredProc &procedure, std::function<QStringList()> offered = {});
    // The required search fields in declared order; false after the
    // message, with the focus on the first one left blank.
    bool CheckSearchFields();
    // Makes the fields into `target`'s form layout (made, or added to its box
    // layout, when it has none), a `sameLine` field beside the one before,
    // and wires their lookups; the fields as made, in order.
    QList<Field> PlaceFields(const QList<FieldDef> &fields, QWidget *target);
    // F1 in the field's control and its "..." button run its lookup.
    void WireLookup(const Field &field);

    // The next control after `from` (from the top when null) in tab order
    // that can take the focus; null when there is none.
    QWidget *NextInTabOrder(QWidget *from) const;
    // Focuses the first control inside `area` that can take the focus.
    bool FocusFirstIn(QWidget *area);
    // Enter in an input control moves to the next control in tab order and,
    // when that is `searchButton`, runs `search`. True when the key was taken.
    bool HandleEnterKey(QKeyEvent *event, QAbstractButton *searchButton, const std::function<void()> &search);

    // Runs once, when the screen is first shown, after every constructor:
    // here the bases finish what depends on the screen's own controls.
    virtual void FormReady();
    // Closes every query the screen owns; an override calls this too.
    virtual void CloseQueries();

    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Enter on a focused button presses it, as Space does.
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

    // Status bar panels' widths from their texts; the message line takes the rest.
    void LayoutStatusBar();

    QWidget *panMain = nullptr;
    QFrame *panButtons = nullptr;
    QPushButton *bbtClose = nullptr;
    StatusPanels *stbMessage = nullptr;
    QMenu *popHotkey = nullptr;
    SqlQuery qryQuery;

    QFrame *panSearch = nullptr; // made by CreateSearchBar

private:
    void ArrangeTabOrder();
    void focusMoved(QWidget *old, QWidget *now);

    QList<Field> m_searchFields;
    QHash<QString, QString> m_searched; // by upper-case field
    QList<std::pair<const StoredProc *, std::function<QStringList()>>> m_procedures;
    QHash<QObject *, std::function<void()>> m_lookups; // by control, for F1
    QMetaObject::Connection m_focusWatch;
    QPointer<QWidget> m_firstInOrder; // where the arranged tab order starts
    QPointer<QWidget> m_lastFocus;    // the screen's own control that had the focus last
    QVBoxLayout *m_layout = nullptr;
    QHBoxLayout *m_buttonLayout = nullptr;
    QHBoxLayout *m_searchLayout = nullptr;
    int m_searchCount = 0;
    int m_leftCount = 0;
    bool m_ready = false;
};

// The input control a focus widget belongs to (the spin box or combo box
// around an inner line edit).
QWidget *InputControlOf(QWidget *widget);

// The screens' Korean faces: "굴림" for screens, "굴림체" for the main window.
QFont ScreenFont(int pixelSize);
QFont FixedScreenFont(int pixelSize);

// Input colours: the focus colour (the system's tooltip background), white
// without the focus, grey for read-only text inputs.
QColor FocusColour();
void SetBackground(QWidget *control, const QColor &colour);
// Date pickers, code lists and masked edits take the focus colour with the
// focus and white without, read-only or not (the search and entry screens).
void ColourAlways(QWidget *control, bool focused);
