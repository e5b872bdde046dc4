// The fourteen accident reports of the report viewer over a season of a
// million accidents: each definition opened in the viewer (read, query on a
// read-only stream, pages laid out) against one hand-written query of the
// same figures over the same index, in turns; and the time until the first
// page is painted, against a limit of a second.
#include "Bench.h"
#include "Benches.h"
#include "ReportLocation.h"
#include "ReportPageView.h"
#include "ReportPreview.h"
#include "ReportViewer.h"
#include "SqlQuery.h"
#include "TestDatabase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString From = u"20251201"_s;
const QString To = u"20260331"_s;
const QString Period = u"trob_date BETWEEN '20251201' AND '20260331'"_s;

// The same figures as each report, written by hand: one grouping over the period.
QString floorSql(int report)
{
    const auto grouped = [](const QString &columns) {
        return u"SELECT %1, count(*) FROM ee010ms WHERE %2 GROUP BY %1"_s.arg(columns, Period);
    };
    switch (report) {
    case 1:
        return u"SELECT substr(trob_date, 1, 6), count(*) FROM ee010ms WHERE %1 "
               "OR trob_date BETWEEN '20241201' AND '20250331' GROUP BY 1"_s.arg(Period);
    case 2: return grouped(u"substr(trob_time, 1, 2)"_s);
    case 3: return grouped(u"in_sex"_s);
    case 4: return grouped(u"in_age"_s);
    case 5:
        return u"SELECT z.address1, count(*) FROM ee010ms a LEFT JOIN zx030ms z ON z.zip_code = a.in_zip_code "
               "AND z.zip_seq = 1 WHERE a.%1 GROUP BY 1"_s.arg(Period);
    case 6: return grouped(u"in_position_gubun, in_detail_gubun"_s);
    case 7: return grouped(u"in_stat_gubun"_s);
    case 8: return grouped(u"peak_gubun, tp_course_gubun"_s);
    case 9: return grouped(u"in_lecture_gubun"_s);
    case 10:
        return u"SELECT trob_date, trob_no, trob_time, in_name, in_sex, in_age, fn_za010ms_04(in_tel_no), "
               "tp_course_gubun, in_stat_gubun, in_cause_gubun, wi_trob_detail FROM ee010ms WHERE %1 "
               "ORDER BY trob_date, trob_no"_s.arg(Period);
    case 11: return grouped(u"in_level_gubun"_s);
    case 12:
        return u"SELECT te_object_gubun, te_means_gubun, count(*) FROM ee010ms WHERE %1 "
               "AND te_means_gubun IN ('02', '03') GROUP BY 1, 2"_s.arg(Period);
    case 13: return grouped(u"ev_method_gubun, ev_means_gubun"_s);
    default: return grouped(u"in_stat_gubun, in_position_gubun"_s);
    }
}

double readAll(const QString &sql)
{
    return TimeMs([&] {
        SqlQuery query(sql);
        query.exec();
        while (query.next()) {
        }
    });
}

// Opened and laid out; with `painted`, until the first page is on the screen.
double openReport(const QString &location, bool painted)
{
    ReportViewer viewer;
    viewer.resize(1000, 700);
    viewer.show();
    QElapsedTimer timer;
    timer.start();
    viewer.setAutoAdjust(0);
    viewer.setZoomRatio(90);
    viewer.open(location, u"/rp [%1] [%2]"_s.arg(From, To));
    if (!viewer.document())
        qFatal("%s", qPrintable(viewer.message()));
    if (painted) {
        QEventLoop loop;
        QObject::connect(viewer.preview()->pageView(), &report::ReportPageView::pagePainted, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

// Size: accidents in the table (1,000,000), over two seasons.
void BenchViewerReports(BenchRun &run)
{
    const int accidents = run.size("V1", 1000000);
    run.database.adminExec(uR"(
INSERT INTO zx030ms (zip_code, zip_seq, address1)
SELECT lpad(n::text, 6, '0'), 1, (ARRAY['서울특별시', '강원도', '경기도', '부산광역시'])[1 + n % 4]
  FROM generate_series(100000, 100999) AS n
ON CONFLICT DO NOTHING;
INSERT INTO ee010ms (trob_date, trob_no, trob_time, peak_gubun, tp_course_gubun, in_sex, in_age, in_zip_code,
                     in_position_gubun, in_detail_gubun, in_stat_gubun, in_lecture_gubun, in_level_gubun,
                     te_means_gubun, te_object_gubun, ev_method_gubun, ev_means_gubun, in_name, in_tel_no,
                     wi_trob_detail)
SELECT to_char(date '2024-12-01' + n % 730, 'YYYYMMDD'), n / 730 + 1,
       lpad((8 + n % 14)::text, 2, '0') || lpad((n % 60)::text, 2, '0'),
       'P' || (1 + n % 3), lpad((1 + n % 6)::text, 2, '0'), (1 + n % 2)::text, (n % 80)::text,
       (100000 + n % 1000)::text, lpad((1 + n % 7)::text, 2, '0'), lpad((1 + n % 14)::text, 2, '0'),
       lpad((1 + n % 7)::text, 2, '0'), lpad((1 + n % 3)::text, 2, '0'), lpad((1 + n % 4)::text, 2, '0'),
       lpad((1 + n % 4)::text, 2, '0'), lpad((1 + n % 4)::text, 2, '0'), lpad((1 + n % 4)::text, 2, '0'),
       lpad((1 + n % 4)::text, 2, '0'), '부상자' || n, kest_private.enc('010-1234-' || lpad((n % 10000)::text, 4, '0')),
       '슬로프 중간에서 넘어짐'
  FROM generate_series(0, %1 - 1) AS n
ON CONFLICT DO NOTHING;
ANALYZE ee010ms;)"_s.arg(accidents));
    const QString folder = QDir(QStringLiteral(KEST_REPORTS_DIR)).absolutePath();
    const QStringList files = QDir(folder).entryList({u"*.mrd"_s}, QDir::Files, QDir::Name);
    for (int i = 0; i < files.size(); ++i) {
        const QString location = viewer::ReportLocation(folder, files.at(i));
        const QString floor = floorSql(i + 1);
        const QList<Sample> s = Interleave(run.runs, {[&] { return openReport(location, false); },
                                                      [&] { return readAll(floor); }});
        const QString what = u"V1 report %1 over %L2 accidents"_s.arg(files.at(i).left(2)).arg(accidents);
        run.table.ratio(what + u" (floor: one hand-written query)"_s, s.at(0), s.at(1), 1.5);
        run.table.limit(what + u", first page painted"_s,
                        Repeat(run.runs, [&] { return openReport(location, true); }), 1000);
    }
}
