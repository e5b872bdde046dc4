#pragma once

#include "ColumnDef.h"
#include "EditStatus.h"
#include "SavedRows.h"
#include "StoredProc.h"
#include "ZZI010.h"

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

// The base of screens whose rows are typed straight into the grid: Search
// fills it, the operator edits, inserts and deletes rows in place, and Save
// sends every posted or deleted row through the screen's procedure in one
// transaction, in the order they were posted. TfrmEZI020 and TfrmZZI090 are
// this base with their own texts.
//
// The pending changes are the grid's row log: a row is logged when it is
// posted (left, or Save) after an edit, a stored row also when it is
// deleted; a new row deleted before the save leaves nothing behind.
//
// A screen declares its columns (SetColumns) in the order of its query's
// fields, sets qryQuery's text and prcProc's name, binds qryQuery before
// calling bbtSearchClick and sets its fixed parameters in CheckBeforeSave.
class TfrmGridEntry : public TfrmZZI010
{
    Q_OBJECT

public:
    // One pending call: the row's cells by column and what the call does.
    struct RowChange
    {
        EditStatus status;
        QStringList cells;
    };

    ~TfrmGridEntry() override;

    // The grid's columns. A column with a footer turns the footer row on.
    void SetColumns(const QList<ColumnDef> &columns);

    GridModel &Rows() const { return *m_rows; }
    GridView *Grid() const { return rgrGrid; }
    const GridEntryPolicy &Policy() const { return m_policy; }
    // The calls a save would send now, in their order.
    QList<RowChange> PendingChanges() const { return changesOf(*m_rows); }
    // The parameters the cells feed: "A" + each column's field.
    QStringList ChangeParameters() const;
    // A stored row (possibly changed) is "1", a row added on the screen "2".
    EditStatus RowStateOf(int row) const;
    bool IsRowChanged() const { return m_rowChanged; }
    bool IsSaved() const { return m_saved; }
    // The row whose call is being sent; after a failed save, the one that
    // failed; -1 outside a save and for a deleted row.
    int SavingRow() const { return m_savingRow; }
    // The fill-down block as columns (x) and rows (y); null without one.
    QRect FillBlock() const;

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

    // BeforeSearch runs before the rows are read (the screen binds qryQuery
    // there); CheckBeforeSave once the current row is posted; Saved without
    // reading the rows again.

    // Inside the save's transaction: sends every grid of the screen; the
    // base sends the row grid through prcProc.
    virtual void SaveAll(SavedRows &saved);
    // Sends a grid's logged rows through a procedure, one call per row,
    // each new row recorded in `saved`. The grid's log is accepted only
    // once the whole save has committed.
    void SaveGrid(GridModel &grid, StoredProc &procedure, SavedRows &saved);
    // Runs prcProc for the row whose parameters are set.
    virtual void RunSaveProc();

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
    void valueChanged(int row, const QString &field);
    void currentRowMoved(int now, int previous);
    bool postRow(int row);
    void appendRow();
    void deleteRow(int row);
    void selectRow(int row);
    bool isEmptyRow(int row) const;
    // A row added on the screen that was never posted.
    bool isUnpostedRow(int row) const;
    QList<RowChange> changesOf(const GridModel &grid) const;
    bool gridKey(QKeyEvent *key, bool press);
    bool headKey(QWidget *control, QKeyEvent *key);
    void showDayName(QWidget *control);
    void clearSortMarks();

    GridEntryPolicy m_policy;
    GridModel *m_rows = nullptr;
    QList<GridModel *> m_sent; // the grids the running save sent
    int m_savingRow = -1;
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
