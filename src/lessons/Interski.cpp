#include "Interski.h"

using namespace Qt::StringLiterals;

namespace Interski {

QString StartingYear(const QDate &today)
{
    return today.addDays(-180).toString(u"yyyy-MM-dd"_s).left(4);
}

const QStringList &WeekdayNames()
{
    static const QStringList names = {u"일요일"_s, u"월요일"_s, u"화요일"_s, u"수요일"_s,
                                      u"목요일"_s, u"금요일"_s, u"토요일"_s};
    return names;
}

QString WeekdayCode(const QString &name)
{
    const qsizetype index = WeekdayNames().indexOf(name);
    return index < 0 ? QString() : QString::number(index + 1);
}

QString SaveState(const QString &bookingNo, const QString &state)
{
    if (bookingNo.trimmed().isEmpty())
        return u"R"_s;
    const QString stored = state.trimmed();
    if (stored.isEmpty() || stored == u"C"_s)
        return stored;
    return u"U"_s;
}

QString Confirmation(const QString &cell)
{
    return cell.left(1);
}

} // namespace Interski
