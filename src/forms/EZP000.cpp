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

report::Layout TfrmEZP000::Layout() const
{
    return report::ListLayout({.id = ReportId(),
                               .title = Title(),
                               .orientation = m_orientation,
                               .columns = m_columns,
                               .summary = m_summary,
                               .highlight = m_highlight,
                               .logo = ReportLogo()});
}
