#pragma once

#include "ReportLayout.h"

#include <optional>

// The report base every printed list shares, and a plain list built from a
// column table, so that most reports are their columns and their summary:
//
//   report::ListLayout({
//       .id = u"EBP060"_s, .title = u"일일 장비대여 현황"_s,
//       .columns = {{.title = u"대여번호"_s, .field = u"RENT_NO"_s, .width = 22},
//                   {.title = u"신장"_s, .field = u"HEIGHT"_s, .width = 10,
//                    .alignment = Qt::AlignRight, .format = report::Format::Number}},
//       .summary = {{.rect = {0, 0, 60, 6}, .text = u"건수: %1"_s, .source = report::Source::Count}}});
namespace report {

// Names of the base's items, so that a run can fill them.
inline const QString TitleItem = QStringLiteral("qrlTitle");
inline const QString ConditionItems[] = {QStringLiteral("qrlCondition1"), QStringLiteral("qrlCondition2"),
                                         QStringLiteral("qrlCondition")};
inline const QString PageNumberItem = QStringLiteral("qrlPage");
inline const QString LayoutIdItem = QStringLiteral("qrlLayoutId");
inline const QString PrintedAtItem = QStringLiteral("qrlPrintedAt");

// Base measures in mm.
inline constexpr qreal TitleBandHeight = 29.1;
inline constexpr qreal HeaderLineHeight = 4.2;
inline constexpr qreal DetailHeight = 5.6;
inline constexpr qreal SummaryHeight = 7.1;
inline constexpr qreal FooterHeight = 13.2;
inline const QColor TitleFill = QColor(0xF0, 0xCA, 0xA6);
inline const QColor SubtotalFill = QColor(Qt::yellow);

struct Base
{
    QString id;
    QString title;
    Orientation orientation = Orientation::Portrait;
    QImage logo; // at the right of the page footer; null: none
};

// The title band (title box, three condition lines) and the page footer
// (print time, "n / N", the layout id, the business's names).
Layout BaseLayout(const Base &base);

struct Column
{
    QString title; // "\n" breaks the heading over lines
    QString field;
    qreal width = 20; // mm
    Qt::Alignment alignment = Qt::AlignLeft;
    Format format = Format::Plain;
    bool sum = false; // summed in the subtotal line
};

// A group footer under each run of records with the same key: the label in
// the first column, sums under the columns marked `sum`.
struct Subtotal
{
    QString field;
    QString label = QStringLiteral("소계");
    QColor fill = SubtotalFill;
};

struct ListDef
{
    QString id;
    QString title;
    Orientation orientation = Orientation::Portrait;
    QList<Column> columns;
    // Items of the summary band, in mm from its corner; empty: no summary.
    QList<Item> summary;
    // Records drawn on the highlight colour (the subtotal rows a query rolls up).
    std::function<bool(const Scope &)> highlight;
    QColor highlightFill = SubtotalFill;
    std::optional<Subtotal> subtotal;
    QImage logo;
};

Layout ListLayout(const ListDef &def);

// The left edge of each column and, last, the right edge of the table, in mm.
QList<qreal> ColumnEdges(const QList<Column> &columns);
// Where a cell's text goes in a band of that height: the column less its padding.
QRectF CellRect(const QList<Column> &columns, int column, qreal height);

} // namespace report
