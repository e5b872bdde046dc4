// The worksheet export of a search screen's list, 10 columns, as many rows
// as the format's 16-bit row numbers hold, against a one-buffer encoder of
// the same cells written here: the same records with the text turned into
// CP949 by a table, gathered in one buffer and written once.
#include "Bench.h"
#include "Benches.h"
#include "Cp949.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "WorksheetScreen.h"
#include "XlsWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <array>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// The most rows a worksheet holds below its title and column captions.
constexpr int MostRows = 65533;
constexpr int Columns = TfrmBXS010::Columns;

// The floor's encoder: every UTF-16 unit's CP949 bytes looked up in a table
// made once (outside the clock), the records gathered in one buffer.
class OneBufferEncoder
{
public:
    OneBufferEncoder()
    {
        for (int unit = 0; unit < 0x10000; ++unit) {
            const QByteArray bytes = unit >= 0xD800 && unit < 0xE000 ? QByteArray("?") : ToCp949(QString(QChar(unit)));
            Unit &u = m_table[size_t(unit)];
            u.length = quint8(std::min<qsizetype>(bytes.size(), 2));
            std::memcpy(u.bytes, bytes.constData(), u.length);
        }
    }

    // The bytes written straight into one buffer, made once (by a first
    // call outside the clock) for the longest the cells can take (two bytes
    // a UTF-16 unit); what it returns lives until the next call.
    QByteArrayView encode(const TfrmBXS010::Cells &cells)
    {
        qsizetype most = 64 + 12 + 2 * cells.title.size();
        for (const QString &caption : cells.captions)
            most += 12 + 2 * caption.size();
        for (const QStringList &values : cells.rows)
            for (const QString &value : values)
                most += std::max<qsizetype>(18, 12 + 2 * value.size());
        if (m_out.size() < most)
            m_out = QByteArray(most, '\0');
        char *at = m_out.data();
        words(at, {0x0809, 8, 0, 0x0010, 0, 0});
        text(at, 0, 0, cells.title);
        for (int c = 0; c < cells.captions.size(); ++c)
            text(at, 2, quint16(c), cells.captions.at(c));
        for (int row = 0; row < cells.rows.size(); ++row) {
            const QStringList &values = cells.rows.at(row);
            for (int c = 0; c < values.size(); ++c) {
                const QString &value = values.at(c);
                const auto cellRow = quint16(row + 3);
                if (XlsWriter::IsNumberCell(value, cells.rightAligned.at(c))) {
                    words(at, {0x0203, 14, cellRow, quint16(c), 0});
                    const double number = value.isEmpty() ? 0.0 : value.toDouble();
                    quint64 raw = 0;
                    std::memcpy(&raw, &number, sizeof raw);
                    raw = qToLittleEndian(raw);
                    std::memcpy(at, &raw, 8);
                    at += 8;
                } else {
                    text(at, cellRow, quint16(c), value);
                }
            }
        }
        words(at, {0x000A, 0});
        return QByteArrayView(m_out.constData(), at - m_out.constData());
    }

private:
    struct Unit
    {
        quint8 length;
        char bytes[2];
    };

    static void words(char *&at, std::initializer_list<quint16> values)
    {
        for (quint16 value : values) {
            qToLittleEndian(value, at);
            at += 2;
        }
    }

    void text(char *&at, quint16 row, quint16 column, const QString &value) const
    {
        char *header = at;
        at += 12;
        for (const QChar unit : value) {
            const Unit &u = m_table[unit.unicode()];
            at[0] = u.bytes[0];
            at[1] = u.bytes[1];
            at += u.length;
        }
        // The two lengths are known once the text is in: the record's (the
        // cell header's eight bytes and the text) and the text's.
        const auto length = quint16(at - header - 12);
        char *head = header;
        words(head, {0x0204, quint16(length + 8), row, column, 0, length});
    }

    std::array<Unit, 0x10000> m_table{};
    QByteArray m_out;
};

} // namespace

// Size: the rows exported (65,533, the most the format holds); the growth
// table adds a quarter and a half of it.
void BenchExport(BenchRun &run)
{
    const int rows = std::min(run.size("P3", MostRows), MostRows);
    RecordingModal modal;
    QTemporaryDir dir;
    const QString file = dir.filePath(u"export.xls"_s);
    const QString floorFile = dir.filePath(u"floor.xls"_s);
    const auto encoder = std::make_unique<OneBufferEncoder>();
    QList<std::pair<int, double>> growth;
    for (const int size : {rows / 4, rows / 2, rows}) {
        const bool last = size == rows;
        ShownScreen<TfrmBXS010> screen(size);
        // The export of a list read whole before, or of one freshly searched
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
        screen.press(Qt::Key_F3);
        screen->readAll();
        const TfrmBXS010::Cells cells = screen->cells();
        encoder->encode(cells);
        const auto floor = [&] {
            return TimeMs([&] {
                const QByteArrayView bytes = encoder->encode(cells);
                QFile out(floorFile);
                if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)
                    || out.write(bytes.data(), bytes.size()) != bytes.size())
                    qFatal("cannot write %s", qPrintable(floorFile));
            });
        };
        QList<std::function<double()>> paths{[&] { return exportOnce(true); }, floor};
        if (last)
            paths.append([&] { return exportOnce(false); });
        const QList<Sample> s = Interleave(last ? run.runs : std::min(run.runs, 3), paths);
        growth.append({size, s.at(0).median()});
        if (!last)
            continue;
        QFile written(file), encoded(floorFile);
        written.open(QIODevice::ReadOnly);
        encoded.open(QIODevice::ReadOnly);
        const QByteArray bytes = written.readAll();
        const QByteArray floorBytes = encoded.readAll();
        if (bytes != floorBytes) {
            qsizetype at = 0;
            while (at < bytes.size() && at < floorBytes.size() && bytes.at(at) == floorBytes.at(at))
                ++at;
            run.table.note(u"P3: the floor's bytes differ from the export's at byte %1 of %2 (floor: %3): %4 / %5"_s
                               .arg(at).arg(bytes.size()).arg(floorBytes.size())
                               .arg(QString::fromLatin1(bytes.mid(at, 12).toHex()), QString::fromLatin1(floorBytes.mid(at, 12).toHex())));
        }
        const QString what = u"%L1 rows x %2 columns, %3 MB"_s.arg(size).arg(Columns).arg(double(bytes.size()) / (1 << 20), 0, 'f', 1);
        run.table.ratio(u"P3 worksheet export, %1 (floor: one-buffer encoder)"_s.arg(what), s.at(0), s.at(1), 2);
        run.table.ratio(u"P3 the same, rows still on the server"_s, s.at(2), s.at(1), 0);
    }
    run.table.growth(u"P3 worksheet export"_s, u"rows"_s, growth);
}
