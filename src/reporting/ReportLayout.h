#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <Qt>

#include <functional>

class QPainter;

// A printed report declared as data: the page, its bands, and in each band
// the items drawn at positions in millimetres from the band's top-left
// corner (inside the left margin). Layouts are written with designated
// initializers:
//
//   {.kind = report::BandKind::Detail, .height = 5.6, .items = {
//       {.rect = {0, 0, 25, 5.6}, .field = u"RENT_NO"_s},
//       {.rect = {25, 0, 30, 5.6}, .field = u"RENT_DATE"_s, .format = report::Format::DateKey}}}
namespace report {

class Scope;

inline const QString DefaultFontFamily = QStringLiteral("NanumGothic");

struct Font
{
    QString family = DefaultFontFamily;
    qreal pointSize = 9;
    bool bold = false;
};

// How a text is shown.
enum class Format {
    Plain,
    Number,  // thousands grouped with ",", decimals kept; a text that is no number as it is
    DateKey, // 'YYYYMMDD' shown as 'YYYY-MM-DD'; anything else as it is
};

// Where an item's text comes from. Besides Auto, an item's text may hold
// "%1" (and "%2" for PageOfPages): the value is put there; without it the
// value is the whole text.
enum class Source {
    Auto,          // the record's field when .field is set, else the literal .text
    PageOfPages,   // "n / N"
    PageNumber,
    PageCount,
    PrintDateTime, // yyyy-MM-dd hh:mm:ss
    PrintDate,     // yyyy-MM-dd
    RecordNumber,  // 1-based position of the band's (last) record in the report
    Count,         // records of the band's scope: its group, or the whole report
    Sum,           // .field summed over the band's scope
    Computed,      // .compute(scope)
};

enum class ItemKind { Text, Line, Box, Fill, Picture, Drawing };

// A Drawing item's painter: the item's rectangle in device pixels and the
// device's pixels per millimetre (text sized in points of paper).
using Draw = std::function<void(QPainter &painter, const QRectF &rect, qreal dotsPerMm)>;

struct Item
{
    ItemKind kind = ItemKind::Text;
    QRectF rect;                 // mm; a Line runs from its top-left to its bottom-right corner
    QString name;                // lets a run replace the text (condition lines) and tests find it
    QString text;
    QString field;
    Source source = Source::Auto;
    Format format = Format::Plain;
    Font font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wrap = false;
    QColor color = Qt::black;    // text and pen
    QColor fill;                 // background of a text, brush of a box or fill; invalid: none
    qreal penWidth = 0.2;        // mm
    QImage image;
    // Drawn only where this holds (a yellow fill behind subtotal rows); empty: always.
    std::function<bool(const Scope &)> when;
    std::function<QString(const Scope &)> compute;
    Draw draw; // Drawing
};

enum class BandKind {
    Title,        // first page only
    ColumnHeader, // every page, below the title on the first
    Detail,       // once per record
    GroupFooter,  // after the last record of each group
    Summary,      // once after the last record
    PageFooter,   // at the bottom of every page, the last included
};

struct Band
{
    BandKind kind = BandKind::Detail;
    qreal height = 5.6; // mm
    QList<Item> items;
    // GroupFooter: a group is a run of records with the same value of this
    // field. Several group footers nest in the order they are listed, the
    // outermost first; when an outer key changes, the inner groups close too.
    QString groupField;
};

enum class Orientation { Portrait, Landscape };

struct Margins
{
    qreal top = 15;
    qreal bottom = 10;
    qreal left = 10;
    qreal right = 15;
};

struct PageSetup
{
    Orientation orientation = Orientation::Portrait;
    Margins margins;

    // A4 in mm, turned as the orientation says.
    QSizeF size() const
    {
        return orientation == Orientation::Portrait ? QSizeF(210, 297) : QSizeF(297, 210);
    }
    qreal contentWidth() const { return size().width() - margins.left - margins.right; }
};

struct Layout
{
    QString id; // "EBP100": the document's name and what the page footer shows
    PageSetup page;
    QList<Band> bands;
};

} // namespace report
