#include "EZH000.h"

#include "CodeServices.h"
#include "GridModel.h"
#include "GridView.h"
#include "Guard.h"
#include "InputEdits.h"
#include "Modal.h"
#include "Routines.h"
#include "SaveTransaction.h"
#include "SqlQuery.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const GridColours LookupColours{
    .selectedBackground = QColor(0x88, 0x88, 0xFF),
    .selectedText = Qt::white,
    .titleBackground = QColor(0x66, 0x66, 0xFF),
    .titleText = Qt::white,
    .cellBackground = QColor(0xCC, 0xCC, 0xFF),
};

constexpr int DialogMargin = 40;
constexpr int ListHeight = 420;
constexpr int MasterDetailHeight = 560;

bool IsEnter(const QKeyEvent *event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
           && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

int ColumnsWidth(const QList<ColumnDef> &columns)
{
    int width = 0;
    for (const ColumnDef &column : columns)
        if (column.visible)
            width += column.width;
    return width;
}

} // namespace

TfrmEZH000::TfrmEZH000(const QString &formName, const QString &caption, QWidget *parent)
    : TfrmZZH020(formName, caption, parent)
{
    rgrGrid->setColours(LookupColours);
    rgrGrid->verticalHeader()->hide();
    rgrGrid->installEventFilter(this);
    connect(rgrGrid, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            PickFromGrid(index.row());
    });
}

TfrmEZH000::~TfrmEZH000() = default;

void TfrmEZH000::SetColumns(const QList<ColumnDef> &columns)
{
    m_grid->setColumns(columns);
    rgrGrid->applyColumns();
}

TextEdit *TfrmEZH000::AddSearchField(const LookupField &field)
{
    auto *label = new QLabel(field.label, panSearch);
    auto *edit = new TextEdit(panSearch);
    edit->setObjectName(field.name);
    if (field.maxLength > 0)
        edit->setMaxLength(field.maxLength);
    edit->setFixedWidth(field.width);
    label->setBuddy(edit);
    m_searchLayout->addWidget(label);
    m_searchLayout->addWidget(edit);
    // The fields come before Search in tab order, as the operator reads them.
    setTabOrder(edit, bbtSearch);
    m_fields.append({field, edit});
    return edit;
}

void TfrmEZH000::SetSearchText(int field, const QString &text)
{
    if (TextEdit *edit = SearchField(field))
        edit->setText(text);
}

void TfrmEZH000::SetDetail(const LookupDetail &detail)
{
    m_detailDef = detail;
    m_detail = new GridModel(this);
    m_detail->setColumns(detail.columns);
    rgrDetail = new GridView(panBody);
    rgrDetail->setObjectName(u"rgrDetail"_s);
    rgrDetail->setGridModel(m_detail);
    rgrDetail->setColours(LookupColours);
    rgrDetail->setFocusPolicy(Qt::NoFocus);
    m_gridLayout->addWidget(rgrDetail, 1);
    connect(rgrGrid, &GridView::currentRowChanged, this, [this](int row) { ReadDetail(row); });
}

void TfrmEZH000::ReadDetail(int row)
{
    m_detail->close();
    if (row < 0 || row >= m_grid->rowCount())
        return;
    RunGuarded([&] {
        auto query = std::make_unique<SqlQuery>(m_detailDef.sql);
        for (auto it = m_binds.begin(); it != m_binds.end(); ++it)
            query->bind(it.key(), it.value());
        for (const QString &key : std::as_const(m_detailDef.keys))
            query->bind(key, m_grid->value(row, key));
        query->setStreamed(true);
        query->exec();
        m_detail->setQuery(std::move(query));
    });
}

bool TfrmEZH000::bbtSearchClick()
{
    if (!TfrmZZH020::bbtSearchClick())
        return false;
    m_grid->close();
    if (m_detail)
        m_detail->close();
    auto query = std::make_unique<SqlQuery>(m_sql);
    for (auto it = m_binds.begin(); it != m_binds.end(); ++it)
        query->bind(it.key(), it.value());
    for (const Field &field : std::as_const(m_fields))
        query->bind(field.def.bind, LikeAnywhere(field.edit->text()));
    // A lookup may list a long table: its rows come as the grid needs them.
    query->setStreamed(true);
    query->exec();
    m_grid->setQuery(std::move(query));
    if (m_grid->rowCount() > 0) {
        rgrGrid->setFocus();
        rgrGrid->setCurrentRow(0);
    } else {
        InfoBox(u"조회할 내용이 없습니다."_s);
        if (!m_fields.isEmpty())
            m_fields.constFirst().edit->setFocus();
    }
    return true;
}

int TfrmEZH000::CurrentRow() const
{
    const int row = rgrGrid->currentRow();
    return row >= 0 ? row : 0;
}

bool TfrmEZH000::AcceptsRow(int)
{
    return true;
}

bool TfrmEZH000::SearchesOnActivation() const
{
    if (m_fields.isEmpty())
        return true;
    for (const Field &field : m_fields)
        if (!field.edit->text().isEmpty())
            return true;
    return false;
}

bool TfrmEZH000::StoreResult()
{
    if (m_grid->rowCount() == 0) {
        m_outputs.clear();
        return false;
    }
    const int row = CurrentRow();
    if (!AcceptsRow(row))
        return false;
    m_outputs.clear();
    for (const LookupOutput &output : std::as_const(m_outputDefs)) {
        QString value = m_grid->value(row, output.field);
        if (output.withoutDashes)
            value.remove(QLatin1Char('-'));
        m_outputs.append(value);
    }
    return true;
}

void TfrmEZH000::PickFromGrid(int row)
{
    if (row < 0 || row >= m_grid->rowCount() || m_grid->displayText(row, 0).isEmpty())
        return;
    RunGuarded([this] { bbtOKClick(); });
}

void TfrmEZH000::FormReady()
{
    TfrmZZH020::FormReady();
    int width = ColumnsWidth(m_grid->columns());
    if (m_detail)
        width = std::max(width, ColumnsWidth(m_detail->columns()));
    resize(std::max(width + m_sideWidth + DialogMargin, minimumSizeHint().width()), m_detail ? MasterDetailHeight : ListHeight);
    if (!m_fields.isEmpty())
        m_fields.constFirst().edit->setFocus();
    else
        rgrGrid->setFocus();
}

void TfrmEZH000::changeEvent(QEvent *event)
{
    TfrmZZH020::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || m_activated)
        return;
    m_activated = true;
    if (SearchesOnActivation())
        RunGuarded([this] { bbtSearchClick(); });
}

void TfrmEZH000::keyPressEvent(QKeyEvent *event)
{
    // Enter walks the search bar: buttons other than Search are passed over,
    // and reaching Search runs it.
    if (IsEnter(event) && !qobject_cast<QAbstractButton *>(focusWidget())) {
        QWidget *next = NextInTabOrder(focusWidget());
        for (int guard = 0; next && qobject_cast<QAbstractButton *>(next) && next != bbtSearch && guard < 64; ++guard)
            next = NextInTabOrder(next);
        if (qobject_cast<QAbstractButton *>(next) && next != bbtSearch)
            next = nullptr;
        if (next) {
            next->setFocus(Qt::TabFocusReason);
            if (next == bbtSearch)
                RunGuarded([this] { bbtSearchClick(); });
        }
        event->accept();
        return;
    }
    TfrmZZH020::keyPressEvent(event);
}

bool TfrmEZH000::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == rgrGrid && event->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent *>(event))) {
        PickFromGrid(rgrGrid->currentRow());
        return true;
    }
    return TfrmZZH020::eventFilter(watched, event);
}

bool RunLookup(TfrmEZH000 &dialog, std::initializer_list<QString *> outputs)
{
    if (modal().runDialog(dialog) != QDialog::Accepted)
        return false;
    int i = 0;
    for (QString *output : outputs)
        *output = dialog.Outputs().value(i++);
    return true;
}
