#pragma once

#include "ColumnDef.h"
#include "ListLayout.h"
#include "ZZP010.h"

// The base of portrait list layouts: a column header, one detail line per
// record and a summary, as the layout's column table and summary items say.
// A list layout prints the search screen's grid columns that have a print
// width, and adds its title and summary:
//
//   TfrmEBP110::TfrmEBP110(const QList<ColumnDef> &columns, QObject *parent)
//       : TfrmEZP010(u"frmEBP110"_s, u"미출고 장비보관 현황"_s, parent)
//   {
//       SetGridColumns(columns);
//       SetSummary(CountSummary());
//   }
class TfrmEZP000 : public TfrmZZP010
{
    Q_OBJECT

public:
    TfrmEZP000(const QString &formName, const QString &title, QObject *parent = nullptr);

    void SetColumns(const QList<report::Column> &columns) { m_columns = columns; }
    // The grid's columns that print, as their print part says.
    void SetGridColumns(const QList<ColumnDef> &columns);
    const QList<report::Column> &Columns() const { return m_columns; }
    void SetSummary(const QList<report::Item> &items) { m_summary = items; }
    // Records drawn on yellow (the subtotal rows of a counting list).
    void SetHighlight(std::function<bool(const report::Scope &)> highlight) { m_highlight = std::move(highlight); }

    // A line of headings over the printed columns of each grid group (the
    // columns' `group`), each the group's name as `heading` spells it on
    // paper; call after SetGridColumns.
    void SetGroupHeadings(const QList<ColumnDef> &columns,
                          const std::function<QString(const QString &group)> &heading = {});

    // "건수:" and the number of records printed, under the first columns.
    QList<report::Item> CountSummary() const;
    // A label under one column and the value of the item named `name` (set
    // with SetText) under another, right-aligned.
    QList<report::Item> LabelledSummary(const QString &label, int labelColumn,
                                        const QList<std::pair<QString, int>> &values) const;

    report::Layout Layout() const override;

protected:
    report::Orientation m_orientation = report::Orientation::Portrait;

private:
    // A block of printed columns under one heading.
    struct Group
    {
        QString heading;
        int first = 0;
        int last = 0;
    };

    QList<report::Column> m_columns;
    QList<Group> m_groups;
    QList<report::Item> m_summary;
    std::function<bool(const report::Scope &)> m_highlight;
};
