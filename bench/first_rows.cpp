// A search screen's first rows of a result of 1,000,000 rows against one of
// 1,000: the search as the operator starts it (the list's first batch
// painted, the footer's query over the whole result), and the peak memory of
// each, once the first rows show and once the list is scrolled to its end.
// Every run is a process of its own, so that its peak is its own.
#include "Bench.h"
#include "Benches.h"
#include "EZS000.h"
#include "GridModel.h"
#include "GridView.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QFile>
#include <QProcess>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

struct FirstRows
{
    double ms = 0;
    double firstMb = 0;
    double endMb = 0;
};

class TfrmBXS020 : public TfrmEZS000
{
public:
    explicit TfrmBXS020(const QString &rows) : TfrmEZS000(u"frmBXS020"_s, u"첫 행 벤치"_s)
    {
        cdsQuery->setColumns({{.title = u"번호"_s, .field = u"NO"_s, .width = 80, .alignment = Qt::AlignRight},
                              {.title = u"이름"_s, .field = u"NAME"_s, .width = 160},
                              {.title = u"금액"_s, .field = u"AMOUNT"_s, .width = 100, .alignment = Qt::AlignRight}});
        // The series in the select list reaches the client as it is made;
        // in FROM the server would build all of it before the first row.
        SetQuery(u"SELECT g AS no, '행 ' || g AS name, g * 7 AS amount"
                 " FROM (SELECT generate_series(1, CAST(:N AS integer)) AS g) s"_s,
                 {{u"N"_s, rows}});
        SetFooterQuery(u"SELECT sum(g * 7) AS amount FROM generate_series(1, CAST(:N AS integer)) AS g"_s,
                       {{u"N"_s, rows}});
    }

    int rows() const { return cdsQuery->rowCount(); }
    void paint() { rgrGrid->viewport()->repaint(); }
    void scrollToEnd()
    {
        cdsQuery->fetchAll();
        rgrGrid->setCurrentRow(cdsQuery->rowCount() - 1);
        paint();
    }
};

FirstRows runChild(const QString &self, int rows)
{
    QProcess child;
    child.start(self, {u"child"_s, u"first-rows"_s, QString::number(rows)});
    if (!child.waitForFinished(300000) || child.exitCode() != 0)
        qFatal("first-rows child failed: %s", child.readAllStandardError().constData());
    const QList<QByteArray> out = child.readAllStandardOutput().trimmed().split(' ');
    return {out.value(0).toDouble(), out.value(1).toDouble() / 1024, out.value(2).toDouble() / 1024};
}

} // namespace

int FirstRowsChild(const QStringList &args)
{
    TestDatabase database(u"b_kest_bench"_s, TestDatabase::Attach);
    RecordingModal modal;
    // A search after the first: its connections are open already.
    {
        ShownScreen<TfrmBXS020> warm(u"1"_s);
        warm.press(Qt::Key_F3);
    }
    ShownScreen<TfrmBXS020> screen(args.value(0));
    const double ms = TimeMs([&] {
        screen.press(Qt::Key_F3);
        screen->paint();
    });
    if (screen->rows() == 0) {
        std::fprintf(stderr, "no rows shown: %s\n", qPrintable(modal.lastText()));
        return 1;
    }
    const long first = PeakKb();
    screen->scrollToEnd();
    if (screen->rows() != args.value(0).toInt()) {
        std::fprintf(stderr, "%d rows read at the end: %s\n", screen->rows(), qPrintable(modal.lastText()));
        return 1;
    }
    std::printf("%.3f %ld %ld\n", ms, first, PeakKb());
    return 0;
}

// Size: the rows of the long result (1,000,000).
void BenchFirstRows(BenchRun &run)
{
    const int rows = run.size("P2", 1000000);
    Sample shortMs, longMs, shortMb, longMb, shortEnd, longEnd;
    for (int i = 0; i < run.runs; ++i) {
        for (const auto &[size, ms, mb, end] : {std::tuple{1000, &shortMs, &shortMb, &shortEnd},
                                                std::tuple{rows, &longMs, &longMb, &longEnd}}) {
            const FirstRows r = runChild(run.self, size);
            ms->values.append(r.ms);
            mb->values.append(r.firstMb);
            end->values.append(r.endMb);
        }
    }
    run.table.ratio(u"P2 search, first rows of %L1 (floor: of 1,000)"_s.arg(rows), longMs, shortMs, 2);
    run.table.ratio(u"P2 peak memory at first rows of %L1 (floor: of 1,000)"_s.arg(rows), longMb, shortMb, 1.1,
                    u"MB"_s);
    run.table.ratio(u"P2 peak memory, scrolled to row %L1 (floor: 1,000)"_s.arg(rows), longEnd, shortEnd, 0,
                    u"MB"_s);
}
