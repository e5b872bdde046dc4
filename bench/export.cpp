// The worksheet export of a search screen's list, 10 columns, as many rows
// as the format's 16-bit row numbers hold, against one raw write of the same
// bytes.
#include "Bench.h"
#include "Benches.h"
#include "GridModel.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "EZS000.h"

#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// The most rows a worksheet holds below its title and column captions.
constexpr int Rows = 65533;

class TfrmBXS010 : public TfrmEZS000
{
public:
    TfrmBXS010() : TfrmEZS000(u"frmBXS010"_s, u"내보내기 벤치"_s)
    {
        QList<ColumnDef> columns;
        QStringList fields;
        for (int c = 1; c <= 10; ++c) {
            const bool number = c % 3 == 0;
            columns.append({.title = u"열%1"_s.arg(c), .field = u"C%1"_s.arg(c), .width = 80,
                            .alignment = number ? Qt::AlignRight : Qt::AlignLeft});
            fields.append(number ? u"g * %1 AS c%1"_s.arg(c) : u"'값 ' || g || '-%1' AS c%1"_s.arg(c));
        }
        cdsQuery->setColumns(columns);
        qryQuery.setSql(u"SELECT %1 FROM (SELECT generate_series(1, %2) AS g) s"_s.arg(fields.join(u", "_s)).arg(Rows));
    }

    void readAll() { cdsQuery->fetchAll(); }
};

} // namespace

void BenchExport(BenchRun &run)
{
    RecordingModal modal;
    ShownScreen<TfrmBXS010> screen;
    QTemporaryDir dir;
    const QString file = dir.filePath(u"export.xls"_s);
    // The export of a list read whole before, and of one freshly searched
    // (the rows still on the server, as after a search).
    const auto exportOnce = [&](bool readFirst) {
        screen.press(Qt::Key_F3);
        if (readFirst)
            screen->readAll();
        modal.fileNames = {file};
        return TimeMs([&] {
            if (screen->ExportToExcel().isEmpty())
                qFatal("the export failed: %s", qPrintable(modal.lastText()));
        });
    };
    const Sample exported = Repeat(run.runs, [&] { return exportOnce(true); });
    const Sample searched = Repeat(run.runs, [&] { return exportOnce(false); });
    QFile written(file);
    written.open(QIODevice::ReadOnly);
    const QByteArray bytes = written.readAll();
    const QString copy = dir.filePath(u"raw.xls"_s);
    const Sample raw = Repeat(run.runs, [&] {
        return TimeMs([&] {
            QFile out(copy);
            if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
                qFatal("cannot write %s", qPrintable(copy));
        });
    });
    const QString size = u"%1 rows x 10 columns, %2 MB"_s.arg(Rows).arg(double(bytes.size()) / (1 << 20), 0, 'f', 1);
    run.table.ratio(u"P3 worksheet export, %1"_s.arg(size), exported, raw, 2);
    run.table.ratio(u"P3 the same, rows still on the server"_s, searched, raw, 0);
}
