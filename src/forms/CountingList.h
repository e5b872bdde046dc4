#pragma once

#include "ColumnDef.h"

#include <QList>
#include <QString>

#include <functional>

class GridView;
class TfrmEZP000;

namespace report {
class Scope;
}

// The counting lists of the search screens: rows counted by an outer key
// and a kind, each outer key followed by its subtotal row (the kind column
// reads "소계", the outer column is empty), no grand total; subtotal rows
// drawn on yellow with black text on the screen and on paper.
inline const QString SubtotalLabel = QStringLiteral("소계");

struct CountingDef
{
    QString outerKey;   // grouped by, outermost; rows sort by it
    QString outerShown; // what the outer column shows, made from outerKey
    QString outerField;
    QString kindKey;    // grouped by within the outer key; sorts the kinds
    QString kindShown;  // what the kind column shows, made from kindKey
    QString kindField;
    QString counted;    // the aggregate, such as "COUNT(t.rent_no)"
    QString countField;
    QString from;       // FROM and WHERE of the counted rows
};

// The roll-up query of a counting list.
QString CountingSql(const CountingDef &def);

// Subtotal rows (kind field "소계") on yellow with black text.
void ColourSubtotalRows(GridView *grid, const QString &kindField);
// The same rows as a layout's highlight.
std::function<bool(const report::Scope &)> SubtotalRecords(const QString &kindField);

// The three columns of a counting list: the outer key, the equipment kind
// ("장비구분") and the count, whose footer is the total of the condition.
struct CountingColumns
{
    QString outerTitle;
    QString outerField;
    QString countTitle;
    QString countField;
    QString kindTitle = QStringLiteral("장비구분");
    QString kindField = QStringLiteral("EQUIP_GUBUN_NAME");
};

QList<ColumnDef> CountingGridColumns(const CountingColumns &columns);
// The layout of a counting list from its grid columns: the columns, its
// subtotal rows on yellow and the summary "합계" with the total (the footer
// query's value of the count field).
void SetCountingLayout(TfrmEZP000 &layout, const QList<ColumnDef> &columns);
