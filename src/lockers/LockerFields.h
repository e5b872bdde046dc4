#pragma once

#include "FieldTable.h"

#include <QList>

class QWidget;

// The search fields the locker screens share and the code lists behind them.
namespace lockers {

// The display mask of amounts in the grids: "1,234,000".
inline const QString ThousandsMask = QStringLiteral("#,##0");

// "시즌년도": four characters; the screen gives it its first text.
FieldDef SeasonField();
// The current year, as the season field of most locker screens starts.
QString CurrentSeason();

// "위치", "구역", "TYPE" and "판매여부", each starting on "전체" (no condition);
// `conditions` gives each the SQL it adds while it holds a value.
QList<FieldDef> ListFields(const QStringList &conditions = {});

// Fills the location, zone and type lists of `screen` from their code
// groups; a list that cannot be read shows "에러내용:" with the server's
// words and the screen goes on with what it has.
void FillLists(QWidget *screen);

} // namespace lockers
