#include "CountingList.h"

#include "GridModel.h"
#include "GridView.h"
#include "RowSource.h"
#include "EZP000.h"

#include <QPointer>

using namespace Qt::StringLiterals;

QString CountingSql(const CountingDef &def)
{
    // The kind's grouping flag marks the subtotal rows; the grand total
    // (outer key rolled up too) is left out. Sorting on the grouped
    // expressions puts each subtotal right after its group whatever plan
    // the server chooses.
    const QString subtotal = u"GROUPING("_s + def.kindKey + u") = 1"_s;
    return u"SELECT CASE WHEN "_s + subtotal + u" THEN NULL ELSE "_s + def.outerShown + u" END AS "_s + def.outerField
           + u",\n       CASE WHEN "_s + subtotal + u" THEN '"_s + SubtotalLabel + u"' ELSE "_s + def.kindShown
           + u" END AS "_s + def.kindField + u",\n       "_s + def.counted + u" AS "_s + def.countField + u"\n"_s
           + def.from + u"\nGROUP  BY ROLLUP ("_s + def.outerKey + u", "_s + def.kindKey + u")\nHAVING GROUPING("_s
           + def.outerKey + u") = 0\nORDER  BY "_s + def.outerKey + u", GROUPING("_s + def.kindKey + u"), "_s
           + def.kindKey;
}

void ColourSubtotalRows(GridView *grid, const QString &kindField)
{
    const QPointer<GridView> view(grid);
    grid->setRowColours([view, kindField](int row) -> RowColour {
        if (view && view->gridModel() && view->gridModel()->value(row, kindField) == SubtotalLabel)
            return {.background = QColor(Qt::yellow), .text = QColor(Qt::black)};
        return {};
    });
}

std::function<bool(const report::Scope &)> SubtotalRecords(const QString &kindField)
{
    return [kindField](const report::Scope &record) { return record.value(kindField) == SubtotalLabel; };
}

QList<ColumnDef> CountingGridColumns(const CountingColumns &columns)
{
    return {{.title = columns.outerTitle, .field = columns.outerField, .width = 200, .alignment = Qt::AlignCenter,
             .print = {70}},
            {.title = columns.kindTitle, .field = columns.kindField, .width = 120, .print = {40}},
            {.title = columns.countTitle, .field = columns.countField, .width = 90, .alignment = Qt::AlignRight,
             .footer = true, .print = {.width = 30, .number = true}}};
}

void SetCountingLayout(TfrmEZP000 &layout, const QList<ColumnDef> &columns)
{
    layout.SetGridColumns(columns);
    layout.SetHighlight(SubtotalRecords(columns.value(1).field));
    layout.SetSummary(layout.LabelledSummary(QStringLiteral("합계"), 1, {{columns.value(2).field.toUpper(), 2}}));
}
