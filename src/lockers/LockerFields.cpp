#include "LockerFields.h"

#include "CodeCombo.h"
#include "CodeServices.h"
#include "Modal.h"
#include "Routines.h"
#include "ServerError.h"

#include <QWidget>

using namespace Qt::StringLiterals;

namespace lockers {

namespace {

const PickList All = [] {
    PickList list;
    list.append(u"전체"_s, QString());
    return list;
}();

const PickList Sold = [] {
    PickList list = All;
    for (const QString &state : {u"Y"_s, u"N"_s, u"C"_s})
        list.append(state, state);
    return list;
}();

} // namespace

QString CurrentSeason()
{
    return TodayKey().left(4);
}

FieldDef SeasonField()
{
    return {.name = u"edtSeasonYear"_s, .caption = u"시즌년도"_s, .field = u"SEASON_YEAR"_s, .bytes = 4,
            .width = 50, .printLine = 1};
}

QList<FieldDef> ListFields(CodeLists &lists, const QStringList &conditions)
{
    return {
        {.name = u"cboLocation"_s, .caption = u"위치"_s, .kind = FieldKind::Code, .field = u"LOCATION"_s,
         .width = 110, .to = &lists.location, .condition = conditions.value(0), .choices = All, .printLine = 2},
        {.name = u"cboAreaZone"_s, .caption = u"구역"_s, .kind = FieldKind::Code, .field = u"AREA_ZONE"_s,
         .width = 90, .to = &lists.areaZone, .condition = conditions.value(1), .choices = All, .printLine = 2},
        {.name = u"cboLockerType"_s, .caption = u"TYPE"_s, .kind = FieldKind::Code, .field = u"LOCKER_TYPE"_s,
         .width = 90, .to = &lists.lockerType, .condition = conditions.value(2), .choices = All, .printLine = 2},
        {.name = u"cboSaleYn"_s, .caption = u"판매여부"_s, .kind = FieldKind::Code, .field = u"USE_YN"_s,
         .width = 60, .condition = conditions.value(3), .choices = Sold, .printLine = 2},
    };
}

void FillLists(const CodeLists &lists)
{
    const std::pair<CodeCombo *, CodeFilters> filled[] = {{lists.location, {.item3 = u"Y"_s}},
                                                          {lists.areaZone, {}},
                                                          {lists.lockerType, {}}};
    const QString groups[] = {u"E0017"_s, u"E0055"_s, u"E0056"_s};
    for (int i = 0; i < 3; ++i) {
        if (!filled[i].first)
            continue;
        try {
            FillCodeList(*filled[i].first, groups[i], filled[i].second);
        } catch (const ServerError &error) {
            ErrorBox(u"에러내용:\r"_s + error.message());
        }
    }
}

} // namespace lockers
