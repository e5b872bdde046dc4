#pragma once

#include "ColumnDef.h"
#include "StoredProc.h"
#include "TfrmZZI010.h"

#include <QHash>
#include <QList>
#include <QRect>
#include <QStringList>

class GridModel;
class GridView;
class QAbstractButton;
class QToolButton;

// What the two grid entry bases say and do differently.
struct GridEntryPolicy
{
    QString deleteQuestion;
    QString nothingChanged;
    QString cancelQuestion;
    bool clearPanelOnCancel = false; // Cancel empties every control of panMain, not only the grid
};

// The rows of a grid waiting to be sent: a copy of each posted or deleted
// row's cells with its state. Column i is titled "A" + the query's field i
// (the procedure parameter it feeds); the last column holds the RowID.
struct GridChangeList
{
    struct Entry
    {
        QStringList cells;
        int state = 0;
        QString rowId() const { return cells.isEmpty() ? QString() : cells.last(); }
    };

    QStringList titles;
    QList<Entry> entries;

    int indexOf(const QString &rowId) const;
};

// The base of screens whose rows are typed straight into the grid: Search
// fills it, the operator edits, inserts and deletes rows in place, and Save
// sends every posted or deleted row through the screen's procedure in one
// transaction. TfrmEZI020 and TfrmZZI090 are this base with their own texts.
//
// A screen declares its columns (SetColumns) in the order of its query's
// fields, sets qryQuery's text and prcProc's name, binds qryQuery before
// calling bbtSearchClick and sets its fixed parameters before bbtSaveClick.
class TfrmGridEntry : public TfrmZZI010
{
    Q_OBJECT

public:
    enum RowState { NoState = 0, StoredRow = 1, InsertedRow = 2, DeletedRow = 3 };
    static inline const QString RowIdTitle = QStringLiteral("RowID");

    ~TfrmGridEntry() override;

    // The grid's columns; the hidden RowID column is appended. A column with
    // a footer turns the footer row on.
    void SetColumns(const QList<ColumnDef> &columns);

    GridModel &Rows() const { return *m_rows; }
    GridView *Grid() const { return rgrGrid; }
    const GridChangeList &Changes() const { return m_changes; }
    const GridEntryPolicy &Policy() const { return m_policy; }
    QString RowId(int row) const;
    // The row's state; a row without one counts as inserted.
    int RowStateOf(int row) const;
    bool IsRowChanged() const { return m_rowChanged; }
    bool IsSaved() const { return m_saved; }
    // The RowID of the entry being sent; after a failed save, the one that failed.
    int SavingRowId() const { return m_savingRowId; }
    // The fill-down block as columns (x) and rows (y); null without one.
    QRect FillBlock() const;

    // Sends a grid's change list through a procedure, one call per entry.
    // The list is emptied only once the whole save has committed.
    virtual void SaveGrid(GridModel &grid, GridChangeList &changes, StoredProc &procedure);
    // Sends every grid of the screen: the base sends the row grid.
    virtual void SaveAll();
    // Runs prcProc for the entry whose parameters are set.
    virtual void RunSaveProc();

    void EnablePanel(QWidget *panel, bool enable, bool recolour, bool clear);
    // Points at a wrong cell: selects the column (unless -1), focuses the
    // grid and returns false, for a check to return.
    bool ErrFocus(GridView *grid, int column);
    // Posts the current row's pending edit, as leaving the row does.
    void PostRow();
    // Joins a head field to the base's key handling (F1, Enter, the
    // day-name label); the controls of panMaster join by themselves.
    void BindHeadField(QWidget *control);

    virtual void GridColumnTitleClick(int column);
    // Run before a row leaves the grid.
    virtual void GridBeforeDelete(int row);
    virtual void GridBeforeInsert() {}
    virtual void GridAfterPost(int row);
    // Sums the footer columns and shows them through rgrGridAfterCalcFooters.
    virtual void CalcFooters();
    virtual void rgrGridAfterCalcFooters();
    void rgrMasterValueChanged();

    void edtEnter(QWidget *control) override;
    void edtExit(QWidget *control) override;

    bool bbtSearchClick() override;
    bool bbtSaveClick() override;
    bool bbtCancelClick() override;
    virtual bool bbtAddClick();
    virtual bool bbtDeleteClick();

protected:
    TfrmGridEntry(const QString &formName, const QString &caption, const GridEntryPolicy &policy,
                  QWidget *parent = nullptr);

    void FormReady() override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QWidget *panMaster = nullptr;
    QWidget *panGrid = nullptr;
    GridView *rgrGrid = nullptr;
    QPushButton *bbtAdd = nullptr;
    QPushButton *bbtDelete = nullptr;
    QToolButton *sbtFirst = nullptr;
    QToolButton *sbtPrior = nullptr;
    QToolButton *sbtNext = nullptr;
    QToolButton *sbtLast = nullptr;
    SqlQuery qryTemp;
    StoredProc prcProc;

private:
    struct SentList
    {
        GridModel *grid;
        GridChangeList *changes;
    };

    void valueChanged(int row, const QString &field);
    void currentRowMoved(int now, int previous);
    bool postRow(int row);
    void appendRow();
    void deleteRow(int row);
    void selectRow(int row);
    bool isEmptyRow(int row) const;
    GridChangeList::Entry entryOf(int row, int state) const;
    void logEntry(const GridChangeList::Entry &entry);
    int gridColumns() const;
    bool gridKey(QKeyEvent *key, bool press);
    bool headKey(QWidget *control, QKeyEvent *key);
    void showDayName(QWidget *control);
    void clearSortMarks();

    GridEntryPolicy m_policy;
    GridModel *m_rows = nullptr;
    GridChangeList m_changes;
    QList<SentList> m_sent;
    int m_rowIdCounter = 0;
    int m_savingRowId = 0;
    bool m_rowChanged = false;
    bool m_masterChanged = false;
    bool m_saved = false;
    bool m_loading = false;
    bool m_moving = false;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    int m_fillSource = -1;
    int m_fillFirst = -1;
    int m_fillLast = -1;
    int m_fillTarget = -1;
};

class TfrmEZI020 : public TfrmGridEntry
{
    Q_OBJECT

public:
    TfrmEZI020(const QString &formName, const QString &caption, QWidget *parent = nullptr);
};

class TfrmZZI090 : public TfrmGridEntry
{
    Q_OBJECT

public:
    TfrmZZI090(const QString &formName, const QString &caption, QWidget *parent = nullptr);
};
