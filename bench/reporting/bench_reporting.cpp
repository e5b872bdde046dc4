// Prints, as a table, the median, fastest and slowest of RUNS runs (first
// argument, default 5) of: laying out 10,000 records; a preview of 10,000
// records until its first page is painted; a whole 250-page PDF.
#include "ListLayout.h"
#include "ReportDocument.h"
#include "ReportPageView.h"
#include "ReportPreview.h"
#include "ReportRenderer.h"
#include "RowSource.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace report;

namespace {

RecordList rentals(int count)
{
    RecordList rows({u"RENT_NO"_s, u"RENT_SEQ"_s, u"RENT_STAT_NAME"_s, u"EQUIP_GUBUN_NAME"_s, u"EQUIP_NO"_s,
                     u"RENT_NAME"_s, u"TEL_NO"_s, u"HEIGHT"_s, u"WEIGHT"_s, u"RENT_DATE"_s});
    for (int i = 1; i <= count; ++i)
        rows.append({u"%1"_s.arg(i, 10, 10, QChar(u'0')), QString::number(i % 4 + 1), u"대여"_s,
                     i % 7 == 0 ? u"소계"_s : u"스키"_s, u"S%1"_s.arg(i % 900, 5, 10, QChar(u'0')), u"홍길동%1"_s.arg(i),
                     u"010-1234-%1"_s.arg(i % 10000, 4, 10, QChar(u'0')), u"175"_s, u"1070"_s, u"20240105"_s});
    return rows;
}

Layout rentalLayout()
{
    return ListLayout({
        .id = u"EBP060"_s,
        .title = u"일일 장비대여 현황"_s,
        .orientation = Orientation::Landscape,
        .columns = {{.title = u"대여번호"_s, .field = u"RENT_NO"_s, .width = 26},
                    {.title = u"순번"_s, .field = u"RENT_SEQ"_s, .width = 12, .alignment = Qt::AlignRight},
                    {.title = u"대여상태"_s, .field = u"RENT_STAT_NAME"_s, .width = 20},
                    {.title = u"장비구분"_s, .field = u"EQUIP_GUBUN_NAME"_s, .width = 20},
                    {.title = u"장비번호"_s, .field = u"EQUIP_NO"_s, .width = 22},
                    {.title = u"대여자명"_s, .field = u"RENT_NAME"_s, .width = 34},
                    {.title = u"연락처"_s, .field = u"TEL_NO"_s, .width = 32},
                    {.title = u"신장"_s, .field = u"HEIGHT"_s, .width = 14, .alignment = Qt::AlignRight},
                    {.title = u"체중"_s, .field = u"WEIGHT"_s, .width = 16, .alignment = Qt::AlignRight,
                     .format = Format::Number},
                    {.title = u"대여일자"_s, .field = u"RENT_DATE"_s, .width = 24, .format = Format::DateKey}},
        .summary = {{.rect = {0, 0, 60, SummaryHeight}, .text = u"건수: %1"_s, .source = Source::Count,
                     .format = Format::Number}},
        .highlight = [](const Scope &s) { return s.value(u"EQUIP_GUBUN_NAME"_s) == u"소계"; },
    });
}

const Inputs Conditions{.texts = {{ConditionItems[1], u"*대여일자: 2024-01-05"_s},
                                  {ConditionItems[2], u"*지역구분: 본관   *상태구분: [전체]   *권종구분: [전체]"_s}}};

struct Result
{
    const char *name;
    int rows;
    int pages;
    QList<double> ms;
};

void printRow(const Result &r)
{
    QList<double> sorted = r.ms;
    std::sort(sorted.begin(), sorted.end());
    const qsizetype n = sorted.size();
    const double median = n % 2 ? sorted.at(n / 2) : (sorted.at(n / 2 - 1) + sorted.at(n / 2)) / 2;
    std::printf("%-34s %8d %7d %12.1f %10.1f %10.1f\n", r.name, r.rows, r.pages, median, sorted.first(), sorted.last());
}

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// The fewest records that make `pages` pages.
int rowsForPages(const Layout &layout, int pages)
{
    int low = 1;
    int high = pages * 60;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (Paginate(layout, rentals(mid), Conditions).pages.size() < pages)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const Layout layout = rentalLayout();

    const RecordList tenThousand = rentals(10000);
    Result paginate{"lay out 10,000 records", 10000, 0, {}};
    Result preview{"preview 10,000, first page painted", 10000, 0, {}};
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const Document document = Paginate(layout, tenThousand, Conditions);
        paginate.ms << msSince(timer);
        paginate.pages = int(document.pages.size());

        timer.restart();
        bool painted = false;
        ReportPreview window(Paginate(layout, tenThousand, Conditions));
        QObject::connect(window.pageView(), &ReportPageView::pagePainted, [&] { painted = true; });
        window.show();
        while (!painted)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        preview.ms << msSince(timer);
        preview.pages = int(window.document().pages.size());
    }

    const int pdfRows = rowsForPages(layout, 250);
    const RecordList pdfRecords = rentals(pdfRows);
    QTemporaryDir dir;
    Result pdf{"PDF of 250 pages", pdfRows, 0, {}};
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const Document document = Paginate(layout, pdfRecords, Conditions);
        if (!WritePdf(document, dir.filePath(u"bench.pdf"_s))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(dir.filePath(u"bench.pdf"_s)));
            return 1;
        }
        pdf.ms << msSince(timer);
        pdf.pages = int(document.pages.size());
    }

    std::printf("%d runs\n%-34s %8s %7s %12s %10s %10s\n", runs, "what", "records", "pages", "median ms", "min ms",
                "max ms");
    for (const Result &r : {paginate, preview, pdf})
        printRow(r);
    return 0;
}
