#include "ListLayout.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace report {

namespace {

constexpr qreal CellPadding = 0.8;
constexpr qreal HeaderMinHeight = 7.9;

const Font TitleFont{.pointSize = 14, .bold = true};
const Font ConditionFont{.pointSize = 10};
const Font HeaderFont{.pointSize = 9, .bold = true};
const Font FooterFont{.pointSize = 8};

Item line(qreal x1, qreal y1, qreal x2, qreal y2, qreal width = 0.2)
{
    return {.kind = ItemKind::Line, .rect = QRectF(QPointF(x1, y1), QPointF(x2, y2)), .penWidth = width};
}

Band titleBand(const Base &base, qreal width)
{
    const QSizeF box(87.3, 8.7);
    const qreal x = (width - box.width()) / 2;
    const qreal shadow = 1.06;
    Band band{.kind = BandKind::Title, .height = TitleBandHeight};
    band.items = {
        {.kind = ItemKind::Box, .rect = {x + shadow, 0.26 + shadow, box.width(), box.height()}, .color = Qt::gray,
         .fill = Qt::gray},
        {.kind = ItemKind::Box, .rect = {QPointF(x, 0.26), box}, .fill = TitleFill},
        {.rect = {QPointF(x, 0.26), box}, .name = TitleItem, .text = base.title, .font = TitleFont,
         .alignment = Qt::AlignCenter},
    };
    const qreal conditionWidth = std::min(179.9, width);
    const qreal tops[] = {15.6, 19.8, 24.1};
    for (int i = 0; i < 3; ++i)
        band.items.append({.rect = {0, tops[i], conditionWidth, 4.2}, .name = ConditionItems[i], .font = ConditionFont,
                           .wrap = true});
    return band;
}

Band footerBand(const Base &base, qreal width)
{
    const qreal nameWidth = 50;
    Band band{.kind = BandKind::PageFooter, .height = FooterHeight};
    band.items = {
        line(0, 0.5, width, 0.5),
        {.rect = {0, 1.5, 70, 4}, .name = PrintedAtItem, .text = u"Date : %1"_s, .source = Source::PrintDateTime,
         .font = FooterFont},
        {.rect = {(width - 40) / 2, 1.5, 40, 4}, .name = PageNumberItem, .text = u"%1 / %2"_s,
         .source = Source::PageOfPages, .font = FooterFont, .alignment = Qt::AlignCenter},
        {.rect = {0, 6.5, 40, 4}, .name = LayoutIdItem, .text = base.id, .font = FooterFont},
        {.rect = {width - nameWidth, 1.5, nameWidth, 4}, .name = u"qrlCompany"_s, .text = u"케스트 리조트"_s,
         .font = FooterFont, .alignment = Qt::AlignRight | Qt::AlignVCenter},
        {.rect = {width - nameWidth, 6.5, nameWidth, 4}, .name = u"qrlCompanyEn"_s, .text = u"KEST RESORT"_s,
         .font = FooterFont, .alignment = Qt::AlignRight | Qt::AlignVCenter},
    };
    if (!base.logo.isNull())
        band.items.append({.kind = ItemKind::Picture, .rect = {width - nameWidth - 10, 1.5, 9, 9}, .name = u"imgLogo"_s,
                           .image = base.logo});
    return band;
}

// Columns wider than the page are narrowed in proportion.
QList<Column> fitted(QList<Column> columns, qreal width)
{
    qreal total = 0;
    for (const Column &c : columns)
        total += c.width;
    if (total > width) {
        for (Column &c : columns)
            c.width *= width / total;
    }
    return columns;
}

Qt::Alignment cellAlignment(const Column &column)
{
    return (column.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
}

} // namespace

Layout BaseLayout(const Base &base)
{
    Layout layout{.id = base.id, .page = {.orientation = base.orientation}};
    const qreal width = layout.page.contentWidth();
    layout.bands = {titleBand(base, width), footerBand(base, width)};
    return layout;
}

QList<qreal> ColumnEdges(const QList<Column> &columns)
{
    QList<qreal> edges{0};
    for (const Column &c : columns)
        edges.append(edges.last() + c.width);
    return edges;
}

QRectF CellRect(const QList<Column> &columns, int column, qreal height)
{
    const QList<qreal> edges = ColumnEdges(columns);
    return QRectF(edges.at(column) + CellPadding, 0, edges.at(column + 1) - edges.at(column) - 2 * CellPadding, height);
}

Layout ListLayout(const ListDef &def)
{
    Layout layout = BaseLayout({.id = def.id, .title = def.title, .orientation = def.orientation, .logo = def.logo});
    const QList<Column> columns = fitted(def.columns, layout.page.contentWidth());
    const qreal right = ColumnEdges(columns).last();

    qsizetype lines = 1;
    for (const Column &c : columns)
        lines = std::max(lines, c.title.count(u'\n') + 1);
    const qreal headerHeight = std::max(HeaderMinHeight, lines * HeaderLineHeight + 1.5);
    Band header{.kind = BandKind::ColumnHeader, .height = headerHeight};
    header.items = {line(0, 0, right, 0, 0.3), line(0, headerHeight - 0.5, right, headerHeight - 0.5, 0.3)};
    for (int i = 0; i < columns.size(); ++i)
        header.items.append({.rect = CellRect(columns, i, headerHeight - 0.5), .text = columns.at(i).title,
                             .font = HeaderFont, .alignment = Qt::AlignCenter});

    Band detail{.kind = BandKind::Detail, .height = DetailHeight};
    if (def.highlight)
        detail.items.append({.kind = ItemKind::Fill, .rect = {0, 0, right, DetailHeight}, .fill = def.highlightFill,
                             .when = def.highlight});
    for (int i = 0; i < columns.size(); ++i) {
        const Column &c = columns.at(i);
        detail.items.append({.rect = CellRect(columns, i, DetailHeight), .field = c.field, .format = c.format,
                             .alignment = cellAlignment(c)});
    }

    layout.bands.insert(1, header);
    layout.bands.insert(2, detail);

    if (def.subtotal) {
        Band group{.kind = BandKind::GroupFooter, .height = DetailHeight, .groupField = def.subtotal->field};
        group.items = {{.kind = ItemKind::Fill, .rect = {0, 0, right, DetailHeight}, .fill = def.subtotal->fill}};
        if (!columns.isEmpty())
            group.items.append({.rect = CellRect(columns, 0, DetailHeight), .text = def.subtotal->label,
                                .font = HeaderFont, .alignment = cellAlignment(columns.first())});
        for (int i = 0; i < columns.size(); ++i) {
            const Column &c = columns.at(i);
            if (c.sum)
                group.items.append({.rect = CellRect(columns, i, DetailHeight), .field = c.field, .source = Source::Sum,
                                    .format = c.format, .alignment = cellAlignment(c)});
        }
        layout.bands.insert(3, group);
    }

    if (!def.summary.isEmpty()) {
        Band summary{.kind = BandKind::Summary, .height = SummaryHeight};
        summary.items = {line(0, 0.3, right, 0.3, 0.3)};
        summary.items.append(def.summary);
        layout.bands.insert(layout.bands.size() - 1, summary);
    }
    return layout;
}

} // namespace report
