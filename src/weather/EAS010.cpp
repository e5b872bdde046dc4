#include "EAS010.h"

#include "GridModel.h"
#include "Weather.h"

#include <QDateEdit>

using namespace Qt::StringLiterals;

namespace {

// A station's column of a value: "TEMPERATURE_A1".
QString field(const QString &measure, const Station &station)
{
    return measure + u'_' + station.code;
}

} // namespace

TfrmEAS010::TfrmEAS010(QWidget *parent) : TfrmEZS000(u"frmEAS010"_s, u"시간대별 기상정보 현황"_s, parent)
{
    AddSearchFields({{.name = u"dtpDate"_s, .caption = u"기상일자"_s, .kind = FieldKind::Date,
                      .field = u"OBSE_DATE"_s, .to = &dtpDate}});

    const QList<std::pair<QString, QString>> values = {
        {u"온도"_s, u"TEMPERATURE"_s}, {u"습도"_s, u"HUMIDITY"_s},
        {u"풍속"_s, u"WIND_VELOCITY"_s}, {u"풍향"_s, u"WIND_DIRECTION"_s}};
    QList<ColumnDef> columns{{.title = u"TIME"_s, .field = u"OBSE_TIME"_s, .width = 50, .alignment = Qt::AlignCenter,
                              .footer = true}};
    QStringList pivot;
    QStringList footers;
    for (const Station &station : StationsInGridOrder()) {
        const QString where = u" FILTER (WHERE s.place = '"_s + station.code + u"')"_s;
        const QString whereRaw = u" FILTER (WHERE obse_place_gubun = '"_s + station.code + u"')"_s;
        if (station.code == u"A1"_s) {
            for (const auto &[title, name] : {std::pair{u"최소온도"_s, u"MIN_TEMPERATURE"_s},
                                              std::pair{u"최대온도"_s, u"MAX_TEMPERATURE"_s}}) {
                columns.append({.title = station.caption + u'\n' + title, .field = field(name, station), .width = 64,
                                .alignment = Qt::AlignRight, .footer = true});
                const QString agg = name.startsWith(u"MIN"_s) ? u"min"_s : u"max"_s;
                pivot.append(u"max(s."_s + name.toLower() + u")"_s + where + u" AS "_s + field(name, station).toLower());
                footers.append(u"trim_scale("_s + agg + u"(temperature)"_s + whereRaw + u")::text AS "_s + field(name, station).toLower());
            }
        }
        for (const auto &[title, name] : values) {
            columns.append({.title = station.caption + u'\n' + title, .field = field(name, station), .width = 64,
                            .alignment = Qt::AlignRight, .footer = true});
            pivot.append(u"max(s."_s + name.toLower() + u")"_s + where + u" AS "_s + field(name, station).toLower());
            const int decimals = (name == u"HUMIDITY"_s || name == u"WIND_DIRECTION"_s) ? 1 : 2;
            footers.append(u"trim_scale(round(avg("_s + name.toLower() + u")"_s + whereRaw + u", "_s
                           + QString::number(decimals) + u"))::text AS "_s + field(name, station).toLower());
        }
    }
    cdsQuery->setColumns(columns);

    // Per station and hour, a missing reading counted as 0; a station
    // without any reading in an hour has no row there, so its cells stay empty.
    qryQuery.setSql(u"SELECT s.obse_hour AS obse_time,\n       "_s + pivot.join(u",\n       "_s)
                    + u"\nFROM   (SELECT substr(obse_time, 1, 2) AS obse_hour, obse_place_gubun AS place,\n"
                      "               trim_scale(round(max(COALESCE(temperature, 0)), 2))::text AS max_temperature,\n"
                      "               trim_scale(round(min(COALESCE(temperature, 0)), 2))::text AS min_temperature,\n"
                      "               trim_scale(round(avg(COALESCE(temperature, 0)), 2))::text AS temperature,\n"
                      "               trim_scale(round(avg(COALESCE(humidity, 0)), 1))::text AS humidity,\n"
                      "               trim_scale(round(avg(COALESCE(wind_velocity, 0)), 2))::text AS wind_velocity,\n"
                      "               trim_scale(round(avg(COALESCE(wind_direction, 0)), 1))::text AS wind_direction\n"
                      "        FROM   ea010ms\n"
                      "        WHERE  obse_date = :OBSE_DATE\n"
                      "        GROUP  BY substr(obse_time, 1, 2), obse_place_gubun) s\n"
                      "GROUP  BY s.obse_hour\n"
                      "ORDER  BY s.obse_hour"_s);
    // The whole day with missing readings left out: empty only for a
    // station that has no reading all day.
    qryFooter.setSql(u"SELECT "_s + footers.join(u",\n       "_s)
                     + u"\nFROM   ea010ms\nWHERE  obse_date = :OBSE_DATE"_s);
}
