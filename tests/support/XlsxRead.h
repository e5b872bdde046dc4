#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

// What a spreadsheet reader (openpyxl, through xlsx_cells.py beside this
// file) finds in the first sheet of a workbook: see that script. Empty when
// it could not read the file (the reason is logged).
QJsonObject XlsxRead(const QString &path, const QList<int> &rows = {}, bool layout = false);

// The kind and value of one cell read, as "n:123", "d:2025-01-31", "s:가나";
// empty for a cell without a value.
QString XlsxCell(const QJsonObject &read, int row, int column);
