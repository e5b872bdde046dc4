#include "RowColours.h"

#include "GridModel.h"
#include "GridView.h"

#include <QPointer>
#include <QStyledItemDelegate>

namespace {

// Paints as the grid's own delegate does, then the row's colours; editors
// are still the grid's own delegate's.
class RowColourDelegate : public QStyledItemDelegate
{
public:
    RowColourDelegate(GridView *grid, std::function<RowColour(int)> colour)
        : QStyledItemDelegate(grid), m_inner(grid->itemDelegate()), m_colour(std::move(colour))
    {
    }

    RowColour colourOf(int row) const { return m_colour ? m_colour(row) : RowColour{}; }
    void setColour(std::function<RowColour(int)> colour) { m_colour = std::move(colour); }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return m_inner ? m_inner->createEditor(parent, option, index)
                       : QStyledItemDelegate::createEditor(parent, option, index);
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        m_inner ? m_inner->setEditorData(editor, index) : QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        m_inner ? m_inner->setModelData(editor, model, index) : QStyledItemDelegate::setModelData(editor, model, index);
    }

protected:
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
        const RowColour row = colourOf(index.row());
        if (row.background.isValid())
            option->backgroundBrush = row.background;
        if (row.text.isValid())
            option->palette.setColor(QPalette::Text, row.text);
    }

private:
    QPointer<QAbstractItemDelegate> m_inner;
    std::function<RowColour(int)> m_colour;
};

} // namespace

void SetRowColours(GridView *grid, std::function<RowColour(int row)> colour)
{
    if (auto *installed = dynamic_cast<RowColourDelegate *>(grid->itemDelegate()))
        installed->setColour(std::move(colour));
    else
        grid->setItemDelegate(new RowColourDelegate(grid, std::move(colour)));
    grid->viewport()->update();
}

RowColour RowColourAt(const GridView *grid, int row)
{
    if (const auto *delegate = dynamic_cast<const RowColourDelegate *>(grid->itemDelegate()))
        return delegate->colourOf(row);
    return {};
}
