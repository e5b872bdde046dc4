#pragma once

#include "FieldTable.h"

#include <QList>

class CodeCombo;

// The search fields the locker screens share and the code lists behind them.
namespace lockers {

// The display mask of amounts in the grids: "1,234,000".
inline const QString ThousandsMask = QStringLiteral("#,##0");

// "시즌년도": four characters; the screen gives it its first text.
FieldDef SeasonField();
// The current year, as the season field of most locker screens starts.
QString CurrentSeason();

// The location, zone and type lists of a screen, read from their code groups.
struct CodeLists
{
    CodeCombo *location = nullptr;
    CodeCombo *areaZone = nullptr;
    CodeCombo *lockerType = nullptr;
};

// "위치", "구역", "TYPE" and "판매여부", each starting on "전체" (no condition);
// `conditions` gives each the SQL it adds while it holds a value. The first
// three land in `lists`.
QList<FieldDef> ListFields(CodeLists &lists, const QStringList &conditions = {});

// Fills the location, zone and type lists from their code groups; a list
// that cannot be read shows "에러내용:" with the server's words and the
// screen goes on with what it has.
void FillLists(const CodeLists &lists);

} // namespace lockers
