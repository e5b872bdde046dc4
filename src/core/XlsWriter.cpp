#include "XlsWriter.h"

#include "Cp949.h"

#include <QIODevice>
#include <QtEndian>

#include <cstring>

namespace {
// The length word of a text cell counts the eight header bytes too.
constexpr int MaxTextBytes = 0xFFFF - 8;
}

XlsWriter::XlsWriter(QIODevice &device) : m_device(device) {}

namespace {
constexpr qsizetype FlushAt = 1 << 16;
}

void XlsWriter::words(std::initializer_list<quint16> values)
{
    for (quint16 value : values) {
        const quint16 le = qToLittleEndian(value);
        m_pending.append(reinterpret_cast<const char *>(&le), 2);
    }
}

void XlsWriter::bytes(const QByteArray &data)
{
    m_pending.append(data);
    if (m_pending.size() >= FlushAt)
        flush();
}

void XlsWriter::flush()
{
    if (m_ok && m_device.write(m_pending) != m_pending.size())
        m_ok = false;
    m_pending.clear();
}

void XlsWriter::begin()
{
    words({0x0809, 8, 0, 0x0010, 0, 0});
}

void XlsWriter::text(quint16 row, quint16 column, const QString &text)
{
    QByteArray data = ToCp949(text);
    if (data.size() > MaxTextBytes)
        data = ToCp949(CutToCp949Bytes(text, MaxTextBytes));
    const auto length = quint16(data.size());
    words({0x0204, quint16(length + 8), row, column, 0, length});
    bytes(data);
}

void XlsWriter::number(quint16 row, quint16 column, double value)
{
    words({0x0203, 14, row, column, 0});
    quint64 raw = 0;
    static_assert(sizeof raw == sizeof value);
    std::memcpy(&raw, &value, sizeof raw);
    raw = qToLittleEndian(raw);
    m_pending.append(reinterpret_cast<const char *>(&raw), 8);
    if (m_pending.size() >= FlushAt)
        flush();
}

void XlsWriter::end()
{
    words({0x000A, 0});
    flush();
}

bool XlsWriter::IsNumberCell(const QString &text, bool rightAligned)
{
    if (!rightAligned)
        return false;
    if (text.isEmpty())
        return true;
    const qsizetype start = text.startsWith(u'-') ? 1 : 0;
    // A lone "-" has no value to write: it stays text.
    if (start == text.size())
        return false;
    for (qsizetype i = start; i < text.size(); ++i)
        if (text.at(i) < u'0' || text.at(i) > u'9')
            return false;
    return true;
}
