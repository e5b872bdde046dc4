#include "Badge.h"

#include "Lookups.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace badge {

FieldDef SeasonField(std::function<void()> picked)
{
    return {.name = u"edtSeason"_s, .caption = u"*시즌"_s, .kind = FieldKind::CodeName, .field = u"SEASON_GUBUN"_s,
            .bytes = 2, .codeGroup = u"E0004"_s, .required = true, .width = 40, .pick = CodeLookup(u"스키 시즌구분"_s),
            .picked = std::move(picked), .nameWidth = 120};
}

const QList<Discipline> &Disciplines()
{
    static const QList<Discipline> disciplines = {
        {u"PFLUG_BOGEN_"_s, u"PflugBogen"_s, u"프로그보겐"_s},
        {u"STEM_TURN_"_s, u"StemTurn"_s, u"슈템턴"_s},
        {u"PARALLEL_TURN_"_s, u"ParallelTurn"_s, u"페러렐턴"_s},
        {u"WEDERN_TURN_"_s, u"WedernTurn"_s, u"웨데른턴"_s},
        {u"MIDDLE_TURN_"_s, u"MiddleTurn"_s, u"미들턴"_s},
        {u"GEN_DESCENT_"_s, u"GenDescent"_s, u"종합활강"_s},
    };
    return disciplines;
}

QString NumberRangeText(const QLineEdit *from, const QLineEdit *to)
{
    return ::NumberRangeText(from, to);
}

QList<RowCheck> NumberRangeChecks(QLineEdit *from, QLineEdit *to, const QString &caption)
{
    return ::NumberRangeChecks(from, to, caption);
}

QString NumberRangeCondition(const QString &column)
{
    return column + u" BETWEEN COALESCE(CAST(:RECV_NO_FROM AS integer), 0)"
                    " AND COALESCE(CAST(:RECV_NO_TO AS integer), 999999)"_s;
}

} // namespace badge
