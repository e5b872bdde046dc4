#include "GridEntry.h"

#include "GridModel.h"
#include "GridView.h"
#include "Guard.h"
#include "InputEdits.h"
#include "Modal.h"
#include "Routines.h"
#include "SaveTransaction.h"
#include "ServerError.h"
#include "StartupValues.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSqlRecord>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <functional>

#include "WaitCursor.h"

using namespace Qt::StringLiterals;

namespace {

// "#,##0": a whole number, half away from zero, with thousands separators.
QString WholeWithSeparators(double value)
{
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    return locale.toString(qint64(std::llround(value)));
}

bool isInput(QWidget *w)
{
    return qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QPlainTextEdit *>(w)
        || qobject_cast<QAbstractSpinBox *>(w);
}

} // namespace

TfrmGridEntry::TfrmGridEntry(const QString &formName, const QString &caption, const GridEntryPolicy &policy,
                             QWidget *parent)
    : TfrmZZI010(formName, caption, parent), m_policy(policy), m_rows(new GridModel(this))
{
    panSearch->setFixedHeight(49);
    panButtons->setFixedHeight(44);
    auto *mainLayout = new QVBoxLayout(panMain);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->setSpacing(0);
    panMaster = new QWidget(panMain);
    panMaster->setObjectName(u"panMaster"_s);
    panMaster->hide();
    mainLayout->addWidget(panMaster);
    panGrid = new QWidget(panMain);
    panGrid->setObjectName(u"panGrid"_s);
    auto *gridLayout = new QVBoxLayout(panGrid);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    rgrGrid = new GridView(panGrid);
    rgrGrid->setObjectName(u"rgrGrid"_s);
    rgrGrid->setGridModel(m_rows);
    rgrGrid->setEditable(true);
    rgrGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
    rgrGrid->verticalHeader()->setMinimumSectionSize(25);
    rgrGrid->verticalHeader()->setDefaultSectionSize(25);
    rgrGrid->setColours({.readOnlyBackground = QColor(0xEC, 0xEC, 0xEC), .footerText = Qt::blue});
    rgrGrid->horizontalHeader()->setSectionsClickable(true);
    rgrGrid->horizontalHeader()->setSortIndicatorShown(false);
    rgrGrid->installEventFilter(this);
    gridLayout->addWidget(rgrGrid);
    mainLayout->addWidget(panGrid, 1);

    bbtSearch->setText(u"Search(F3)"_s);
    bbtSearch->setFixedSize(93, 34);
    sbtFirst = AddSpeedButton(u"sbtFirst"_s, u"처음 자료"_s, Qt::UpArrow);
    sbtPrior = AddSpeedButton(u"sbtPrior"_s, u"앞 자료"_s, Qt::LeftArrow);
    sbtNext = AddSpeedButton(u"sbtNext"_s, u"다음 자료"_s, Qt::RightArrow);
    sbtLast = AddSpeedButton(u"sbtLast"_s, u"마지막 자료"_s, Qt::DownArrow);
    connect(sbtFirst, &QToolButton::clicked, this, [this] { selectRow(0); });
    connect(sbtPrior, &QToolButton::clicked, this, [this] { selectRow(rgrGrid->currentRow() - 1); });
    connect(sbtNext, &QToolButton::clicked, this, [this] { selectRow(rgrGrid->currentRow() + 1); });
    connect(sbtLast, &QToolButton::clicked, this, [this] { selectRow(m_rows->rowCount() - 1); });

    bbtAdd = AddButton(u"bbtAdd"_s, u"New(F4)"_s, bbtSave);
    bbtDelete = AddButton(u"bbtDelete"_s, u"Delete(F9)"_s, bbtSave);
    bbtSave->setText(u"Save(F2)"_s);
    bbtCancel->setText(u"Cancel(F8)"_s);
    bbtClose->setText(u"Close(F12)"_s);
    for (QPushButton *button : {bbtAdd, bbtDelete, bbtSave, bbtCancel, bbtClose}) {
        button->setFocusPolicy(Qt::ClickFocus);
        button->setFixedSize(88, 35);
    }
    OnClick(bbtAdd, [this] { bbtAddClick(); });
    OnClick(bbtDelete, [this] { bbtDeleteClick(); });
    AddHotkey(QKeySequence(Qt::Key_F4), u"신규"_s, [this] { bbtAddClick(); });
    AddHotkey(QKeySequence(Qt::Key_F9), u"삭제"_s, [this] { bbtDeleteClick(); });

    // The save procedure gets the row's cells, the searched values and the
    // edit status wherever it has those parameters.
    Calls(prcProc, [this] { return ChangeParameters() + SearchParameters() + QStringList{u"AEDITSTATUS"_s}; });

    connect(rgrGrid, &GridView::currentRowChanged, this,
            Guarded([this](int now, int previous) { currentRowMoved(now, previous); }));
    connect(m_rows, &GridModel::valueChanged, this,
            Guarded([this](int row, const QString &field) { valueChanged(row, field); }));
    connect(rgrGrid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { RunGuarded([&] { GridColumnTitleClick(column); }); });
}

TfrmGridEntry::~TfrmGridEntry() = default;

void TfrmGridEntry::SetColumns(const QList<ColumnDef> &columns)
{
    m_rows->setColumns(columns);
    rgrGrid->applyColumns();
    const bool footer = std::any_of(columns.begin(), columns.end(), [](const ColumnDef &c) { return c.footer; });
    rgrGrid->setFooterVisible(footer);
}

QStringList TfrmGridEntry::ChangeParameters() const
{
    QStringList names;
    for (const ColumnDef &column : m_rows->columns())
        names.append(u"A"_s + column.field.toUpper());
    return names;
}

EditStatus TfrmGridEntry::RowStateOf(int row) const
{
    return m_rows->isStoredRow(row) ? EditStatus::Changed : EditStatus::Inserted;
}

bool TfrmGridEntry::isUnpostedRow(int row) const
{
    return !m_rows->isStoredRow(row) && !m_rows->isLogged(row);
}

QRect TfrmGridEntry::FillBlock() const
{
    return rgrGrid->markedCells();
}

void TfrmGridEntry::FormReady()
{
    for (QWidget *w : panMaster->findChildren<QWidget *>())
        if (isInput(w) && !qobject_cast<QAbstractSpinBox *>(w->parentWidget())
            && !qobject_cast<QComboBox *>(w->parentWidget()))
            BindHeadField(w);
    TfrmZZI010::FormReady();
}

void TfrmGridEntry::BindHeadField(QWidget *control)
{
    control->installEventFilter(this);
    if (auto *mask = qobject_cast<MaskEdit *>(control))
        connect(mask, &QLineEdit::textChanged, this, [this, control] { showDayName(control); });
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        connect(edit, &QLineEdit::textEdited, this, &TfrmGridEntry::rgrMasterValueChanged);
    else if (auto *combo = qobject_cast<QComboBox *>(control))
        connect(combo, &QComboBox::activated, this, &TfrmGridEntry::rgrMasterValueChanged);
}

void TfrmGridEntry::rgrMasterValueChanged()
{
    m_rowChanged = true;
    m_masterChanged = true;
}

void TfrmGridEntry::showDayName(QWidget *control)
{
    auto *label = findChild<QLabel *>(u"wlb"_s + control->objectName().mid(3));
    if (!label)
        return;
    const QString key = static_cast<MaskEdit *>(control)->plainText();
    label->setText(IsDateKey(key) ? DayName(key) : QString());
}

bool TfrmGridEntry::bbtSearchClick()
{
    if (!bbtSearch->isEnabled() || !bbtSearch->isVisible() || !BeforeSearch())
        return false;
    if (!TfrmZZI010::bbtSearchClick())
        return false;
    const ServerWait wait(this);
    if (qryQuery.sql().isEmpty()) {
        ErrorBox(u"qryQuery의 쿼리문이 없습니다."_s);
        return false;
    }
    SqlQuery query(qryQuery.sql());
    for (auto it = qryQuery.binds().begin(); it != qryQuery.binds().end(); ++it)
        query.bind(it.key(), it.value());
    query.exec();
    const QSqlRecord record = query.record();

    {
        const QScopedValueRollback moving(m_moving, true);
        {
            const QScopedValueRollback loading(m_loading, true);
            m_rows->close();
            m_rows->open();
            const int fields = std::min(int(record.count()), m_rows->columnCount());
            while (query.next()) {
                const int row = m_rows->insertRecord();
                for (int i = 0; i < fields; ++i)
                    m_rows->setValue(row, m_rows->column(i).field, query.value(i));
            }
            query.close();
            m_rows->acceptRecords();
        }
        if (m_rows->rowCount() > 0)
            rgrGrid->setCurrentRow(0);
    }

    rgrGrid->setFocus();
    if (m_rows->rowCount() == 0)
        ShowStatus(u"조회할 내용이 없습니다."_s);
    CalcFooters();
    m_rowChanged = false;
    m_masterChanged = false;
    Searched();
    return true;
}

void TfrmGridEntry::valueChanged(int row, const QString &field)
{
    Q_UNUSED(row);
    if (m_loading)
        return;
    m_rowChanged = true;
    const int column = m_rows->columnOf(field);
    if (column >= 0 && m_rows->column(column).footer)
        CalcFooters();
}

bool TfrmGridEntry::isEmptyRow(int row) const
{
    for (int c = 0; c < m_rows->columnCount(); ++c)
        if (!m_rows->value(row, m_rows->column(c).field).isEmpty())
            return false;
    return true;
}

QList<TfrmGridEntry::RowChange> TfrmGridEntry::changesOf(const GridModel &grid) const
{
    QList<RowChange> changes;
    for (const GridModel::LogEntry &entry : grid.log()) {
        RowChange change;
        if (entry.row >= 0) {
            change.status = grid.isStoredRow(entry.row) ? EditStatus::Changed : EditStatus::Inserted;
            for (const ColumnDef &column : grid.columns())
                change.cells.append(grid.value(entry.row, column.field));
        } else {
            // The stored row goes, whatever was typed into its cells since:
            // its key as read says which row that is.
            change.status = EditStatus::Deleted;
            const GridModel::DeletedRecord &deleted = grid.deletedRecords().at(entry.deleted);
            for (const ColumnDef &column : grid.columns())
                change.cells.append(deleted.read.value(grid.fieldIndex(column.field)));
        }
        changes.append(change);
    }
    return changes;
}

void TfrmGridEntry::GridAfterPost(int row)
{
    if (isUnpostedRow(row) && isEmptyRow(row)) {
        const QScopedValueRollback moving(m_moving, true);
        m_rows->removeRecord(row);
        return;
    }
    m_rows->markChanged(row);
}

bool TfrmGridEntry::postRow(int row)
{
    if (row < 0 || row >= m_rows->rowCount())
        return false;
    if (!m_rows->isEdited(row) && !isUnpostedRow(row))
        return false;
    const int count = m_rows->rowCount();
    GridAfterPost(row);
    return m_rows->rowCount() < count;
}

void TfrmGridEntry::PostRow()
{
    rgrGrid->commitEdit();
    postRow(rgrGrid->currentRow());
}

void TfrmGridEntry::currentRowMoved(int now, int previous)
{
    if (m_moving || previous < 0 || previous == now || previous >= m_rows->rowCount())
        return;
    const QScopedValueRollback moving(m_moving, true);
    if (postRow(previous)) {
        // The empty row left was removed.
        if (now > previous)
            --now;
        rgrGrid->setCurrentRow(std::min(now, m_rows->rowCount() - 1));
    }
}

void TfrmGridEntry::selectRow(int row)
{
    if (m_rows->rowCount() == 0)
        return;
    rgrGrid->commitEdit();
    rgrGrid->setCurrentRow(std::clamp(row, 0, m_rows->rowCount() - 1));
}

void TfrmGridEntry::appendRow()
{
    rgrGrid->commitEdit();
    const int current = rgrGrid->currentRow();
    // A new row nothing was typed into is where the new row would be.
    if (current >= 0 && isUnpostedRow(current) && isEmptyRow(current))
        return;
    GridBeforeInsert();
    const QScopedValueRollback moving(m_moving, true);
    postRow(current);
    int row = -1;
    {
        const QScopedValueRollback loading(m_loading, true);
        row = m_rows->insertRecord();
    }
    rgrGrid->setCurrentRow(row);
}

bool TfrmGridEntry::bbtAddClick()
{
    if (!CommonStart(bbtAdd))
        return false;
    if (!rgrGrid->isVisible())
        return true;
    rgrGrid->setFocus();
    appendRow();
    return true;
}

void TfrmGridEntry::GridBeforeDelete(int row)
{
    // Removing the row logs the delete of a stored one; a row added on the
    // screen, posted or not, leaves nothing to send.
    if (m_rows->isStoredRow(row))
        m_rowChanged = true;
}

void TfrmGridEntry::deleteRow(int row)
{
    rgrGrid->commitEdit();
    GridBeforeDelete(row);
    {
        const QScopedValueRollback moving(m_moving, true);
        m_rows->removeRecord(row);
        if (m_rows->rowCount() > 0)
            rgrGrid->setCurrentRow(std::min(row, m_rows->rowCount() - 1));
    }
    CalcFooters();
}

bool TfrmGridEntry::bbtDeleteClick()
{
    if (!CommonStart(bbtDelete))
        return false;
    const int row = rgrGrid->currentRow();
    if (m_rows->rowCount() == 0 || row < 0 || !ConfirmBox(m_policy.deleteQuestion))
        return false;
    rgrGrid->setFocus();
    deleteRow(row);
    return true;
}

bool TfrmGridEntry::bbtSaveClick()
{
    if (!TfrmZZI010::bbtSaveClick() || !CommonStart(bbtSave))
        return false;
    PostRow();
    if (!CheckBeforeSave())
        return false;
    // A flag set by rows that were then removed unsent means nothing to save.
    if (!m_rowChanged || (m_rows->log().isEmpty() && !m_masterChanged)) {
        ErrorBox(m_policy.nothingChanged);
        return false;
    }
    if (!ConfirmBox(u"저장 하시겠습니까?"_s))
        return false;
    SavedRows saved;
    {
        const ServerWait wait(this);
        m_saved = false;
        m_sent.clear();
        try {
            RunSave([&] {
                saved = {};
                m_sent.clear();
                SaveAll(saved);
            });
        } catch (const ServerError &) {
            // Rolled back: every change stays for the retry, and the failed row is shown.
            m_sent.clear();
            if (m_savingRow >= 0)
                selectRow(m_savingRow);
            throw;
        }
        for (GridModel *grid : std::as_const(m_sent))
            grid->acceptRecords();
        m_sent.clear();
        m_saved = true;
        ShowStatus(u"자료를 저장했습니다."_s);
        m_rowChanged = false;
        m_masterChanged = false;
        m_savingRow = -1;
    }
    Saved(saved);
    return true;
}

void TfrmGridEntry::SaveAll(SavedRows &saved)
{
    SaveGrid(*m_rows, prcProc, saved);
}

void TfrmGridEntry::SaveGrid(GridModel &grid, StoredProc &procedure, SavedRows &saved)
{
    const QList<GridModel::LogEntry> log = grid.log();
    const QList<RowChange> changes = changesOf(grid);
    for (int i = 0; i < changes.size(); ++i) {
        const RowChange &change = changes.at(i);
        for (int c = 0; c < grid.columnCount(); ++c)
            procedure.offerValue(u"A"_s + grid.column(c).field.toUpper(), change.cells.at(c));
        procedure.offerValue(u"AEDITSTATUS"_s, EditStatusCode(change.status));
        const int row = log.at(i).row;
        if (&grid == m_rows) {
            m_savingRow = row;
            RunSaveProc();
        } else {
            procedure.exec();
        }
        if (change.status == EditStatus::Inserted) {
            SavedRows::Row sent{.outputs = procedure.outputs()};
            for (const QString &field : grid.fields())
                sent.values.insert(field.toUpper(), grid.value(row, field));
            saved.added.append(sent);
        }
    }
    m_sent.append(&grid);
}

void TfrmGridEntry::RunSaveProc()
{
    prcProc.exec();
}

void TfrmGridEntry::clearSortMarks()
{
    m_sortColumn = -1;
    m_sortOrder = Qt::AscendingOrder;
    rgrGrid->horizontalHeader()->setSortIndicatorShown(false);
}

bool TfrmGridEntry::bbtCancelClick()
{
    if (!bbtCancel->isEnabled() || !bbtCancel->isVisible())
        return false;
    rgrGrid->commitEdit();
    if (m_rowChanged && !ConfirmBox(m_policy.cancelQuestion))
        return false;
    if (!TfrmZZI010::bbtCancelClick())
        return false;
    clearSortMarks();
    {
        const QScopedValueRollback moving(m_moving, true);
        if (m_policy.clearPanelOnCancel)
            EnablePanel(panMain, false, false, true);
        m_rows->close();
        m_rows->open();
    }
    m_rowChanged = false;
    m_masterChanged = false;
    CalcFooters();
    Cancelled();
    return true;
}

void TfrmGridEntry::closeEvent(QCloseEvent *event)
{
    // Closing would lose what Save has not sent yet.
    rgrGrid->commitEdit();
    if (m_rowChanged && !ConfirmBox(u"변경된 자료가 있습니다.\r정말 종료하시겠습니까?"_s)) {
        event->ignore();
        return;
    }
    m_rowChanged = false;
    TfrmZZI010::closeEvent(event);
}

void TfrmGridEntry::GridColumnTitleClick(int column)
{
    if (column < 0 || column >= m_rows->columnCount())
        return;
    PostRow();
    const Qt::SortOrder order =
        m_sortColumn == column && m_sortOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_sortColumn = column;
    m_sortOrder = order;
    QHeaderView *header = rgrGrid->horizontalHeader();
    header->setSortIndicatorShown(true);
    header->setSortIndicator(column, order);
    const QScopedValueRollback moving(m_moving, true);
    m_rows->sortRecords(column, order);
}

void TfrmGridEntry::CalcFooters()
{
    if (!rgrGrid->isFooterVisible())
        return;
    for (int c = 0; c < m_rows->columnCount(); ++c) {
        if (!m_rows->column(c).footer)
            continue;
        double sum = 0;
        for (int row = 0; row < m_rows->rowCount(); ++row)
            sum += m_rows->value(row, m_rows->column(c).field).toDouble();
        m_rows->setFooter(c, QString::number(sum, 'f', 6));
    }
    rgrGridAfterCalcFooters();
}

void TfrmGridEntry::rgrGridAfterCalcFooters()
{
    if (!rgrGrid->isFooterVisible())
        return;
    for (int c = 0; c < m_rows->columnCount(); ++c) {
        const QString value = m_rows->footer(c);
        bool number = false;
        const double amount = value.toDouble(&number);
        if (number)
            m_rows->setFooter(c, WholeWithSeparators(amount));
    }
}

void TfrmGridEntry::EnablePanel(QWidget *panel, bool enable, bool recolour, bool clear)
{
    const QColor window = QApplication::palette().color(QPalette::Base);
    const QColor face = QApplication::palette().color(QPalette::Button);
    const std::function<void(QWidget *, int)> visit = [&](QWidget *w, int depth) {
        w->setEnabled(enable);
        if (clear) {
            if (auto *number = qobject_cast<NumberEdit *>(w))
                number->setValue(0);
            else if (auto *edit = qobject_cast<QLineEdit *>(w))
                edit->clear();
            else if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
                memo->clear();
            else if (auto *check = qobject_cast<QCheckBox *>(w))
                check->setChecked(false);
            else if (auto *label = qobject_cast<QLabel *>(w); label && w->objectName().startsWith(u"wlb"_s))
                label->clear();
            else if (auto *combo = qobject_cast<QComboBox *>(w))
                combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
            else if (auto *grid = qobject_cast<GridView *>(w); grid && grid->gridModel()) {
                grid->gridModel()->close();
                grid->gridModel()->open();
            }
        }
        if (recolour) {
            if (isInput(w) || qobject_cast<GridView *>(w))
                SetBackground(w, enable ? window : face);
            else if (qobject_cast<QLabel *>(w) || qobject_cast<QCheckBox *>(w)) {
                QPalette p = w->palette();
                p.setColor(QPalette::Window, face);
                w->setPalette(p);
            }
        }
        // The inner parts of a control (a grid's viewport, a combo's edit) follow the control.
        if (depth >= 6 || isInput(w) || qobject_cast<QAbstractItemView *>(w))
            return;
        for (QObject *child : w->children())
            if (auto *cw = qobject_cast<QWidget *>(child); cw && !cw->isWindow())
                visit(cw, depth + 1);
    };
    visit(panel, 0);
}

bool TfrmGridEntry::ErrFocus(GridView *grid, int column)
{
    if (column >= 0 && grid->gridModel() && grid->currentRow() >= 0)
        grid->setCurrentIndex(grid->gridModel()->index(grid->currentRow(), column));
    grid->setFocus();
    return false;
}

bool TfrmGridEntry::gridKey(QKeyEvent *key, bool press)
{
    const bool ctrl = key->modifiers() & Qt::ControlModifier;
    if (press) {
        if (key->key() == Qt::Key_Down)
            ShowStatus({});
        if (key->key() == Qt::Key_Insert && key->modifiers() == Qt::NoModifier) {
            RunGuarded([this] { bbtAddClick(); });
            return true;
        }
        if (key->key() == Qt::Key_Delete && ctrl) {
            RunGuarded([this] { bbtDeleteClick(); });
            return true;
        }
        if (!ctrl || m_rows->rowCount() == 0 || key->isAutoRepeat())
            return false;
        const int row = rgrGrid->currentRow();
        const int column = rgrGrid->currentIndex().column();
        if (key->key() == Qt::Key_Down && m_fillSource < 0) {
            m_fillSource = row;
            m_fillFirst = m_fillLast = column;
        } else if (key->key() == Qt::Key_Right && m_fillSource < 0) {
            m_fillSource = row;
            m_fillFirst = column;
        }
        return false;
    }

    if (key->key() == Qt::Key_Control) {
        m_fillSource = m_fillFirst = m_fillLast = m_fillTarget = -1;
        rgrGrid->setMarkedCells({});
        return false;
    }
    if (!ctrl || m_fillSource < 0 || key->isAutoRepeat())
        return false;
    if (key->key() == Qt::Key_Right) {
        m_fillLast = rgrGrid->currentIndex().column();
    } else if (key->key() == Qt::Key_Down) {
        m_fillTarget = rgrGrid->currentRow();
        const int target = m_fillTarget;
        if (target >= 0 && target != m_fillSource && !isUnpostedRow(target) && m_fillSource < m_rows->rowCount()) {
            {
                const QScopedValueRollback loading(m_loading, true);
                for (int c = std::min(m_fillFirst, m_fillLast); c <= std::max(m_fillFirst, m_fillLast); ++c) {
                    if (c < 0 || c >= m_rows->columnCount() || m_rows->column(c).readOnly)
                        continue;
                    const QString field = m_rows->column(c).field;
                    m_rows->setValue(target, field, m_rows->value(m_fillSource, field));
                }
            }
            GridAfterPost(target);
            m_rowChanged = true;
            CalcFooters();
        }
    }
    if (m_fillTarget >= 0)
        rgrGrid->setMarkedCells(QRect(QPoint(std::min(m_fillFirst, m_fillLast), std::min(m_fillSource, m_fillTarget)),
                                      QPoint(std::max(m_fillFirst, m_fillLast), std::max(m_fillSource, m_fillTarget))));
    return false;
}

bool TfrmGridEntry::headKey(QWidget *control, QKeyEvent *key)
{
    if (key->key() == Qt::Key_F1) {
        const QString rest = control->objectName().mid(3);
        auto *button = findChild<QAbstractButton *>(u"sbt"_s + rest);
        if (!button)
            button = findChild<QAbstractButton *>(u"bbt"_s + rest);
        if (button && button->isEnabled())
            button->click();
        return true;
    }
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !qobject_cast<QPlainTextEdit *>(control)) {
        if (QWidget *next = NextInTabOrder(control))
            next->setFocus();
        return true;
    }
    if (qobject_cast<MaskEdit *>(control) && !key->text().isEmpty() && key->text().at(0).isPrint()) {
        const QChar c = key->text().at(0);
        if (!c.isDigit() && c != u'-' && c != u'.')
            return true;
    }
    return false;
}

bool TfrmGridEntry::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::KeyPress;
    if (press || event->type() == QEvent::KeyRelease) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == rgrGrid) {
            // A fill-down posts rows, which a screen may check on the server.
            bool taken = false;
            RunGuarded([&] { taken = gridKey(key, press); });
            if (taken)
                return true;
        } else if (press && watched->isWidgetType() && headKey(static_cast<QWidget *>(watched), key)) {
            return true;
        }
    } else if (event->type() == QEvent::FocusIn && watched == rgrGrid) {
        SetBackground(rgrGrid, QApplication::palette().color(QPalette::Base));
    }
    return TfrmZZI010::eventFilter(watched, event);
}

void TfrmGridEntry::edtEnter(QWidget *control)
{
    TfrmZZI010::edtEnter(control);
    ColourAlways(control, true);
}

void TfrmGridEntry::edtExit(QWidget *control)
{
    TfrmZZI010::edtExit(control);
    ColourAlways(control, false);
}
