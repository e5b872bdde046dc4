#include "CountingList.h"

#include "GridModel.h"
#include "GridView.h"
#include "RowColours.h"
#include "RowSource.h"
#include "TfrmEZP000.h"

#include <QPointer>

using namespace Qt::StringLiterals;

QString CountingSql(const CountingSpec &spec)
{
    // The kind's grouping flag marks the subtotal rows; the grand total
    // (outer key rolled up too) is left out. Sorting on the grouped
    // expressions puts each subtotal right after its group whatever plan
    // the server chooses.
    const QString subtotal = u"GROUPING("_s + spec.kindKey + u") = 1"_s;
    return u"SELECT CASE WHEN "_s + subtotal + u" THEN NULL ELSE "_s + spec.outerShown + u" END AS "_s + spec.outerField
           + u",\n       CASE WHEN "_s + subtotal + u" THEN '"_s + SubtotalLabel + u"' ELSE "_s + spec.kindShown
           + u" END AS "_s + spec.kindField + u",\n       "_s + spec.counted + u" AS "_s + spec.countField + u"\n"_s
           + spec.from + u"\nGROUP  BY ROLLUP ("_s + spec.outerKey + u", "_s + spec.kindKey + u")\nHAVING GROUPING("_s
           + spec.outerKey + u") = 0\nORDER  BY "_s + spec.outerKey + u", GROUPING("_s + spec.kindKey + u"), "_s
           + spec.kindKey;
}

void ColourSubtotalRows(GridView *grid, const QString &kindField)
{
    const QPointer<GridView> view(grid);
    SetRowColours(grid, [view, kindField](int row) -> RowColour {
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
    return {{.title = columns.outerTitle, .field = columns.outerField, .width = 200, .alignment = Qt::AlignCenter},
            {.title = columns.kindTitle, .field = columns.kindField, .width = 120},
            {.title = columns.countTitle, .field = columns.countField, .width = 90, .alignment = Qt::AlignRight,
             .footer = true}};
}

void SetCountingLayout(TfrmEZP000 &layout, const CountingColumns &columns)
{
    layout.SetColumns({{.title = columns.outerTitle, .field = columns.outerField, .width = 70,
                        .alignment = Qt::AlignCenter},
                       {.title = columns.kindTitle, .field = columns.kindField, .width = 40},
                       {.title = columns.countTitle, .field = columns.countField, .width = 30,
                        .alignment = Qt::AlignRight, .format = report::Format::Number}});
    layout.SetHighlight(SubtotalRecords(columns.kindField));
    layout.SetSummary(layout.LabelledSummary(QStringLiteral("합계"), 1, {{columns.countField.toUpper(), 2}}));
}
