// The report engine: a preview of 10,000 records until its first page is
// painted, and a whole PDF of 250 pages against its floor, in turns: the
// same texts at the same places drawn by QPdfWriter alone, without the
// engine's layout, fonts and lines.
#include "Bench.h"
#include "Benches.h"
#include "ListLayout.h"
#include "ReportDocument.h"
#include "ReportPageView.h"
#include "ReportPreview.h"
#include "ReportRenderer.h"
#include "RowSource.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

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

// The floor: every text of the laid-out pages drawn in one font, page by page.
void drawTexts(const Document &document, const QString &path)
{
    QPdfWriter writer(path);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0),
                                     QPageLayout::Millimeter));
    QPainter painter(&writer);
    painter.setFont(QFont(DefaultFontFamily, 9));
    const qreal perMm = writer.resolution() / 25.4;
    bool first = true;
    for (const Page &page : document.pages) {
        if (!std::exchange(first, false))
            writer.newPage();
        for (const PageItem &item : page.items)
            if (item.kind == ItemKind::Text)
                painter.drawText(QRectF(item.rect.x() * perMm, item.rect.y() * perMm, item.rect.width() * perMm,
                                        item.rect.height() * perMm),
                                 int(item.alignment), item.text);
    }
}

} // namespace

// Size: the pages of the PDF (250); the growth table adds a quarter and a half.
void BenchReports(BenchRun &run)
{
    const Layout layout = rentalLayout();
    const RecordList tenThousand = rentals(10000);
    run.table.info(u"P7 lay out 10,000 records"_s, Repeat(run.runs, [&] {
        return TimeMs([&] { Paginate(layout, tenThousand, Conditions); });
    }));
    const Sample preview = Repeat(run.runs, [&] {
        return TimeMs([&] {
            bool painted = false;
            ReportPreview window(Paginate(layout, tenThousand, Conditions));
            QObject::connect(window.pageView(), &ReportPageView::pagePainted, [&] { painted = true; });
            window.show();
            while (!painted)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        });
    });
    run.table.limit(u"P7 preview of 10,000 records, first page painted"_s, preview, 1000);

    const int pages = run.size("P7", 250);
    QTemporaryDir dir;
    QList<std::pair<int, double>> growth;
    for (const int size : {std::max(1, pages / 4), std::max(1, pages / 2), pages}) {
        const bool last = size == pages;
        const RecordList records = rentals(rowsForPages(layout, size));
        const Document laidOut = Paginate(layout, records, Conditions);
        const QList<Sample> s = Interleave(
            last ? run.runs : std::min(run.runs, 3),
            {[&] {
                 return TimeMs([&] {
                     if (!WritePdf(Paginate(layout, records, Conditions), dir.filePath(u"bench.pdf"_s)))
                         qFatal("cannot write %s", qPrintable(dir.filePath(u"bench.pdf"_s)));
                 });
             },
             [&] { return TimeMs([&] { drawTexts(laidOut, dir.filePath(u"floor.pdf"_s)); }); }});
        growth.append({size, s.at(0).median()});
        if (last) {
            // The engine's overhead, shown as a ratio; the goal is the time below.
            run.table.ratio(u"P7 PDF of %L1 pages (floor: its texts by QPdfWriter)"_s.arg(pages), s.at(0), s.at(1), 0);
            run.table.limit(u"P7 PDF of %L1 pages"_s.arg(pages), s.at(0), 20.0 * pages);
        }
    }
    run.table.growth(u"P7 PDF"_s, u"pages"_s, growth);
}
