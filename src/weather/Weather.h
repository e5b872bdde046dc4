#pragma once

#include "ColumnDef.h"

#include <QList>
#include <QString>

// The weather stations as the hourly screen lays them out, left to right.
struct Station
{
    QString code;
    QString caption;
};

inline const QList<Station> &StationsInGridOrder()
{
    static const QList<Station> stations = {
        {QStringLiteral("A1"), QStringLiteral("BASE1")},   {QStringLiteral("A6"), QStringLiteral("KESTCC")},
        {QStringLiteral("A5"), QStringLiteral("MIDPEAK1")}, {QStringLiteral("A4"), QStringLiteral("PEAK1")},
        {QStringLiteral("A2"), QStringLiteral("BASE2")},   {QStringLiteral("A3"), QStringLiteral("JUMP")},
        {QStringLiteral("A7"), QStringLiteral("NEWPEAK2")},
    };
    return stations;
}

// The measurement columns of the station screens and their report, in order.
struct Measure
{
    QString title;
    QString field;
};

inline const QList<Measure> &Measures()
{
    static const QList<Measure> measures = {
        {QStringLiteral("온도"), QStringLiteral("TEMPERATURE")},
        {QStringLiteral("습도"), QStringLiteral("HUMIDITY")},
        {QStringLiteral("풍속"), QStringLiteral("WIND_VELOCITY")},
        {QStringLiteral("풍향"), QStringLiteral("WIND_DIRECTION")},
        {QStringLiteral("일사량"), QStringLiteral("RADIATION")},
        {QStringLiteral("기압"), QStringLiteral("ATMOSPHERIC")},
        {QStringLiteral("강우량"), QStringLiteral("SNOWFALL")},
    };
    return measures;
}

// The grid columns of the station screens: the first (time or date), then
// each measure with its footer; printed as the weather list has them.
inline QList<ColumnDef> StationColumns(const QString &firstTitle, const QString &firstField)
{
    QList<ColumnDef> columns{{.title = firstTitle, .field = firstField, .width = 80, .alignment = Qt::AlignCenter,
                              .footer = true, .print = {29}}};
    for (const Measure &m : Measures()) {
        // The printed form has always called the precipitation column so.
        const QString printed = m.field == QStringLiteral("SNOWFALL") ? QStringLiteral("적설량") : QString();
        columns.append({.title = m.title, .field = m.field, .width = 80, .alignment = Qt::AlignRight, .footer = true,
                        .print = {22, printed}});
    }
    return columns;
}

// The day's (or range's) footers: averages with a missing reading counted
// as 0, the precipitation as a total.
inline QString StationFooterSql(const QString &where)
{
    return QStringLiteral("SELECT '평 균' AS obse_time, '평 균' AS obse_date,\n"
                          "       trim_scale(round(avg(COALESCE(temperature, 0)), 3))::text AS temperature,\n"
                          "       trim_scale(round(avg(COALESCE(humidity, 0)), 1))::text AS humidity,\n"
                          "       trim_scale(round(avg(COALESCE(wind_velocity, 0)), 3))::text AS wind_velocity,\n"
                          "       trim_scale(round(avg(COALESCE(wind_direction, 0)), 1))::text AS wind_direction,\n"
                          "       trim_scale(round(avg(COALESCE(radiation, 0)), 3))::text AS radiation,\n"
                          "       round(avg(COALESCE(atmospheric, 0)))::text AS atmospheric,\n"
                          "       round(sum(COALESCE(snowfall, 0)))::text AS snowfall\n"
                          "FROM   ea010ms\n")
        + where;
}
