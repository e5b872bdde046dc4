#include "AccidentList.h"

#include "GridModel.h"
#include "GridView.h"
#include "ReportSql.h"

using namespace Qt::StringLiterals;

namespace {

QString stacked(const QString &separator, const QStringList &parts)
{
    QStringList kept;
    for (const QString &part : parts)
        kept << u"coalesce("_s + part + u", '')"_s;
    return u"concat_ws("_s + separator + u", "_s + kept.join(u", "_s) + u')';
}

} // namespace

FieldDef AccidentList::PlaceClassField()
{
    return {.name = u"cboPeakGubun"_s, .caption = u"PEAK구분"_s, .kind = FieldKind::Code, .field = u"PEAK_GUBUN"_s,
            .codeGroup = u"E0027"_s, .width = 90, .condition = u"e.peak_gubun = :PEAK_GUBUN"_s, .withAll = true,
            .printLine = 2};
}

AccidentList::AccidentList(const TfrmEZS000::Def &screen, const QString &dates, bool withDate, QWidget *parent)
    : TfrmEZS000(screen, parent)
{
    QList<ColumnDef> columns;
    if (withDate)
        columns.append({.title = u"사고일자"_s, .field = u"TROB_DATE"_s, .width = 80, .alignment = Qt::AlignCenter,
                        .displayMask = u"9999-99-99"_s, .print = {18}});
    columns.append({
        {.title = u"사고번호"_s, .field = u"TROB_NO"_s, .width = 60, .alignment = Qt::AlignCenter, .print = {12}},
        {.title = u"사고시간"_s, .field = u"TROB_TIME"_s, .width = 60, .alignment = Qt::AlignCenter, .print = {12}},
        {.title = u"기상상태"_s, .field = u"WEATHER_STAT_NAME"_s, .width = 70, .print = {14}},
        {.title = u"기온"_s, .field = u"TEMPERATURE"_s, .width = 40, .alignment = Qt::AlignRight, .print = {9}},
        {.title = u"코스\n리프트"_s, .field = u"PLACE_NAME"_s, .width = 110},
        {.title = u"성명\n성별\n나이\n주민번호"_s, .field = u"INJURED"_s, .width = 110},
        {.title = u"사고장소"_s, .field = u"PLACE_LINE"_s, .visible = false, .print = {32}},
        {.title = u"부상자"_s, .field = u"INJURED_LINE"_s, .visible = false, .print = {48}},
        {.title = u"부상위치"_s, .field = u"IN_POSITION_NAME"_s, .width = 70, .print = {15}},
        {.title = u"부상부위"_s, .field = u"IN_DETAIL_NAME"_s, .width = 70, .print = {15}},
        {.title = u"부상상태"_s, .field = u"IN_STAT_NAME"_s, .width = 70, .print = {15}},
        {.title = u"부상원인"_s, .field = u"IN_CAUSE_NAME"_s, .width = 70, .print = {15}},
        {.title = u"후송방법"_s, .field = u"EV_METHOD_NAME"_s, .width = 70, .print = {15}},
        {.title = u"2차후송수단"_s, .field = u"TE_MEANS_NAME"_s, .width = 80, .print = {16}},
        {.title = u"2차후송목적지"_s, .field = u"TE_OBJECT_NAME"_s, .width = 90, .print = {18}},
    });
    cdsQuery->setColumns(columns);
    rgrGrid->setRowLines(4);
    rgrGrid->setFooterVisible(false);

    const QString course = CodeNameSql(u"GC_COURSE_CODE"_s, u"e.tp_course_gubun"_s);
    const QString lift = CodeNameSql(u"GC_LIFT_CODE"_s, u"e.tp_lift_gubun"_s);
    const QString sex = CodeNameSql(u"GC_SEX_CODE"_s, u"e.in_sex"_s);
    // The resident number as the server hands it out, shown 6-7.
    const QString idNo = u"CASE WHEN fn_za010ms_04(e.in_id_no) IS NOT NULL THEN substr(fn_za010ms_04(e.in_id_no), 1, 6) "
                         u"|| '-' || substr(fn_za010ms_04(e.in_id_no), 7, 7) END"_s;
    const QStringList place{course, lift};
    const QStringList injured{u"e.in_name"_s, sex, u"e.in_age"_s, idNo};
    // Accidents in the order of their date and number, the same on every search.
    SetQuery(u"SELECT "_s + (withDate ? u"e.trob_date,\n       "_s : QString())
                 + u"to_char(e.trob_no, 'FM0000') AS trob_no,\n"
                   u"       substr(e.trob_time, 1, 2) || ':' || substr(e.trob_time, 3, 2) AS trob_time,\n       "_s
                 + CodeNameSql(u"GC_WEATHER_CODE"_s, u"e.weather_stat_gubun"_s) + u" AS weather_stat_name,\n"
                   u"       e.temperature,\n       "_s
                 + stacked(u"E'\\n'"_s, place) + u" AS place_name,\n       "_s + stacked(u"' / '"_s, place)
                 + u" AS place_line,\n       "_s + stacked(u"E'\\n'"_s, injured) + u" AS injured,\n       "_s
                 + stacked(u"' / '"_s, injured) + u" AS injured_line,\n       "_s
                 + CodeNameSql(u"GC_POSITION_CODE"_s, u"e.in_position_gubun"_s) + u" AS in_position_name,\n       "_s
                 + CodeNameSql(u"GC_DETAIL_CODE"_s, u"e.in_detail_gubun"_s) + u" AS in_detail_name,\n       "_s
                 + CodeNameSql(u"GC_STAT_CODE"_s, u"e.in_stat_gubun"_s) + u" AS in_stat_name,\n       "_s
                 + CodeNameSql(u"GC_CAUSE_CODE"_s, u"e.in_cause_gubun"_s) + u" AS in_cause_name,\n       "_s
                 + CodeNameSql(u"GC_METHOD_CODE"_s, u"e.ev_method_gubun"_s) + u" AS ev_method_name,\n       "_s
                 + CodeNameSql(u"GC_MEANS_CODE"_s, u"e.te_means_gubun"_s) + u" AS te_means_name,\n       "_s
                 + CodeNameSql(u"GC_OBJECT_CODE"_s, u"e.te_object_gubun"_s)
                 + u" AS te_object_name,\n       e.peak_gubun, e.in_stat_gubun, e.trob_point_x, e.trob_point_y"
                   u"\nFROM   ee010ms e\nWHERE  "_s + dates + u"{filters}\nORDER  BY e.trob_date, e.trob_no"_s,
             {{u"GC_WEATHER_CODE"_s, u"E0029"_s},
              {u"GC_COURSE_CODE"_s, u"E0006"_s},
              {u"GC_LIFT_CODE"_s, u"E0007"_s},
              {u"GC_SEX_CODE"_s, u"Z0008"_s},
              {u"GC_POSITION_CODE"_s, u"E0034"_s},
              {u"GC_DETAIL_CODE"_s, u"E0035"_s},
              {u"GC_STAT_CODE"_s, u"E0036"_s},
              {u"GC_CAUSE_CODE"_s, u"E0037"_s},
              {u"GC_METHOD_CODE"_s, u"E0047"_s},
              // The group the entry screen stores the second transport's means with.
              {u"GC_MEANS_CODE"_s, u"E0049"_s},
              {u"GC_OBJECT_CODE"_s, u"E0050"_s}});
}
