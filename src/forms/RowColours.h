#pragma once

#include <QColor>

#include <functional>

class GridView;

// How one grid row is drawn; an invalid colour keeps the grid's own.
struct RowColour
{
    QColor background;
    QColor text;
};

// Draws whole rows of a grid in colours chosen by what they hold (subtotal
// rows on yellow, a facility that does not run in red). The current row
// keeps the grid's highlight; editing in place is left as it was.
void SetRowColours(GridView *grid, std::function<RowColour(int row)> colour);
// The colours a row is drawn in; invalid ones where SetRowColours chose none.
RowColour RowColourAt(const GridView *grid, int row);
