// The .xlsx export of a search screen's list of 1,000,000 rows x 10 columns
// against the workbook library's own constant-memory write of the same
// cells, interleaved run by run; and its peak memory against the same
// export of 10,000 rows. Every run is a process of its own, its peak read
// from VmHWM after the work.
#include "Bench.h"
#include "Benches.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "TestDatabase.h"
#include "WorksheetScreen.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int Columns = TfrmBXS010::Columns;
const QString LongRows = u"1000000"_s;
const QString ShortRows = u"10000"_s;

// The export as the operator runs it: search, Ctrl+F11 with .xlsx chosen.
double exportThroughTheScreen(int rows, const QString &file)
{
    RecordingModal modal;
    ShownScreen<TfrmBXS010> screen(rows);
    screen.press(Qt::Key_F3);
    modal.fileNames = {file};
    modal.chosenFilters = {u"Excel 통합 문서(*.xlsx)"_s};
    return TimeMs([&] {
        if (screen->ExportToExcel().isEmpty())
            qFatal("the export failed: %s", qPrintable(modal.lastText()));
    });
}

// The same cells written straight through the library, no server, no screen.
double libraryWrite(int rows, const QString &file)
{
    return TimeMs([&] {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        const QByteArray folder = QFile::encodeName(QFileInfo(file).absolutePath());
        options.tmpdir = const_cast<char *>(folder.constData());
        lxw_workbook *book = workbook_new_opt(QFile::encodeName(file).constData(), &options);
        lxw_worksheet *sheet = workbook_add_worksheet(book, nullptr);
        lxw_format *bold = workbook_add_format(book);
        format_set_bold(bold);
        worksheet_write_string(sheet, 0, 0, "내보내기 벤치", nullptr);
        for (int c = 1; c <= Columns; ++c) {
            worksheet_set_column_pixels(sheet, lxw_col_t(c - 1), lxw_col_t(c - 1), 80, nullptr);
            worksheet_write_string(sheet, 2, lxw_col_t(c - 1), TfrmBXS010::TitleOf(c).toUtf8().constData(), bold);
        }
        worksheet_freeze_panes(sheet, 3, 0);
        char text[64];
        for (int g = 1; g <= rows; ++g) {
            const auto row = lxw_row_t(g + 2);
            for (int c = 1; c <= Columns; ++c) {
                if (TfrmBXS010::IsNumberColumn(c)) {
                    worksheet_write_number(sheet, row, lxw_col_t(c - 1), double(g) * c, nullptr);
                } else {
                    std::snprintf(text, sizeof text, "값 %d-%d", g, c);
                    worksheet_write_string(sheet, row, lxw_col_t(c - 1), text, nullptr);
                }
            }
        }
        if (workbook_close(book) != LXW_NO_ERROR)
            qFatal("the library could not write %s", qPrintable(file));
    });
}

struct Run
{
    double ms = 0;
    double peakMb = 0;
    double fileMb = 0;
};

Run runChild(const QString &self, const QString &kind, const QString &rows)
{
    QProcess child;
    child.start(self, {u"child"_s, u"xlsx"_s, kind, rows});
    if (!child.waitForFinished(600000) || child.exitCode() != 0)
        qFatal("xlsx child failed: %s", child.readAllStandardError().constData());
    const QList<QByteArray> out = child.readAllStandardOutput().trimmed().split(' ');
    return {out.value(0).toDouble(), out.value(1).toDouble() / 1024, out.value(2).toDouble() / (1 << 20)};
}

} // namespace

int ExportXlsxChild(const QStringList &args)
{
    int argc = 1;
    char name[] = "kest_bench";
    char *argv[] = {name, nullptr};
    QApplication app(argc, argv);
    const QString kind = args.value(0);
    const int rows = args.value(1).toInt();
    QTemporaryDir dir;
    const QString file = dir.filePath(u"export.xlsx"_s);
    double ms = 0;
    if (kind == u"path"_s) {
        TestDatabase database(u"b_kest_bench"_s, TestDatabase::Attach);
        ms = exportThroughTheScreen(rows, file);
    } else {
        ms = libraryWrite(rows, file);
    }
    std::printf("%.3f %ld %lld\n", ms, PeakKb(), QFileInfo(file).size());
    return 0;
}

void BenchExportXlsx(BenchRun &run)
{
    Sample path, floor, longMb, shortMb;
    double fileMb = 0;
    for (int i = 0; i < run.runs; ++i) {
        const Run exported = runChild(run.self, u"path"_s, LongRows);
        const Run written = runChild(run.self, u"floor"_s, LongRows);
        const Run small = runChild(run.self, u"path"_s, ShortRows);
        path.values.append(exported.ms);
        floor.values.append(written.ms);
        longMb.values.append(exported.peakMb);
        shortMb.values.append(small.peakMb);
        fileMb = exported.fileMb;
    }
    run.table.ratio(u"P3 .xlsx export, 1,000,000 rows x 10 columns, %1 MB (floor: the library's own write)"_s.arg(
                        fileMb, 0, 'f', 1),
                    path, floor, 2);
    run.table.ratio(u"P3 .xlsx peak memory at 1,000,000 rows (floor: at 10,000)"_s, longMb, shortMb, 1.2, u"MB"_s);
}
