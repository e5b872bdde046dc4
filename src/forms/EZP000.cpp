#include "EZP000.h"

using namespace Qt::StringLiterals;

TfrmEZP000::TfrmEZP000(const QString &formName, const QString &title, QObject *parent)
    : TfrmZZP010(formName, title, parent)
{
}

void TfrmEZP000::SetGridColumns(const QList<ColumnDef> &columns)
{
    m_columns.clear();
    for (const ColumnDef &column : columns)
        if (column.print.width > 0)
            m_columns.append({.title = column.print.title.isEmpty() ? column.title : column.print.title,
                              .field = column.field,
                              .width = column.print.width,
                              .alignment = column.print.alignment ? column.print.alignment : column.alignment,
                              .format = column.print.number ? report::Format::Number : report::Format::Plain});
}

QList<report::Item> TfrmEZP000::CountSummary() const
{
    return {{.rect = {0.8, 0, 60, report::SummaryHeight}, .text = u"건수: %1"_s, .source = report::Source::Count,
             .font = {.pointSize = 9, .bold = true}}};
}

QList<report::Item> TfrmEZP000::LabelledSummary(const QString &label, int labelColumn,
                                                const QList<std::pair<QString, int>> &values) const
{
    const report::Font bold{.pointSize = 9, .bold = true};
    QList<report::Item> items;
    QRectF cell = report::CellRect(m_columns, labelColumn, report::SummaryHeight);
    items.append({.rect = cell, .text = label, .font = bold, .alignment = Qt::AlignCenter});
    for (const auto &[name, column] : values) {
        cell = report::CellRect(m_columns, column, report::SummaryHeight);
        items.append({.rect = cell, .name = name, .font = bold, .alignment = Qt::AlignRight | Qt::AlignVCenter});
    }
    return items;
}

void TfrmEZP000::SetGroupHeadings(const QList<ColumnDef> &columns,
                                  const std::function<QString(const QString &group)> &heading)
{
    m_groups.clear();
    int printed = 0;
    QString previous;
    for (const ColumnDef &column : columns) {
        if (column.print.width <= 0)
            continue;
        if (!column.group.isEmpty()) {
            if (m_groups.isEmpty() || previous != column.group || m_groups.last().last != printed - 1)
                m_groups.append({heading ? heading(column.group) : column.group, printed, printed});
            m_groups.last().last = printed;
        }
        previous = column.group;
        ++printed;
    }
}

report::Layout TfrmEZP000::Layout() const
{
    report::Layout layout = report::ListLayout({.id = ReportId(),
                                                .title = Title(),
                                                .orientation = m_orientation,
                                                .columns = m_columns,
                                                .summary = m_summary,
                                                .highlight = m_highlight,
                                                .logo = ReportLogo()});
    if (m_groups.isEmpty())
        return layout;
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
                               .rect = QRectF(QPointF(left, GroupHeight), QPointF(right, GroupHeight)),
                               .penWidth = 0.2});
        }
    }
    return layout;
}
