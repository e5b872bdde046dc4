#pragma once

#include "FieldTable.h"

#include <QString>
#include <QStringList>

#include <functional>

class QLineEdit;

// What the badge test screens share: the season of the search bar and the
// six disciplines each of the three judges scores.
namespace badge {

// The season code with its name and the code dialog "스키 시즌구분";
// `picked` runs after a pick from the dialog.
FieldDef SeasonField(std::function<void()> picked);

struct Discipline
{
    QString field;   // the column without the judge's letter: "PFLUG_BOGEN_"
    QString control; // the number edit without "wne" and the letter: "PflugBogen"
    QString caption; // as the entry screen labels it
};
// In the order they are scored and tabbed through.
const QList<Discipline> &Disciplines();
inline const QStringList Judges = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};

// An application number range: "from  ∼  to", an open end as "[전체]".
QString NumberRangeText(const QLineEdit *from, const QLineEdit *to);
// Each end of an application number range holds digits or nothing; anything
// else is caption + "을(를) 정확히 입력하십시오." with the focus on it.
QList<RowCheck> NumberRangeChecks(QLineEdit *from, QLineEdit *to, const QString &caption);
// The condition of the range bound as RECV_NO_FROM and RECV_NO_TO on
// `column`, an open end unbounded.
QString NumberRangeCondition(const QString &column);

} // namespace badge
