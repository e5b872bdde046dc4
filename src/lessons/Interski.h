#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The rules the Interski screens share.
namespace Interski {

// The season year a screen starts with: the year of the date 180 days
// before `today` (a season begins in autumn and ends in spring).
QString StartingYear(const QDate &today);

// "1" (Sunday) to "7" (Saturday) of a weekday name "일요일".."토요일";
// empty for any other text.
QString WeekdayCode(const QString &name);
// The seven weekday names, Sunday first.
const QStringList &WeekdayNames();

// The state a booking is saved with: "R" without a booking number (a new
// booking); a stored state that is empty or "C" as it is; otherwise "U".
QString SaveState(const QString &bookingNo, const QString &state);

// "Y" or "N" of a "확정" cell ("Y ", "N ").
QString Confirmation(const QString &cell);

} // namespace Interski
