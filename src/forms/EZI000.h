#pragma once

#include "ColumnDef.h"
#include "EditStatus.h"
#include "SavedRows.h"
#include "StateButtons.h"
#include "StoredProc.h"
#include "ZZI010.h"

#include <QList>
#include <QStringList>

class DateEdit;
class GridModel;
class GridView;
class QFormLayout;
class QToolButton;

// The base of entry screens: the rows read for the search values in a grid
// on the left, the current row's controls on the right, Add, Delete, Save
// and Cancel. It remembers the rows that were changed, deleted or added and
// sends them through the screen's procedure in one transaction on Save.
//
// A screen declares its grid columns (SetColumns), its search bar, head and
// body fields (AddSearchFields, AddHeadFields, AddFields), sets qryQuery's
// text and prcSaveData's name, and lists its own row checks (RowChecks).
// The search bar's bound fields are bound to the query and passed to the
// save procedure under "A" + their field; the body's bound fields show and
// edit the current row.
//
// Search, Save and Cancel are the base's, step by step; a screen adds to
// them through the hooks below and never re-checks a button or re-adds the
// empty row itself. Save: availability, the check before the save, the
// current row posted, confirmation, one transaction of the head call and
// every logged row, the grid's log accepted, the rows read again, Saved().
class TfrmEZI000 : public TfrmZZI010
{
    Q_OBJECT

public:
    struct Options
    {
        // Save checks the current row even when it was not changed; a blank
        // new row is left out, unless it is the only row, `checkLoneBlankRow`
        // and the head waits to be saved.
        bool checkCurrentRow = false;
        bool checkLoneBlankRow = false;
        // A save that leaves no row adds an empty one to type the next into.
        bool keepEmptyRow = false;
    };

    TfrmEZI000(const QString &formName, const QString &caption, QWidget *parent = nullptr);
    ~TfrmEZI000() override;

    // The grid's columns; a column's code group fills its pick list.
    void SetColumns(const QList<ColumnDef> &columns);
    // Builds the head panel's fields in one line above the grid; editing
    // one is a change of the current row.
    void AddHeadFields(const QList<FieldDef> &fields);
    // Builds the body panel's fields and binds them to their record fields.
    void AddFields(const QList<FieldDef> &fields);
    // The same onto a widget inside the body (a page of a tab widget, a
    // group box): the fields go into its form layout, which is made (or
    // added to its box layout) when it has none.
    void AddFields(const QList<FieldDef> &fields, QWidget *target);
    // Binds a control made by hand to a record field.
    void Bind(QWidget *control, const QString &field);
    // State buttons bound to a record field, on a line of the body under
    // `caption` (across the body without one): a press of an available button (or its key) selects its
    // code and writes it into the current row as an edit does; a row shown
    // selects its code (none for another); cleared controls select none.
    StateButtons *AddStateButtons(const QString &caption, const QString &field,
                                  const QList<StateButtons::Button> &buttons);

    GridModel &Rows() const { return *m_rows; }
    GridView *Grid() const { return rgrGrid; }
    // The search bar's date as 'YYYYMMDD' (today without a date picker).
    QString WorkDate() const;
    bool IsStoredRow(int row) const;
    // True when a row added on the screen holds nothing but what the
    // controls wrote into it when it was shown (first code, 0).
    bool IsBlankRow(int row) const;
    // Stored rows changed or deleted and not saved yet.
    int ChangeCount() const;
    // Stored rows changed or deleted, or rows added and not saved yet.
    bool HasPendingChanges() const;

    bool LoadRows();
    bool PostRow();
    // Marks a stored row (-1: the current one) changed in the grid's log;
    // deletes are logged by removing the row, new rows by adding it.
    void LogRow(int row = -1);
    // Whether another row has the key of the row under check (CheckedRow).
    bool HasDuplicateKey() const;
    // The row the row check is about: the row being left while the grid
    // moves (the grid's current row is already the next one then), else
    // the current row.
    int CheckedRow() const;
    void EnableKeyControls(bool on);
    void ClearControls();
    void ClearRows();
    bool ClearChangeList();

    virtual void GridToControls();
    virtual void ControlToGrid(QWidget *control);

    void edtEnter(QWidget *control) override;
    void edtExit(QWidget *control) override;

    bool bbtSearchClick() override;
    bool bbtSaveClick() override;
    bool bbtCancelClick() override;
    virtual bool bbtAddClick();
    virtual bool bbtDeleteClick();
    // Ctrl+F2: the change list with the parameters it feeds.
    void ShowChangeList();

protected:
    void SetOptions(const Options &options) { m_options = options; }

    // BeforeSearch runs before the search values are bound, Searched once
    // the first row (or the empty row) is shown; CheckBeforeSave before the
    // current row is posted; Saved after the rows were read again (or failed
    // to be).

    // Inside the save's transaction, before the rows: the screen's head
    // call. Values it sets on prcSaveData go with every row; a number the
    // server issues for a search field goes into `saved.issued`, and the
    // search bar shows it once the save has committed.
    virtual void SaveHead(SavedRows & /*saved*/) {}
    // Inside the transaction: one call of prcSaveData per logged row
    // (deletes, changes, then new rows), each new row recorded in `saved`.
    virtual void SaveRows(SavedRows &saved);
    // Once the save committed, before the search bar shows `saved.issued`:
    // where a number the server gave at the commit is asked for. It must
    // not throw: what it could not learn, it leaves out.
    virtual void Committed(SavedRows & /*saved*/) {}
    // Once a row's cells are offered to prcSaveData under "A" + their
    // field: parameters a screen builds from the row's cells by upper-case field.
    virtual void RowParameters(const QHash<QString, QString> & /*cells*/) {}

    // The row check, run before a row is posted, on Add and on Save: the
    // required head and body fields in declared order, then RowChecks();
    // false with the message and the focus control filled in.
    virtual bool ValidateRow(TReturn &result);
    // The screen's own checks of the current row, after the required fields.
    virtual QList<RowCheck> RowChecks() { return {}; }
    // After a row became current and was shown in the controls.
    virtual void RowShown() {}
    // Cancel and every close, once the operator agreed to lose the pending
    // changes and before anything is discarded: the place to give back what
    // the screen took on the server. False keeps the screen as it is.
    virtual bool BeforeDiscard() { return true; }
    // Leaving a row: nothing is checked while the focus is on Cancel,
    // Delete or Save; a blank new row is removed; any other row must pass
    // the row check. False keeps the row current.
    virtual bool RowExit(int row);
    // Runs the row check and shows its message; false when it failed.
    bool CheckRow();
    // Marks the current row changed, as an edit of a bound control does.
    void MarkRowChanged();
    bool IsRowChanged() const { return m_rowChanged; }
    // Whether the controls' change events are being ignored.
    bool IsLoading() const { return m_loading; }
    // Leaves the current row, appends an empty row and makes it current, as
    // Add does; false when the row could not be left.
    bool AppendEmptyRow();
    // Makes a row current (the nearest end for a position beyond either end).
    void SelectRow(int row);

    void FormReady() override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    QWidget *panHead = nullptr;
    QWidget *panGrid = nullptr;
    QWidget *panBody = nullptr;
    QFormLayout *m_bodyLayout = nullptr;
    GridView *rgrGrid = nullptr;
    QPushButton *bbtAdd = nullptr;
    QPushButton *bbtDelete = nullptr;
    QToolButton *sbtFirst = nullptr;
    QToolButton *sbtPrior = nullptr;
    QToolButton *sbtNext = nullptr;
    QToolButton *sbtLast = nullptr;
    StoredProc prcSaveData;

private:
    struct Binding
    {
        QWidget *control;
        QString field;
    };
    struct ChangeEntry
    {
        QStringList cells; // by m_changeFields
        EditStatus status;
    };

    void currentRowMoved(int now, int previous);
    void enterRow();
    void edtChange(QWidget *control);
    void connectChange(QWidget *control);
    QString defaultCell(int column) const;
    QList<QWidget *> boundTo(int column) const;
    ChangeEntry entryOf(EditStatus status, int row) const;
    QList<ChangeEntry> pendingEntries(bool withNewRows) const;
    void sendEntry(const ChangeEntry &entry);
    bool saveCheck();
    void showIssued(const QHash<QString, QString> &issued);
    void reloadAfterSave(int position);
    void restoreRefusedDelete();

    Options m_options;
    GridModel *m_rows = nullptr;
    QList<Binding> m_bindings;
    QList<std::pair<StateButtons *, QString>> m_states; // and their fields
    QList<Field> m_fields; // head, then body, as declared
    QStringList m_changeFields;
    DateEdit *m_date = nullptr;
    int m_sendingChange = -1; // the pending change the save is sending (deletes come first)
    int m_leavingRow = -1;    // the row RowExit checks
    bool m_rowChanged = false;
    bool m_loading = false;
    bool m_newRow = false;
    bool m_moving = false;
};
