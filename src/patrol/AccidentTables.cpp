#include "AccidentTables.h"

#include "FieldTable.h"

using namespace Qt::StringLiterals;

namespace accidents {

namespace {

// Accidents of the period; the calendar row of their date when there is one.
const QString Period = uR"sql(FROM   ee010ms e
           LEFT   JOIN zx020ms c ON c.caln_date = e.trob_date
           WHERE  e.trob_date BETWEEN coalesce(:TROB_DATE_FROM, '00000000') AND coalesce(:TROB_DATE_TO, '99999999'))sql"_s;

// An age that is no number of years counts in the totals only.
const QString AgeBand = uR"sql(CASE WHEN e.in_age ~ '^[0-9]{1,3}$' THEN
               CASE WHEN e.in_age::int BETWEEN 60 AND 159 THEN '06'
                    WHEN e.in_age::int < 60 THEN substr(to_char(e.in_age::int, 'FM009'), 1, 2) END END)sql"_s;

QList<CrossColumn> columnsOf(Columns columns)
{
    switch (columns) {
    case Columns::Weekdays:
        return {{u"월"_s, u"2"_s}, {u"화"_s, u"3"_s}, {u"수"_s, u"4"_s}, {u"목"_s, u"5"_s},
                {u"금"_s, u"6"_s}, {u"토"_s, u"7"_s}, {u"일"_s, u"1"_s}};
    case Columns::Months: {
        QList<CrossColumn> months;
        for (const int month : {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}) {
            // May to November, out of season, narrower and without the per-cent sign.
            const bool season = month == 12 || month <= 4;
            months.append({.title = u"%1월"_s.arg(month), .key = u"%1"_s.arg(month, 2, 10, QChar(u'0')),
                           .width = season ? 83 : 53, .footerPercent = season});
        }
        return months;
    }
    case Columns::Sexes:
        return {{u"남(男)"_s, u"1"_s}, {u"여(女)"_s, u"2"_s}};
    case Columns::AgeBands:
        return {{u"9세이하"_s, u"00"_s}, {u"10∼19세"_s, u"01"_s}, {u"20∼29세"_s, u"02"_s},
                {u"30∼39세"_s, u"03"_s}, {u"40∼49세"_s, u"04"_s}, {u"50∼59세"_s, u"05"_s},
                {u"60세이상"_s, u"06"_s}};
    }
    return {};
}

QString columnKey(Columns columns)
{
    switch (columns) {
    case Columns::Weekdays:
        return u"c.yoil_code"_s;
    case Columns::Months:
        return u"substr(e.trob_date, 5, 2)"_s;
    case Columns::Sexes:
        return u"e.in_sex"_s;
    case Columns::AgeBands:
        return AgeBand;
    }
    return {};
}

} // namespace

ShareFormat WideShare()
{
    return {};
}

ShareFormat NarrowShare(const QString &zero)
{
    return {.pattern = u"900.99"_s, .open = u"("_s, .close = u"%)"_s, .zero = u"("_s + zero + u"%)"_s};
}

CrossTableDef Table(Rows rows, Columns columns)
{
    const bool hours = rows == Rows::HourBands;
    return {.rowTitle = hours ? u"시   간"_s : u"부상상태"_s,
            .rowGroup = hours ? u"E0052"_s : u"E0036"_s,
            .orderByLabel = hours,
            .rowKey = hours ? u"substr(e.trob_time, 1, 2)"_s : u"e.in_stat_gubun"_s,
            .columnKey = columnKey(columns),
            // Weekdays count only the dates the calendar knows.
            .counted = columns == Columns::Weekdays ? u"c.caln_date IS NOT NULL"_s : u"true"_s,
            .from = Period,
            .columns = columnsOf(columns)};
}

} // namespace accidents

AccidentTableScreen::AccidentTableScreen(const TfrmEZS000::Def &screen, const CrossTableDef &table, QWidget *parent)
    : CrossTableScreen(screen, table, {}, parent)
{
    AddSearchFields({{.name = u"wmeTrobDateFrom"_s, .caption = u"사고일자"_s, .kind = FieldKind::DateRange,
                      .field = u"TROB_DATE_FROM"_s, .width = 80, .printLine = 1}});
}

void AccidentTableScreen::FillConditions(TfrmZZP010 &report)
{
    for (const Field &field : SearchFields())
        if (field.def.kind == FieldKind::DateRange) {
            const QString from = ControlValue(field.control).trimmed();
            const QString to = ControlValue(field.second).trimmed();
            report.SetCondition1(field.def.caption + u": "_s + (from.isEmpty() ? u"[처음]"_s : from) + u"  ∼  "_s
                                 + (to.isEmpty() ? u"[끝]"_s : to));
        }
}
