#include "Cp949.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <memory>

#include <cerrno>

namespace {

class Converter
{
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_cd != iconv_t(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts one whole input; an invalid or unconvertible input character
    // becomes '?'. utf8Input tells how wide such a character is to skip.
    QByteArray convert(const QByteArray &input, bool utf8Input)
    {
        QByteArray out;
        if (m_cd == iconv_t(-1))
            return out;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char *in = const_cast<char *>(input.constData());
        size_t inLeft = size_t(input.size());
        char buffer[256];
        while (inLeft > 0) {
            char *o = buffer;
            size_t outLeft = sizeof buffer;
            const size_t r = iconv(m_cd, &in, &inLeft, &o, &outLeft);
            out.append(buffer, qsizetype(sizeof buffer - outLeft));
            if (r != size_t(-1) || errno == E2BIG)
                continue;
            out.append('?');
            size_t skip = 1;
            if (utf8Input)
                while (skip < inLeft && (quint8(in[skip]) & 0xC0) == 0x80)
                    ++skip;
            in += skip;
            inLeft -= skip;
        }
        return out;
    }

private:
    iconv_t m_cd;
};

Converter &encoder()
{
    thread_local Converter c("CP949", "UTF-8");
    return c;
}

Converter &decoder()
{
    thread_local Converter c("UTF-8", "CP949");
    return c;
}

// The CP949 bytes of one UTF-16 unit, learnt from the converter the first
// time the unit is met: CP949 is stateless, a character at a time, so a
// text's bytes are its units' bytes one after the other (a cell export
// would otherwise cost a converter reset and a UTF-8 copy per cell).
struct UnitBytes
{
    quint8 size = 0; // 0: not learnt yet
    char bytes[2] = {};
};

using UnitTable = std::array<UnitBytes, 0x10000>;

UnitTable &unitTable()
{
    thread_local std::unique_ptr<UnitTable> learnt;
    if (!learnt)
        learnt = std::make_unique<UnitTable>();
    return *learnt;
}

const UnitBytes &unitBytes(UnitTable &table, char16_t unit)
{
    UnitBytes &entry = table[unit];
    if (entry.size == 0) [[unlikely]] {
        const QByteArray bytes = QChar::isSurrogate(unit) ? QByteArray("?")
                                                          : encoder().convert(QString(QChar(unit)).toUtf8(), true);
        entry.size = quint8(std::clamp(int(bytes.size()), 1, 2));
        std::copy_n(bytes.isEmpty() ? "?" : bytes.constData(), entry.size, entry.bytes);
    }
    return entry;
}

} // namespace

QByteArray ToCp949(const QString &text)
{
    // ASCII is the same in both: codes, numbers and dates need no converter.
    const auto ascii = [](QChar c) { return c.unicode() < 0x80; };
    if (std::all_of(text.cbegin(), text.cend(), ascii))
        return text.toLatin1();
    UnitTable &table = unitTable();
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    char *o = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        // A character beyond the first plane has no CP949 form: one '?'.
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            *o++ = '?';
            ++i;
            continue;
        }
        const UnitBytes &bytes = unitBytes(table, unit);
        *o++ = bytes.bytes[0];
        if (bytes.size == 2)
            *o++ = bytes.bytes[1];
    }
    out.truncate(o - out.constData());
    return out;
}

QString FromCp949(const QByteArray &bytes)
{
    return QString::fromUtf8(decoder().convert(bytes, false));
}

int Cp949Length(const QString &text)
{
    return int(ToCp949(text).size());
}

QString CutToCp949Bytes(const QString &text, int maxBytes)
{
    if (maxBytes <= 0)
        return {};
    // Fast path: the whole text fits.
    if (text.size() * 2 <= maxBytes || Cp949Length(text) <= maxBytes)
        return text;
    int used = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const int bytes = Cp949Length(text.mid(i, width));
        if (used + bytes > maxBytes)
            break;
        used += bytes;
        i += width;
    }
    return text.left(i);
}
