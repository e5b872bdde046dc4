#pragma once

#include "ReportLayout.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSizeF>

namespace report {

class RowSource;

// One thing drawn on a page, in millimetres from the page's top-left corner,
// its text final ("n / N" resolved).
struct PageItem
{
    ItemKind kind = ItemKind::Text;
    BandKind band = BandKind::Detail;
    QRectF rect;
    QString name;
    QString text;
    Font font;
    Qt::Alignment alignment;
    bool wrap = false;
    QColor color;
    QColor fill;
    qreal penWidth = 0;
    QImage image;
    Draw draw;
};

struct Page
{
    QList<PageItem> items;
};

// A report laid out on pages, ready to paint on any device.
struct Document
{
    QString id;
    PageSetup page;
    QList<Page> pages;

    // The items of one page named `name`, in the order they were placed.
    QList<PageItem> named(int page, const QString &name) const;
};

// What a run adds to a layout.
struct Inputs
{
    // Texts of named items by name (condition lines, the title, footer values).
    QHash<QString, QString> texts;
    // The time printed on the pages; null: now.
    QDateTime printedAt;
};

// Lays the records out on pages. The title band goes on the first page, the
// column header on every page with records, bands one below another; a band
// that does not fit above the page footer moves to the next page. An empty
// result gives one page with the title and the page footer only.
Document Paginate(const Layout &layout, const RowSource &rows, const Inputs &inputs = {});

// A value as an item's format shows it.
QString FormatValue(const QString &value, Format format);

} // namespace report
