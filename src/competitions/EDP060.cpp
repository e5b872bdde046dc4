#include "EDP060.h"

#include "ListLayout.h"

using namespace Qt::StringLiterals;

TfrmEDP060::TfrmEDP060(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP010(u"frmEDP060"_s, u"뱃지테스트 심사 현황"_s, parent)
{
    SetGridColumns(columns);
    SetSummary(CountSummary());
    // The grid's groups, headed on paper as "심 사 자(A)".
    int printed = 0;
    for (const ColumnDef &column : columns) {
        if (column.print.width <= 0)
            continue;
        if (!column.group.isEmpty()) {
            QString heading = column.group;
            heading.replace(u"심사자"_s, u"심 사 자"_s);
            if (m_groups.isEmpty() || m_groups.last().heading != heading)
                m_groups.append({heading, printed, printed});
            m_groups.last().last = printed;
        }
        ++printed;
    }
}

report::Layout TfrmEDP060::Layout() const
{
    report::Layout layout = TfrmEZP010::Layout();
    constexpr qreal GroupHeight = 5;
    for (report::Band &band : layout.bands) {
        if (band.kind != report::BandKind::ColumnHeader)
            continue;
        // The column heads move down under a line of group headings.
        QList<QRectF> heads;
        for (report::Item &item : band.items) {
            if (item.kind == report::ItemKind::Text) {
                heads.append(item.rect);
                item.rect.translate(0, GroupHeight);
            } else if (item.rect.top() > 0) {
                item.rect.translate(0, GroupHeight);
            }
        }
        band.height += GroupHeight;
        for (const Group &group : m_groups) {
            if (group.last >= heads.size())
                continue;
            const qreal left = heads.at(group.first).left() - 0.8;
            const qreal right = heads.at(group.last).right() + 0.8;
            band.items.append({.rect = {left, 0, right - left, GroupHeight}, .text = group.heading,
                               .font = {.pointSize = 9, .bold = true}, .alignment = Qt::AlignCenter});
            band.items.append({.kind = report::ItemKind::Line,
                               .rect = QRectF(QPointF(left, GroupHeight), QPointF(right, GroupHeight)), .penWidth = 0.2});
        }
    }
    return layout;
}
