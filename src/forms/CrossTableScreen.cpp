#include "CrossTableScreen.h"

#include "ChartView.h"
#include "GridModel.h"
#include "GridView.h"
#include "ListLayout.h"
#include "RowSource.h"

#include <QPointer>
#include <QSplitter>

using namespace Qt::StringLiterals;

namespace {

// The grid's rows as read so far; a cross-table is read whole at once.
class GridRows : public report::RowSource
{
public:
    explicit GridRows(const GridModel &model) : m_model(model) {}
    int count() const override { return m_model.rowCount(); }
    QString value(int row, const QString &field) const override { return m_model.value(row, field); }

private:
    const GridModel &m_model;
};

} // namespace

CrossTableScreen::CrossTableScreen(const TfrmEZS000::Def &screen, const CrossTableDef &table, const Binds &fixed,
                                   QWidget *parent)
    : TfrmEZS000(screen, parent)
{
    cdsQuery->setColumns(CrossTableColumns(table));
    Binds binds = fixed;
    binds.append({u"GC_ROW_CODE"_s, table.rowGroup});
    SetQuery(CrossTableSql(table), binds);

    const QPointer<GridModel> model(cdsQuery);
    rgrGrid->setRowColours([model](int row) -> RowColour {
        if (model && CrossRowCounts(GridRows(*model), row, model->columns()))
            return {.background = QColor(Qt::yellow), .text = QColor(Qt::black)};
        return {};
    });

    chtChart = new ChartView(splGrid);
    chtChart->setObjectName(u"chtChart"_s);
    splGrid->addWidget(chtChart);
    splGrid->setStretchFactor(0, 3);
    splGrid->setStretchFactor(splGrid->indexOf(chtChart), 2);
    chtChart->setChart(CrossTableChart(GridRows(*cdsQuery), cdsQuery->columns()));
}

bool CrossTableScreen::bbtSearchClick()
{
    const bool searched = TfrmEZS000::bbtSearchClick();
    showTotals();
    return searched;
}

bool CrossTableScreen::bbtCancelClick()
{
    const bool cancelled = TfrmEZS000::bbtCancelClick();
    showTotals();
    return cancelled;
}

void CrossTableScreen::showTotals()
{
    cdsQuery->fetchAll();
    const GridRows rows(*cdsQuery);
    if (cdsQuery->isOpen() && rows.count() > 0) {
        for (int column = 0; column < cdsQuery->columns().size(); ++column)
            if (cdsQuery->column(column).footer)
                cdsQuery->setFooter(column,
                                    rows.value(0, crosstable::FooterPrefix + cdsQuery->column(column).field));
    }
    chtChart->setChart(CrossTableChart(rows, cdsQuery->columns()));
}

void CrossTableScreen::ReportOpened(TfrmZZP010 &report)
{
    auto *layout = qobject_cast<CrossTableLayout *>(&report);
    if (!layout || report.Rows().count() == 0)
        return;
    for (const auto &[name, column] : layout->FooterItems())
        report.SetText(name, report.Rows().value(0, name));
}

CrossTableLayout::CrossTableLayout(const QString &formName, const QString &title, const QList<ColumnDef> &columns,
                                   QObject *parent)
    : TfrmEZP000(formName, title, parent)
    , m_gridColumns(columns)
{
    m_orientation = report::Orientation::Landscape;
    SetGridColumns(columns);
    for (int i = 0; i < columns.size(); ++i)
        if (columns.at(i).footer)
            m_footerItems.append({crosstable::FooterPrefix + columns.at(i).field.toUpper(), i});
    // The footer's "count(share%)" in a smaller face, to fit the month columns.
    QList<report::Item> summary = LabelledSummary(u"계( %)"_s, 0, m_footerItems);
    for (report::Item &item : summary)
        if (!item.name.isEmpty())
            item.font = {.pointSize = 7};
    SetSummary(summary);
    SetHighlight([columns](const report::Scope &record) {
        for (const ColumnDef &column : columns)
            if (column.field.startsWith(u"CNT_"_s) && record.value(column.field).toLongLong() > 0)
                return true;
        return false;
    });
}

report::Layout CrossTableLayout::Layout() const
{
    report::Layout layout = TfrmEZP000::Layout();
    if (Rows().count() == 0)
        return layout;
    // Taller than what a page has left below a table, so it starts a page.
    const qreal height = 150;
    const QRectF area(0, 2, layout.page.contentWidth(), height - 4);
    layout.bands.append({.kind = report::BandKind::Summary,
                         .height = height,
                         .items = {report::ChartItem(CrossTableChart(Rows(), m_gridColumns, Title()), area)}});
    return layout;
}
