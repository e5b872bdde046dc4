#include "EZI000.h"

#include "CodeCombo.h"
#include "CodeServices.h"
#include "Cp949.h"
#include "EZH999.h"
#include "GridModel.h"
#include "GridView.h"
#include "Guard.h"
#include "InputEdits.h"
#include "Modal.h"
#include "Routines.h"
#include "SaveTransaction.h"
#include "ServerError.h"
#include "StartupValues.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QToolButton>

#include "WaitCursor.h"

using namespace Qt::StringLiterals;

namespace {
const QString NothingChanged = u"변경된 자료가 없습니다."_s;
}

TfrmEZI000::TfrmEZI000(const QString &formName, const QString &caption, QWidget *parent)
    : TfrmZZI010(formName, caption, parent), m_rows(new GridModel(this))
{
    resize(1017, 701);
    // The save procedure takes the edit status and is offered "A" + every
    // column's field and the search values.
    prcSaveData.declare({u"AEDITSTATUS"_s});
    Calls(prcSaveData, [this] {
        QStringList offered = SearchParameters();
        for (const ColumnDef &column : m_rows->columns())
            offered.append(u"A"_s + column.field);
        return offered;
    });

    auto *mainLayout = new QVBoxLayout(panMain);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->setSpacing(0);
    panHead = new QWidget(panMain);
    panHead->setObjectName(u"panHead"_s);
    panHead->hide();
    mainLayout->addWidget(panHead);
    auto *work = new QHBoxLayout;
    work->setSpacing(2);
    mainLayout->addLayout(work, 1);
    panGrid = new QWidget(panMain);
    panGrid->setObjectName(u"panGrid"_s);
    auto *gridLayout = new QVBoxLayout(panGrid);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    rgrGrid = new GridView(panGrid);
    rgrGrid->setObjectName(u"rgrGrid"_s);
    rgrGrid->setGridModel(m_rows);
    rgrGrid->setColours({.selectedBackground = QColor(0x00, 0x00, 0xFF), .selectedText = Qt::white,
                         .titleBackground = QColor(0x66, 0x66, 0xFF), .titleText = Qt::white,
                         .cellBackground = QColor(0xCC, 0xCC, 0xFF)});
    gridLayout->addWidget(rgrGrid);
    work->addWidget(panGrid, 1);
    panBody = new QWidget(panMain);
    panBody->setObjectName(u"panBody"_s);
    panBody->setFixedWidth(514);
    m_bodyLayout = new QFormLayout(panBody);
    m_bodyLayout->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    work->addWidget(panBody);

    sbtFirst = AddSpeedButton(u"sbtFirst"_s, u"처음 자료"_s, Qt::UpArrow);
    sbtPrior = AddSpeedButton(u"sbtPrior"_s, u"앞 자료"_s, Qt::LeftArrow);
    sbtNext = AddSpeedButton(u"sbtNext"_s, u"다음 자료"_s, Qt::RightArrow);
    sbtLast = AddSpeedButton(u"sbtLast"_s, u"마지막 자료"_s, Qt::DownArrow);
    connect(sbtFirst, &QToolButton::clicked, this, [this] { SelectRow(0); });
    connect(sbtPrior, &QToolButton::clicked, this, [this] { SelectRow(rgrGrid->currentRow() - 1); });
    connect(sbtNext, &QToolButton::clicked, this, [this] { SelectRow(rgrGrid->currentRow() + 1); });
    connect(sbtLast, &QToolButton::clicked, this, [this] { SelectRow(m_rows->rowCount() - 1); });

    bbtAdd = AddButton(u"bbtAdd"_s, u"신규(F4)"_s, bbtSave);
    bbtDelete = AddButton(u"bbtDelete"_s, u"삭제(F9)"_s, bbtSave);
    for (QPushButton *button : {bbtAdd, bbtDelete, bbtSave, bbtCancel, bbtClose}) {
        button->setFocusPolicy(Qt::ClickFocus);
        button->setFixedSize(ButtonWidth, 27);
    }
    OnClick(bbtAdd, [this] { bbtAddClick(); });
    OnClick(bbtDelete, [this] { bbtDeleteClick(); });
    // The keys go through the buttons, so that they do nothing while a button is unavailable.
    AddHotkey(QKeySequence(Qt::Key_F4), u"신규"_s, [this] {
        if (bbtAdd->isEnabled() && bbtAdd->isVisible()) {
            bbtAdd->setFocus();
            bbtAddClick();
        }
    });
    AddHotkey(QKeySequence(Qt::Key_F9), u"삭제"_s, [this] {
        if (bbtDelete->isEnabled() && bbtDelete->isVisible()) {
            bbtDelete->setFocus();
            bbtDeleteClick();
        }
    });
    AddHotkey(QKeySequence(Qt::CTRL | Qt::Key_F2), u"rgrGridBack DisPlay"_s, [this] { ShowChangeList(); });

    connect(rgrGrid, &GridView::currentRowChanged, this,
            Guarded([this](int now, int previous) { currentRowMoved(now, previous); }));
}

TfrmEZI000::~TfrmEZI000() = default;

void TfrmEZI000::SetColumns(const QList<ColumnDef> &columns)
{
    m_rows->setColumns(columns);
    m_changeFields.clear();
    for (int c = 0; c < m_rows->columnCount(); ++c) {
        if (!m_rows->column(c).codeGroup.isEmpty())
            FillColumnCodes(*m_rows, c, m_rows->column(c).codeGroup);
        m_changeFields.append(m_rows->column(c).field.toUpper());
    }
    rgrGrid->applyColumns();
}

void TfrmEZI000::AddHeadFields(const QList<FieldDef> &fields)
{
    panHead->show();
    auto *line = qobject_cast<QHBoxLayout *>(panHead->layout());
    if (!line) {
        line = new QHBoxLayout(panHead);
        line->addStretch();
    }
    for (const FieldDef &def : fields) {
        const Field field = MakeField(def, panHead);
        for (QWidget *w : {static_cast<QWidget *>(field.label), field.control, static_cast<QWidget *>(field.button)})
            if (w)
                line->insertWidget(line->count() - 1, w);
        WireLookup(field);
        m_fields.append(field);
        // A head edit is a change of the rental like a row edit.
        if (auto *edit = qobject_cast<QLineEdit *>(field.control))
            connect(edit, &QLineEdit::textEdited, this, [this] { MarkRowChanged(); });
        else if (auto *combo = qobject_cast<QComboBox *>(field.control))
            connect(combo, &QComboBox::activated, this, [this] { MarkRowChanged(); });
    }
}

void TfrmEZI000::AddFields(const QList<FieldDef> &fields)
{
    AddFields(fields, panBody);
}

void TfrmEZI000::AddFields(const QList<FieldDef> &fields, QWidget *target)
{
    for (const Field &field : PlaceFields(fields, target)) {
        m_fields.append(field);
        const FieldDef &def = field.def;
        if (def.field.isEmpty())
            continue;
        Bind(field.control, def.field);
        // A code column without codes of its own shows the labels of its list.
        const int column = m_rows->columnOf(def.field);
        if (auto *combo = qobject_cast<CodeCombo *>(field.control);
            combo && column >= 0 && m_rows->pickList(column).isEmpty() && !combo->codes().isEmpty()) {
            m_rows->pickList(column) = combo->codes();
            m_rows->pickListChanged(column);
        }
    }
    LinkPostalFields(m_fields);
}

StateButtons *TfrmEZI000::AddStateButtons(const QString &caption, const QString &field,
                                          const QList<StateButtons::Button> &buttons)
{
    auto *line = new QHBoxLayout;
    if (caption.isEmpty())
        m_bodyLayout->addRow(line);
    else
        m_bodyLayout->addRow(caption, line);
    auto *states = new StateButtons(*this, *line, buttons);
    m_states.append({states, field});
    connect(states, &StateButtons::pressed, this, [this, states, field](const QString &code) {
        states->select(code);
        const int row = rgrGrid->currentRow();
        if (row < 0)
            return;
        MarkRowChanged();
        m_rows->setValue(row, field, code);
    });
    return states;
}

void TfrmEZI000::Bind(QWidget *control, const QString &field)
{
    m_bindings.append({control, field});
    connectChange(control);
    control->installEventFilter(this);
}

void TfrmEZI000::connectChange(QWidget *control)
{
    if (auto *combo = qobject_cast<QComboBox *>(control))
        connect(combo, &QComboBox::currentIndexChanged, this, Guarded([this, control] { edtChange(control); }));
    else if (auto *edit = qobject_cast<QLineEdit *>(control))
        connect(edit, &QLineEdit::textChanged, this, Guarded([this, control] { edtChange(control); }));
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
        connect(memo, &QPlainTextEdit::textChanged, this, Guarded([this, control] { edtChange(control); }));
}

QString TfrmEZI000::WorkDate() const
{
    return m_date ? m_date->dateKey() : TodayKey();
}

void TfrmEZI000::FormReady()
{
    m_date = findChild<DateEdit *>(u"dtpDate"_s);
    TfrmZZI010::FormReady();
}

QList<QWidget *> TfrmEZI000::boundTo(int column) const
{
    QList<QWidget *> controls;
    const QString field = m_rows->column(column).field;
    for (const Binding &binding : m_bindings)
        if (binding.field.compare(field, Qt::CaseInsensitive) == 0)
            controls.append(binding.control);
    return controls;
}

bool TfrmEZI000::IsStoredRow(int row) const
{
    return row >= 0 && row < m_rows->rowCount() && m_rows->isStoredRow(row);
}

QString TfrmEZI000::defaultCell(int column) const
{
    for (QWidget *control : boundTo(column)) {
        if (auto *combo = qobject_cast<CodeCombo *>(control)) {
            const PickList &list = m_rows->pickList(column).isEmpty() ? combo->codes() : m_rows->pickList(column);
            return list.codes.value(0);
        }
        if (qobject_cast<NumberEdit *>(control))
            return u"0"_s;
    }
    return {};
}

bool TfrmEZI000::IsBlankRow(int row) const
{
    if (row < 0 || row >= m_rows->rowCount() || IsStoredRow(row))
        return false;
    for (int c = 0; c < m_rows->columnCount(); ++c) {
        const QString cell = m_rows->value(row, m_rows->column(c).field);
        if (!cell.isEmpty() && cell != defaultCell(c))
            return false;
    }
    return true;
}

bool TfrmEZI000::HasPendingChanges() const
{
    return (m_rowChanged && m_rows->rowCount() > 0) || !pendingEntries(true).isEmpty();
}

int TfrmEZI000::ChangeCount() const
{
    return int(pendingEntries(false).size());
}

QList<TfrmEZI000::ChangeEntry> TfrmEZI000::pendingEntries(bool withNewRows) const
{
    // Deletes first, with the cells as the server holds them, so that a key
    // typed over before the delete cannot name another row; then the stored
    // rows changed, with what the operator last gave them; then new rows.
    QList<ChangeEntry> entries;
    for (const GridModel::DeletedRecord &deleted : m_rows->deletedRecords()) {
        ChangeEntry entry{{}, EditStatus::Deleted};
        for (const QString &field : m_changeFields)
            entry.cells.append(deleted.read.value(m_rows->fieldIndex(field)));
        entries.append(entry);
    }
    for (int row = 0; row < m_rows->rowCount(); ++row)
        if (m_rows->rowStatus(row) == GridModel::RowStatus::Changed)
            entries.append(entryOf(EditStatus::Changed, row));
    if (withNewRows)
        for (int row = 0; row < m_rows->rowCount(); ++row)
            if (!IsStoredRow(row) && !IsBlankRow(row))
                entries.append(entryOf(EditStatus::Inserted, row));
    return entries;
}

bool TfrmEZI000::LoadRows()
{
    if (!qryQuery.sql().isEmpty()) {
        for (const QString &name : qryQuery.placeholders()) {
            if (!qryQuery.binds().contains(name)) {
                ShowStatus(name + u" 파라미터가 없습니다."_s);
                qryQuery.close();
                return false;
            }
        }
    }
    WaitCursor wait;
    ShowStatus(u"자료를 불러오고 있습니다. 잠시 기다리십시오."_s);

    {
        // A read that fails leaves the grid closed, told so, and answering.
        const QScopedValueRollback moving(m_moving, true);
        const auto tellView = qScopeGuard([this] { m_rows->refresh(); });
        const QSignalBlocker quiet(m_rows);
        m_rows->close();
        if (!qryQuery.sql().isEmpty()) {
            auto query = std::make_unique<SqlQuery>(qryQuery.sql());
            query->setBuffered(true);
            for (auto it = qryQuery.binds().begin(); it != qryQuery.binds().end(); ++it)
                query->bind(it.key(), it.value());
            query->exec();
            m_rows->setQuery(std::move(query));
            m_rows->fetchAll();
        }
        m_changeFields.clear();
        for (const QString &field : m_rows->fields())
            if (m_rows->columnOf(field) >= 0)
                m_changeFields.append(field);
        // Cells take the column's width in bytes, and a code the pick list lacks
        // is not shown at all.
        for (int row = 0; row < m_rows->rowCount(); ++row) {
            for (int c = 0; c < m_rows->columnCount(); ++c) {
                const ColumnDef &column = m_rows->column(c);
                QString cell = m_rows->value(row, column.field);
                const PickList &list = m_rows->pickList(c);
                if (!list.isEmpty() && !list.codes.contains(cell))
                    cell.clear();
                m_rows->setValue(row, column.field, cell);
            }
        }
        m_rows->open();
    }

    if (m_rows->rowCount() > 0) {
        const QScopedValueRollback moving(m_moving, true);
        rgrGrid->setCurrentRow(0);
    }
    m_rowChanged = false;
    qryQuery.close();
    ShowStatus({});
    return true;
}

void TfrmEZI000::MarkRowChanged()
{
    m_rowChanged = true;
}

bool TfrmEZI000::CheckRow()
{
    TReturn result;
    if (ValidateRow(result))
        return true;
    InfoBox(result.message);
    if (result.focus)
        result.focus->setFocus();
    return false;
}

bool TfrmEZI000::ValidateRow(TReturn &result)
{
    return RunChecks(m_fields, RowChecks(), result);
}

bool TfrmEZI000::PostRow()
{
    const int row = rgrGrid->currentRow();
    if (row < 0)
        return true;
    if (!CheckRow())
        return false;
    if (m_rowChanged)
        LogRow(row);
    m_rowChanged = false;
    return true;
}

TfrmEZI000::ChangeEntry TfrmEZI000::entryOf(EditStatus status, int row) const
{
    ChangeEntry entry{{}, status};
    for (const QString &field : m_changeFields)
        entry.cells.append(m_rows->value(row, field));
    return entry;
}

void TfrmEZI000::LogRow(int row)
{
    if (row < 0)
        row = rgrGrid->currentRow();
    m_rows->markChanged(row);
}

int TfrmEZI000::CheckedRow() const
{
    return m_leavingRow >= 0 ? m_leavingRow : rgrGrid->currentRow();
}

bool TfrmEZI000::HasDuplicateKey() const
{
    const int current = CheckedRow();
    if (current < 0)
        return false;
    QList<int> keys;
    for (int c = 0; c < m_rows->columnCount(); ++c)
        if (m_rows->column(c).key)
            keys.append(c);
    if (keys.isEmpty())
        return false;
    int same = 0;
    for (int row = 0; row < m_rows->rowCount(); ++row) {
        bool equal = true;
        for (int c : std::as_const(keys))
            equal = equal && m_rows->value(row, m_rows->column(c).field) == m_rows->value(current, m_rows->column(c).field);
        if (equal)
            ++same;
    }
    return same >= 2;
}

void TfrmEZI000::EnableKeyControls(bool on)
{
    for (int c = 0; c < m_rows->columnCount(); ++c)
        if (m_rows->column(c).key)
            for (QWidget *control : boundTo(c))
                control->setEnabled(on);
}

void TfrmEZI000::ClearControls()
{
    const QScopedValueRollback loading(m_loading, true);
    for (const Binding &binding : std::as_const(m_bindings)) {
        QWidget *control = binding.control;
        if (!panBody->isAncestorOf(control))
            continue;
        ClearControl(control);
    }
    for (const auto &[states, field] : std::as_const(m_states))
        states->select({});
}

void TfrmEZI000::ClearRows()
{
    const QScopedValueRollback moving(m_moving, true);
    m_rows->close();
    m_rows->open();
}

bool TfrmEZI000::ClearChangeList()
{
    // The pending changes live in the grid's log and go with its rows.
    qryQuery.close();
    return true;
}

void TfrmEZI000::edtChange(QWidget *control)
{
    if (m_loading)
        return;
    ShowStatus({});
    m_rowChanged = true;
    ControlToGrid(control);
}

void TfrmEZI000::ControlToGrid(QWidget *control)
{
    const int row = rgrGrid->currentRow();
    if (!m_rowChanged || row < 0 || m_rows->columnCount() == 0)
        return;
    for (const Binding &binding : std::as_const(m_bindings)) {
        if (binding.control != control)
            continue;
        const int column = m_rows->columnOf(binding.field);
        QString value = ControlValue(control);
        if (auto *combo = qobject_cast<CodeCombo *>(control); combo && column >= 0 && !m_rows->pickList(column).isEmpty())
            value = m_rows->pickList(column).codes.value(combo->currentIndex());
        m_rows->setValue(row, binding.field, value);
    }
    // A state the row was shown with (a new row's default) goes with its edit.
    for (const auto &[states, field] : std::as_const(m_states))
        if (!states->selected().isEmpty())
            m_rows->setValue(row, field, states->selected());
}

void TfrmEZI000::GridToControls()
{
    const int row = rgrGrid->currentRow();
    if (row < 0)
        return;
    const QScopedValueRollback loading(m_loading, true);
    for (int c = 0; c < m_rows->columnCount(); ++c) {
        const QString field = m_rows->column(c).field;
        for (QWidget *control : boundTo(c)) {
            const QString cell = m_rows->value(row, field);
            if (auto *combo = qobject_cast<CodeCombo *>(control)) {
                const PickList &list = m_rows->pickList(c).isEmpty() ? combo->codes() : m_rows->pickList(c);
                int at = int(list.codes.indexOf(cell));
                if (at < 0) {
                    // The cell silently takes the first code, as the list shows it.
                    at = list.isEmpty() ? -1 : 0;
                    m_rows->setValue(row, field, list.codes.value(0));
                }
                combo->setCurrentIndex(at);
            } else if (auto *number = qobject_cast<NumberEdit *>(control)) {
                if (cell.isEmpty())
                    m_rows->setValue(row, field, u"0"_s);
                number->setValue(TextToInt64(cell));
            } else if (auto *mask = qobject_cast<MaskEdit *>(control)) {
                mask->setText(cell);
            } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
                edit->setText(cell);
            } else if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
                memo->setPlainText(cell);
            } else if (auto *label = qobject_cast<QLabel *>(control)) {
                label->setText(cell);
            }
        }
    }
    for (const auto &[states, field] : std::as_const(m_states))
        states->select(m_rows->value(row, field));
}

void TfrmEZI000::SelectRow(int row)
{
    if (m_rows->rowCount() == 0)
        return;
    rgrGrid->setCurrentRow(std::clamp(row, 0, m_rows->rowCount() - 1));
}

bool TfrmEZI000::RowExit(int row)
{
    const QScopedValueRollback leaving(m_leavingRow, row);
    // With the focus on Cancel, Delete or Save the row is left unchecked,
    // but a change made to it is still logged.
    QWidget *focus = QApplication::focusWidget();
    const bool check = focus != bbtCancel && focus != bbtDelete && focus != bbtSave;
    if (check && IsBlankRow(row)) {
        m_rows->removeRecord(row);
        m_rowChanged = false;
        return true;
    }
    // A stored row nobody touched is as the server keeps it: nothing to check.
    if (IsStoredRow(row) && !m_rowChanged)
        return true;
    TReturn result;
    if (check && !ValidateRow(result)) {
        InfoBox(result.message);
        if (result.focus)
            result.focus->setFocus();
        return false;
    }
    if (m_rowChanged)
        LogRow(row);
    m_rowChanged = false;
    return true;
}

void TfrmEZI000::currentRowMoved(int now, int previous)
{
    if (m_moving)
        return;
    if (previous >= 0 && previous < m_rows->rowCount() && previous != now) {
        const QScopedValueRollback moving(m_moving, true);
        // The row check reads the controls, which still show the row left.
        const int count = m_rows->rowCount();
        const bool left = RowExit(previous);
        if (!left) {
            rgrGrid->setCurrentRow(previous);
            return;
        }
        if (m_rows->rowCount() < count && now > previous)
            --now; // the blank row left was removed
        rgrGrid->setCurrentRow(std::min(now, m_rows->rowCount() - 1));
    }
    enterRow();
}

void TfrmEZI000::enterRow()
{
    EnableKeyControls(m_newRow);
    m_newRow = false;
    GridToControls();
    RowShown();
}

bool TfrmEZI000::AppendEmptyRow()
{
    const int current = rgrGrid->currentRow();
    if (current >= 0 && !RowExit(current))
        return false;
    {
        const QScopedValueRollback moving(m_moving, true);
        rgrGrid->setCurrentRow(m_rows->insertRecord());
    }
    m_newRow = true;
    enterRow();
    return true;
}

bool TfrmEZI000::bbtSearchClick()
{
    // The rows are read before the base's availability check: a Search that
    // is unavailable must not reload them.
    if (!bbtSearch->isEnabled() || !bbtSearch->isVisible())
        return false;
    if (!BeforeSearch())
        return false;
    BindSearchValues(qryQuery);
    if (!LoadRows())
        return false;
    if (!TfrmZZI010::bbtSearchClick())
        return false;
    rgrGrid->setFocus();
    m_newRow = false;
    if (m_rows->rowCount() > 0)
        enterRow();
    else
        AppendEmptyRow();
    if (QWidget *next = NextInTabOrder(rgrGrid))
        next->setFocus();
    Searched();
    return true;
}

bool TfrmEZI000::bbtAddClick()
{
    if (!CommonStart(bbtAdd))
        return false;
    const int row = rgrGrid->currentRow();
    if (row >= 0 && IsBlankRow(row)) {
        // The empty row waits already: the cursor goes into it.
        FocusFirstIn(panBody);
        return false;
    }
    if (!AppendEmptyRow())
        return false;
    // The new row is typed at once, without the mouse.
    FocusFirstIn(panBody);
    return true;
}

bool TfrmEZI000::bbtDeleteClick()
{
    if (!CommonStart(bbtDelete))
        return false;
    const int row = rgrGrid->currentRow();
    if (row < 0 || !ConfirmBox(u"현재 자료를 삭제하시겠습니까?"_s)) {
        rgrGrid->setFocus();
        return false;
    }
    {
        // A stored row removed is logged by the grid as its delete.
        const QScopedValueRollback moving(m_moving, true);
        m_rows->removeRecord(row);
    }
    m_rowChanged = false;
    if (m_rows->rowCount() > 0) {
        rgrGrid->setCurrentRow(std::min(row, m_rows->rowCount() - 1));
        enterRow();
    }
    rgrGrid->setFocus();
    return true;
}

void TfrmEZI000::sendEntry(const ChangeEntry &entry)
{
    QHash<QString, QString> cells;
    for (int i = 0; i < m_changeFields.size(); ++i) {
        const QString parameter = u"A"_s + m_changeFields.at(i);
        prcSaveData.offerValue(parameter, entry.cells.at(i));
        cells.insert(m_changeFields.at(i).toUpper(), entry.cells.at(i));
    }
    RowParameters(cells);
    SetEditStatus(prcSaveData, entry.status);
    prcSaveData.exec();
}

void TfrmEZI000::SaveRows(SavedRows &saved)
{
    // The grid's log is left as it is until the save has committed, so that
    // one that failed and is tried again sends each change once.
    const QList<ChangeEntry> changes = pendingEntries(false);
    for (m_sendingChange = 0; m_sendingChange < changes.size(); ++m_sendingChange)
        sendEntry(changes.at(m_sendingChange));
    m_sendingChange = -1;
    for (int row = 0; row < m_rows->rowCount(); ++row) {
        if (IsStoredRow(row) || IsBlankRow(row))
            continue;
        sendEntry(entryOf(EditStatus::Inserted, row));
        SavedRows::Row sent{.outputs = prcSaveData.outputs()};
        for (const QString &field : m_rows->fields())
            sent.values.insert(field.toUpper(), m_rows->value(row, field));
        saved.added.append(sent);
    }
}

bool TfrmEZI000::saveCheck()
{
    if (!m_options.checkCurrentRow || m_rows->rowCount() == 0)
        return true;
    // A blank row added after others, or waiting alone with nothing else to
    // save, is left out of the save, not checked.
    const int row = rgrGrid->currentRow();
    if (IsBlankRow(row) && !(m_options.checkLoneBlankRow && m_rows->rowCount() == 1 && HasPendingChanges()))
        return true;
    return CheckRow();
}

bool TfrmEZI000::bbtSaveClick()
{
    if (!TfrmZZI010::bbtSaveClick())
        return false;
    // A refused check leaves the focus where it put it, or where it was.
    if (!saveCheck() || !CheckBeforeSave())
        return false;
    bbtSave->setFocus();
    if (m_rowChanged && !PostRow())
        return false;
    if (!HasPendingChanges()) {
        ShowStatus(NothingChanged);
        return false;
    }
    if (!ConfirmBox(u"저장 하시겠습니까?"_s))
        return false;
    if (prcSaveData.name().isEmpty()) {
        ShowStatus(u"스토어드 프로시져가 지정되지 않았습니다."_s);
        return false;
    }
    SavedRows saved;
    {
        const ServerWait wait(this);
        // A failure rolls everything back and keeps the change list whole:
        // nothing of it reached the database.
        try {
            RunSave([&] {
                saved = {};
                prcSaveData.clearValues();
                PassSearchValues(prcSaveData);
                SaveHead(saved);
                SaveRows(saved);
            });
        } catch (const ServerError &error) {
            if (!error.connectionLost())
                restoreRefusedDelete();
            throw;
        }
        Committed(saved);
        showIssued(saved.issued);
        // Committed: what the grid holds is what the server holds, even if
        // the re-read below fails.
        for (int row = m_rows->rowCount() - 1; row >= 0; --row)
            if (IsBlankRow(row))
                m_rows->removeRecord(row);
        m_rows->acceptRecords();
        ShowStatus(u"자료를 저장했습니다."_s);
        m_rowChanged = false;
    }
    reloadAfterSave(rgrGrid->currentRow());
    if (m_options.keepEmptyRow && m_rows->rowCount() == 0) {
        ClearControls();
        AppendEmptyRow();
    }
    Saved(saved);
    return true;
}

void TfrmEZI000::showIssued(const QHash<QString, QString> &issued)
{
    // The rows are read again for the number the server gave them.
    if (issued.isEmpty())
        return;
    for (const Field &field : SearchFields())
        if (issued.contains(field.def.field.toUpper()))
            SetControlValue(field.control, issued.value(field.def.field.toUpper()));
    BindSearchValues(qryQuery);
}

void TfrmEZI000::restoreRefusedDelete()
{
    // The server kept the row: it goes back where it was, as stored, and
    // its delete leaves the log. Deletes are sent first, so the entry that
    // failed is the delete of the same position.
    const int at = std::exchange(m_sendingChange, -1);
    if (at < 0 || at >= m_rows->deletedRecords().size())
        return;
    const QScopedValueRollback moving(m_moving, true);
    const int row = m_rows->restoreDeleted(at);
    rgrGrid->setCurrentRow(row);
    enterRow();
}

void TfrmEZI000::reloadAfterSave(int position)
{
    const QString saved = StatusMessage();
    ClearRows();
    bool loaded = false;
    try {
        loaded = LoadRows();
    } catch (const ServerError &) {
        loaded = false;
    }
    if (!loaded) {
        InfoBox(u"자료를 불러오는중에 문제가 발생했습니다. 취소후 다시 조회하십시요"_s);
        return;
    }
    ShowStatus(saved);
    if (m_rows->rowCount() > 0) {
        {
            const QScopedValueRollback moving(m_moving, true);
            SelectRow(position);
        }
        enterRow();
    }
}

bool TfrmEZI000::bbtCancelClick()
{
    if (!bbtCancel->isEnabled() || !bbtCancel->isVisible())
        return false;
    bbtCancel->setFocus();
    if (HasPendingChanges() && !ConfirmBox(u"변경된 자료가 있습니다.\r정말 취소하시겠습니까?"_s))
        return false;
    if (!BeforeDiscard())
        return false;
    if (!ClearChangeList())
        return false;
    ClearControls();
    ClearRows();
    m_rowChanged = false;
    if (!TfrmZZI010::bbtCancelClick())
        return false;
    Cancelled();
    return true;
}

void TfrmEZI000::closeEvent(QCloseEvent *event)
{
    // Every way of closing asks before changes are lost, F12 included.
    if (HasPendingChanges() && !ConfirmBox(u"변경된 자료가 있습니다.\r정말 종료하시겠습니까?"_s)) {
        event->ignore();
        return;
    }
    if (!BeforeDiscard()) {
        event->ignore();
        return;
    }
    m_rowChanged = false;
    ClearRows();
    TfrmZZI010::closeEvent(event);
}

void TfrmEZI000::ShowChangeList()
{
    GridModel list;
    QList<ColumnDef> columns;
    for (const QString &field : std::as_const(m_changeFields)) {
        const int c = m_rows->columnOf(field);
        columns.append({.title = field, .field = field, .width = c >= 0 ? std::max(m_rows->column(c).width, 40) : 80});
    }
    columns.append({.title = u"EDITSTATUS"_s, .field = u"EDITSTATUS"_s, .width = 1});
    list.setColumns(columns);
    for (const ChangeEntry &entry : pendingEntries(false)) {
        const int row = list.insertRecord();
        for (int i = 0; i < m_changeFields.size(); ++i)
            list.setValue(row, m_changeFields.at(i), entry.cells.at(i));
        list.setValue(row, u"EDITSTATUS"_s, EditStatusCode(entry.status));
    }
    TfrmEZH999 dialog(list, this);
    modal().runDialog(dialog);
}

void TfrmEZI000::keyPressEvent(QKeyEvent *event)
{
    if (!HandleEnterKey(event, bbtSearch, [this] { bbtSearchClick(); }))
        TfrmZZI010::keyPressEvent(event);
}

bool TfrmEZI000::eventFilter(QObject *watched, QEvent *event)
{
    // Up and Down in a bound edit move between rows; in a code list they
    // choose its code, or no list could be chosen without the mouse.
    if (event->type() == QEvent::KeyPress && !qobject_cast<QComboBox *>(watched)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            QToolButton *button = key->key() == Qt::Key_Up ? sbtPrior : sbtNext;
            if (button->isEnabled() && button->isVisible())
                button->click();
            return true;
        }
    }
    return TfrmZZI010::eventFilter(watched, event);
}

void TfrmEZI000::edtEnter(QWidget *control)
{
    TfrmZZI010::edtEnter(control);
    ColourAlways(control, true);
}

void TfrmEZI000::edtExit(QWidget *control)
{
    TfrmZZI010::edtExit(control);
    ColourAlways(control, false);
}
