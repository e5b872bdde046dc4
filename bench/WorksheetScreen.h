#pragma once

#include "EZS000.h"
#include "GridModel.h"

#include <QStringList>

// The search screen both worksheet exports run through: `rows` rows of ten
// generated columns, every third a right-aligned number (g * column), the
// others text ("값 g-column").
class TfrmBXS010 : public TfrmEZS000
{
public:
    static constexpr int Columns = 10;
    static bool IsNumberColumn(int c) { return c % 3 == 0; }
    static QString TitleOf(int c) { return QStringLiteral("열%1").arg(c); }

    explicit TfrmBXS010(int rows) : TfrmEZS000(QStringLiteral("frmBXS010"), QStringLiteral("내보내기 벤치"))
    {
        QList<ColumnDef> columns;
        QStringList fields;
        for (int c = 1; c <= Columns; ++c) {
            columns.append({.title = TitleOf(c), .field = QStringLiteral("C%1").arg(c), .width = 80,
                            .alignment = IsNumberColumn(c) ? Qt::AlignRight : Qt::AlignLeft});
            fields.append(IsNumberColumn(c) ? QStringLiteral("g * %1 AS c%1").arg(c)
                                            : QStringLiteral("'값 ' || g || '-%1' AS c%1").arg(c));
        }
        cdsQuery->setColumns(columns);
        SetQuery(QStringLiteral("SELECT %1 FROM (SELECT generate_series(1, %2) AS g) s").arg(fields.join(u", ")).arg(rows));
    }

    void readAll() { cdsQuery->fetchAll(); }

    // What the export writes: the title, the captions, then every cell's
    // text with whether its column is right-aligned.
    struct Cells
    {
        QString title;
        QStringList captions;
        QList<QStringList> rows;
        QList<bool> rightAligned;
    };
    Cells cells() const
    {
        Cells cells{.title = windowTitle()};
        for (int c = 0; c < cdsQuery->columnCount(); ++c) {
            cells.captions.append(cdsQuery->column(c).title);
            cells.rightAligned.append(bool(cdsQuery->column(c).alignment & Qt::AlignRight));
        }
        for (int row = 0; row < cdsQuery->rowCount(); ++row) {
            QStringList values;
            for (int c = 0; c < cdsQuery->columnCount(); ++c)
                values.append(cdsQuery->value(row, cdsQuery->fieldIndex(cdsQuery->column(c).field)));
            cells.rows.append(values);
        }
        return cells;
    }
};
