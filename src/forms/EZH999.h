#pragma once

#include "ZZH000.h"

class GridModel;
class GridView;
class QPlainTextEdit;

// A copy of a grid for inspection (the entry screens' change list): every
// column 130 pixels wide, and beside it the procedure parameter each column
// feeds ("A" + its title). The given grid is left as it is.
class TfrmEZH999 : public TfrmZZH000
{
    Q_OBJECT

public:
    static constexpr int ColumnWidth = 130;

    explicit TfrmEZH999(const GridModel &source, QWidget *parent = nullptr);

    const GridModel &Grid() const { return *m_grid; }

private:
    GridModel *m_grid = nullptr;
    GridView *rgrGrid = nullptr;
    QPlainTextEdit *memParam = nullptr;
};
