#include "GridView.h"

#include "Cp949.h"
#include "GridModel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>

using namespace Qt::StringLiterals;

// Column titles under the headings of their groups: a grouped column's
// section draws its share of the group's heading on the upper line and its
// title below; a column without a group takes the whole height.
class GroupedHeader : public QHeaderView
{
public:
    explicit GroupedHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logical) const override
    {
        const QString group = model() ? model()->headerData(logical, Qt::Horizontal, GridModel::GroupRole).toString()
                                      : QString();
        if (group.isEmpty()) {
            QHeaderView::paintSection(painter, rect, logical);
            return;
        }
        const int upper = GridView::HeaderHeight;
        QHeaderView::paintSection(painter, rect.adjusted(0, upper, 0, 0), logical);

        // The group runs over the neighbours in view order that share it.
        const auto groupOf = [this](int visual) {
            const int l = logicalIndex(visual);
            return l < 0 || isSectionHidden(l) ? QString()
                                               : model()->headerData(l, Qt::Horizontal, GridModel::GroupRole).toString();
        };
        int first = visualIndex(logical);
        int last = first;
        for (int v = first - 1; v >= 0; --v) {
            if (isSectionHidden(logicalIndex(v)))
                continue;
            if (groupOf(v) != group)
                break;
            first = v;
        }
        for (int v = last + 1; v < count(); ++v) {
            if (isSectionHidden(logicalIndex(v)))
                continue;
            if (groupOf(v) != group)
                break;
            last = v;
        }
        const int left = sectionViewportPosition(logicalIndex(first));
        const int right = sectionViewportPosition(logicalIndex(last)) + sectionSize(logicalIndex(last));
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.rect = QRect(left, rect.top(), right - left, upper);
        option.text = group;
        option.textAlignment = Qt::AlignCenter;
        option.section = logical;
        option.position = QStyleOptionHeader::OnlyOneSection;
        painter->save();
        painter->setClipRect(QRect(rect.left(), rect.top(), rect.width(), upper));
        style()->drawControl(QStyle::CE_Header, &option, painter, this);
        painter->restore();
    }
};

// The footer row under the cells, its cells aligned with the columns.
class FooterBar : public QWidget
{
public:
    explicit FooterBar(GridView *view) : QWidget(view), m_view(view) { setObjectName(u"footer"_s); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        const GridModel *model = m_view->gridModel();
        if (!model)
            return;
        QHeaderView *header = m_view->horizontalHeader();
        const int offset = m_view->verticalHeader()->isVisible() ? m_view->verticalHeader()->width() : 0;
        painter.setPen(palette().color(QPalette::Mid));
        for (int c = 0; c < model->columnCount(); ++c) {
            if (header->isSectionHidden(c))
                continue;
            const QRect cell(offset + header->sectionViewportPosition(c) + m_view->frameWidth(), 0,
                             header->sectionSize(c), height() - 1);
            painter.drawRect(cell);
            const QColor text = m_view->colours().footerText;
            painter.setPen(text.isValid() ? text : palette().color(QPalette::WindowText));
            painter.drawText(cell.adjusted(3, 0, -3, 0), int(model->column(c).alignment | Qt::AlignVCenter),
                             model->footer(c));
            painter.setPen(palette().color(QPalette::Mid));
        }
    }

private:
    GridView *m_view;
};

namespace {

// Pick-list columns edit with a list of labels that keeps codes; other
// columns with a line edit cut to the column's data width.
class GridDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const auto *model = qobject_cast<const GridModel *>(index.model());
        if (model && !model->pickList(index.column()).isEmpty()) {
            auto *combo = new QComboBox(parent);
            combo->addItems(model->pickList(index.column()).labels);
            return combo;
        }
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor); line && model) {
            const int limit = model->column(index.column()).dataWidth;
            line->setAlignment(model->column(index.column()).alignment);
            if (limit > 0)
                QObject::connect(line, &QLineEdit::textEdited, line, [line, limit](const QString &text) {
                    const QString cut = CutToCp949Bytes(text, limit);
                    if (cut != text)
                        line->setText(cut);
                });
        }
        return editor;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (auto *combo = qobject_cast<QComboBox *>(editor)) {
            const auto *model = qobject_cast<const GridModel *>(index.model());
            combo->setCurrentIndex(int(model->pickList(index.column()).codes.indexOf(index.data(Qt::EditRole).toString())));
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        if (auto *combo = qobject_cast<QComboBox *>(editor)) {
            const auto *grid = qobject_cast<const GridModel *>(model);
            const int i = combo->currentIndex();
            model->setData(index, i < 0 ? QString() : grid->pickList(index.column()).codes.at(i));
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }

    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const auto *view = qobject_cast<const GridView *>(parent());
        const auto *model = qobject_cast<const GridModel *>(index.model());
        if (!view || !model)
            return;
        const GridColours &colours = view->colours();
        if (view->markedCells().contains(index.column(), index.row())) {
            option->backgroundBrush = view->palette().brush(QPalette::Highlight);
            option->palette.setBrush(QPalette::Text, view->palette().brush(QPalette::HighlightedText));
            return;
        }
        if (model->column(index.column()).readOnly && colours.readOnlyBackground.isValid())
            option->backgroundBrush = colours.readOnlyBackground;
        else if (colours.cellBackground.isValid())
            option->backgroundBrush = colours.cellBackground;
        const RowColour row = view->rowColour(index.row());
        if (row.background.isValid())
            option->backgroundBrush = row.background;
        if (row.text.isValid())
            option->palette.setColor(QPalette::Text, row.text);
    }
};

} // namespace

void GridView::setRowColours(std::function<RowColour(int row)> colour)
{
    m_rowColour = std::move(colour);
    viewport()->update();
}

GridView::GridView(QWidget *parent) : QTableView(parent), m_footer(new FooterBar(this))
{
    setItemDelegate(new GridDelegate(this));
    // At the grid's size NanumGothic's period and comma look alike; this face
    // tells "3,000.0" apart. The size stays the screen's.
    QFont face;
    face.setFamilies({u"NanumBarunGothic"_s, u"NanumGothic"_s});
    setFont(face);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    verticalHeader()->setMinimumSectionSize(RowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->hide();
    setHorizontalHeader(new GroupedHeader(this));
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumHeight(HeaderHeight);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab and Shift+Tab go to the next and previous control, as everywhere
    // else on the screen; the arrow keys move between cells and rows.
    setTabKeyNavigation(false);
    setWordWrap(false);
    m_footer->hide();
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] { m_footer->update(); });
    connect(horizontalHeader(), &QHeaderView::sectionMoved, this, [this] { m_footer->update(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { m_footer->update(); });
}

GridView::~GridView() = default;

void GridView::setGridModel(GridModel *model)
{
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    setModel(model);
    connect(model, &GridModel::modelReset, this, &GridView::applyColumns);
    connect(model, &GridModel::footersChanged, m_footer, qOverload<>(&QWidget::update));
    connect(model, &QAbstractItemModel::headerDataChanged, this, &GridView::applyColumns);
    applyColumns();
}

void GridView::applyColumns()
{
    if (!m_model)
        return;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        // Never narrower than its caption: a caption is never cut.
        setColumnWidth(c, std::max(m_model->column(c).width, horizontalHeader()->sectionSizeHint(c)));
        setColumnHidden(c, !m_model->column(c).visible);
    }
    updateHeaderHeight();
    m_footer->update();
}

void GridView::setColumnShown(int column, bool shown)
{
    if (m_model)
        m_model->setColumnVisible(column, shown);
}

void GridView::updateHeaderHeight()
{
    int lines = 1;
    bool grouped = false;
    if (m_model)
        for (const ColumnDef &column : m_model->columns()) {
            lines = std::max(lines, int(column.title.count(QLatin1Char('\n'))) + 1);
            grouped = grouped || !column.group.isEmpty();
        }
    int height = lines == 1 ? HeaderHeight : lines * (fontMetrics().height() + 2) + 4;
    if (grouped)
        height += HeaderHeight;
    horizontalHeader()->setFixedHeight(height);
}

void GridView::setFooterVisible(bool visible)
{
    m_footerVisible = visible;
    m_footer->setVisible(visible);
    updateGeometries();
}

void GridView::setColours(const GridColours &colours)
{
    m_colours = colours;
    QPalette p = palette();
    if (colours.selectedBackground.isValid())
        p.setColor(QPalette::Highlight, colours.selectedBackground);
    if (colours.selectedText.isValid())
        p.setColor(QPalette::HighlightedText, colours.selectedText);
    if (colours.cellBackground.isValid())
        p.setColor(QPalette::Base, colours.cellBackground);
    setPalette(p);
    if (colours.titleBackground.isValid()) {
        horizontalHeader()->setStyleSheet(u"QHeaderView::section { background-color: %1; color: %2;"
                                          " border: 1px solid %3; }"_s
                                              .arg(colours.titleBackground.name(),
                                                   colours.titleText.isValid() ? colours.titleText.name()
                                                                               : u"black"_s,
                                                   colours.titleBackground.darker(130).name()));
    }
    viewport()->update();
}

void GridView::setEditable(bool on)
{
    m_editable = on;
    setEditTriggers(on ? QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                             | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                       : QAbstractItemView::NoEditTriggers);
}

void GridView::commitEdit()
{
    if (state() != EditingState)
        return;
    if (QWidget *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void GridView::setMarkedCells(const QRect &cells)
{
    if (m_marked == cells)
        return;
    m_marked = cells;
    viewport()->update();
}

int GridView::currentRow() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

int GridView::firstVisibleColumn() const
{
    if (!m_model)
        return 0;
    for (int c = 0; c < m_model->columnCount(); ++c)
        if (!isColumnHidden(c))
            return c;
    return 0;
}

void GridView::setCurrentRow(int row)
{
    if (!m_model || row < 0 || row >= m_model->rowCount())
        return;
    const int column = currentIndex().isValid() ? currentIndex().column() : firstVisibleColumn();
    setCurrentIndex(m_model->index(row, column));
}

void GridView::first()
{
    setCurrentRow(0);
}

void GridView::prior()
{
    setCurrentRow(std::max(0, currentRow() - 1));
}

void GridView::next()
{
    if (!m_model)
        return;
    if (currentRow() + 1 >= m_model->rowCount() && m_model->canFetchMore())
        m_model->fetchMore();
    setCurrentRow(std::min(m_model->rowCount() - 1, currentRow() + 1));
}

void GridView::last()
{
    if (!m_model)
        return;
    m_model->fetchAll();
    setCurrentRow(m_model->rowCount() - 1);
}

void GridView::keyPressEvent(QKeyEvent *event)
{
    // Enter moves to the next cell, as in the old grids.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState
        && event->modifiers() == Qt::NoModifier) {
        moveToNextCell();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void GridView::moveToNextCell()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    int column = current.column() + 1;
    while (column < m_model->columnCount()
           && (isColumnHidden(column)
               || (m_editable && !(m_model->flags(m_model->index(current.row(), column)) & Qt::ItemIsEditable))))
        ++column;
    if (column < m_model->columnCount())
        setCurrentIndex(m_model->index(current.row(), column));
}

void GridView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Tab in a cell's editor writes it and leaves the grid, as Tab outside one does.
    if (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
        return;
    }
    QTableView::closeEditor(editor, hint);
    // Enter in a cell's editor writes it and moves on, as Enter outside one does.
    if (m_editable && hint == QAbstractItemDelegate::SubmitModelCache)
        moveToNextCell();
}

void GridView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    layoutFooter();
}

void GridView::updateGeometries()
{
    QTableView::updateGeometries();
    // The table sets the margins for its headers here; the footer row takes
    // the bottom one.
    QMargins margins = viewportMargins();
    const int bottom = m_footerVisible ? FooterHeight : 0;
    if (margins.bottom() != bottom) {
        margins.setBottom(bottom);
        setViewportMargins(margins);
    }
    layoutFooter();
}

void GridView::layoutFooter()
{
    if (!m_footerVisible)
        return;
    const QRect area = viewport()->geometry();
    m_footer->setGeometry(area.left() - frameWidth(), area.bottom() + 1, area.width() + 2 * frameWidth(), FooterHeight);
    m_footer->raise();
    m_footer->update();
}

void GridView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    const int now = current.isValid() ? current.row() : -1;
    const int before = previous.isValid() ? previous.row() : -1;
    if (now != before)
        emit currentRowChanged(now, before);
}

void GridView::setRowLines(int lines)
{
    const int height = lines <= 1 ? RowHeight : lines * fontMetrics().lineSpacing() + 4;
    verticalHeader()->setMinimumSectionSize(std::min(height, RowHeight));
    verticalHeader()->setDefaultSectionSize(height);
}
