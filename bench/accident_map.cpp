// The period list's map: a season of accidents painted by the map beside
// the list, against the same map with no point on it (the pictures, the
// legend and the count) painted in turns in the same run. The goal is on
// the difference: the points may cost at most 100 ms.
#include "AccidentMap.h"
#include "Bench.h"
#include "Benches.h"
#include "RowSource.h"

#include <QImage>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

// Accidents spread over both maps and seven kinds of injury.
report::RecordList seasonOf(int accidents)
{
    report::RecordList rows({u"TROB_DATE"_s, u"TROB_NO"_s, u"TROB_TIME"_s, u"PEAK_GUBUN"_s, u"PLACE_NAME"_s,
                             u"TROB_POINT_X"_s, u"TROB_POINT_Y"_s, u"IN_STAT_GUBUN"_s, u"IN_STAT_NAME"_s});
    const QStringList injuries{u"골절"_s, u"염좌"_s, u"타박상"_s, u"찰과상"_s, u"탈구"_s, u"열상"_s, u"기타"_s};
    for (int n = 0; n < accidents; ++n) {
        const int kind = n % 7;
        rows.append({QString::number(20251201 + n % 28), QString::number(1 + n / 28).rightJustified(4, u'0'),
                     u"%1:%2"_s.arg(9 + n % 8, 2, 10, QChar(u'0')).arg(n % 60, 2, 10, QChar(u'0')),
                     n % 2 ? u"P2"_s : u"P1"_s, u"코스 %1\n리프트"_s.arg(n % 13),
                     QString::number(1 + (n * 37) % 660), QString::number(1 + (n * 53) % 500),
                     u"%1"_s.arg(kind + 1, 2, 10, QChar(u'0')), injuries.at(kind)});
    }
    return rows;
}

double paintOnce(AccidentMap &map, QImage &image)
{
    return TimeMs([&] {
        image.fill(Qt::transparent);
        map.render(&image);
    });
}

} // namespace

// Size: the accidents on the map (10,000).
void BenchAccidentMap(BenchRun &run)
{
    const int accidents = run.size("P10", 10000);
    const accidentmap::Plot season = accidentmap::PlotOf(seasonOf(accidents));
    if (season.points.plotted.size() != accidents)
        qFatal("the season's accidents are not all on the map");
    // The map as it stands beside the list on a full-screen window.
    AccidentMap full;
    full.resize(560, 820);
    full.setPlot(season);
    AccidentMap empty;
    empty.resize(full.size());
    empty.setPlot({.points = {}, .legend = season.legend});
    QImage image(full.size(), QImage::Format_ARGB32_Premultiplied);
    paintOnce(full, image); // the pictures scaled once, the font loaded
    paintOnce(empty, image);
    const QList<Sample> s = Interleave(run.runs, {[&] { return paintOnce(full, image); },
                                                  [&] { return paintOnce(empty, image); }});
    Sample points;
    for (int i = 0; i < s.at(0).values.size(); ++i)
        points.values.append(s.at(0).values.at(i) - s.at(1).values.at(i));
    run.table.info(u"P10 the map with no point (floor)"_s, s.at(1));
    run.table.info(u"P10 the map with %L1 accidents"_s.arg(accidents), s.at(0));
    run.table.limit(u"P10 the %L1 points over the empty map, run by run"_s.arg(accidents), points, 100);
}
