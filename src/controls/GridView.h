#pragma once

#include <functional>

#include <QColor>
#include <QTableView>

class GridModel;
class FooterBar;

struct GridColours
{
    QColor selectedBackground;
    QColor selectedText;
    QColor titleBackground;
    QColor titleText;
    QColor cellBackground;
    QColor readOnlyBackground; // cells of read-only columns
    QColor footerText;
};

// How one grid row is drawn; an invalid colour keeps the grid's own.
struct RowColour
{
    QColor background;
    QColor text;
};

// The grid of every screen: a table view over a GridModel with column widths,
// hidden columns, multi-line titles, an optional footer row, pick-list and
// byte-limited editors, whole-row or cell selection and record navigation.
class GridView : public QTableView
{
    Q_OBJECT

public:
    static constexpr int HeaderHeight = 21;
    static constexpr int RowHeight = 18;
    static constexpr int FooterHeight = 25;

    explicit GridView(QWidget *parent = nullptr);
    ~GridView() override;

    // Shows the model and applies its column widths and visibility.
    void setGridModel(GridModel *model);
    GridModel *gridModel() const { return m_model; }

    // Re-reads widths, visibility and titles from the model's columns.
    void applyColumns();
    void setColumnShown(int column, bool shown);

    // Rows tall enough for cells of that many lines ("\n" between them).
    void setRowLines(int lines);

    void setFooterVisible(bool visible);
    bool isFooterVisible() const { return m_footerVisible; }
    // Where the footer row is drawn; for tests and tools.
    FooterBar *footerBar() const { return m_footer; }

    void setColours(const GridColours &colours);
    const GridColours &colours() const { return m_colours; }
    // Draws whole rows in colours chosen by what they hold (subtotal rows on
    // yellow, a facility that does not run in red); marked cells keep their
    // highlight.
    void setRowColours(std::function<RowColour(int row)> colour);
    // The colours a row is drawn in; invalid ones where none was chosen.
    RowColour rowColour(int row) const { return m_rowColour ? m_rowColour(row) : RowColour{}; }

    // Cells edited in place: typing, a double click or a click on the
    // current cell opens the editor; Enter skips read-only columns.
    void setEditable(bool on);
    bool isEditable() const { return m_editable; }
    // Writes an open editor's text into the model and closes it.
    void commitEdit();

    // A block of cells (x: columns, y: rows) drawn in the highlight colours;
    // a null rectangle marks nothing.
    void setMarkedCells(const QRect &cells);
    const QRect &markedCells() const { return m_marked; }

    int currentRow() const;
    // Makes a row current, keeping the current column (the first visible
    // column when there is none).
    void setCurrentRow(int row);
    void first();
    void prior();
    void next();
    void last();

signals:
    void currentRowChanged(int current, int previous);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void updateGeometries() override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void layoutFooter();
    void moveToNextCell();
    void updateHeaderHeight();
    int firstVisibleColumn() const;

    GridModel *m_model = nullptr;
    FooterBar *m_footer = nullptr;
    bool m_footerVisible = false;
    GridColours m_colours;
    std::function<RowColour(int)> m_rowColour;
    QRect m_marked;
    bool m_editable = false;
};
