#pragma once

#include "CrossTable.h"
#include "EZP000.h"
#include "EZS000.h"

class ChartView;

// The search screen of a cross-table: its definition gives the grid's
// columns and the one statement that reads the rows with their footer, so
// that the grid, its footer and the chart beside it (chtChart) show the
// same numbers; rows that counted anything are drawn on yellow. Printed,
// the layout reads the rows again in one statement of its own, sums them
// up under "계( %)" and adds the chart as its last page.
class CrossTableScreen : public TfrmEZS000
{
    Q_OBJECT

public:
    CrossTableScreen(const TfrmEZS000::Def &screen, const CrossTableDef &table, const Binds &fixed = {},
                     QWidget *parent = nullptr);

    bool bbtSearchClick() override;
    bool bbtCancelClick() override;

    ChartView *chart() const { return chtChart; }

protected:
    void ReportOpened(TfrmZZP010 &report) override;

    ChartView *chtChart = nullptr;

private:
    void showTotals();
};

// The printed layout of a cross-table, landscape: the grid's columns, the
// rows that counted on yellow, the footer under "계( %)", the chart on a
// page of its own after them.
class CrossTableLayout : public TfrmEZP000
{
    Q_OBJECT

public:
    CrossTableLayout(const QString &formName, const QString &title, const QList<ColumnDef> &columns,
                     QObject *parent = nullptr);

    report::Layout Layout() const override;

    // The footer's item names with their columns, as the summary shows them.
    const QList<std::pair<QString, int>> &FooterItems() const { return m_footerItems; }

private:
    QList<ColumnDef> m_gridColumns;
    QList<std::pair<QString, int>> m_footerItems;
};
