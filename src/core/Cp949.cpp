#include "Cp949.h"

#include <iconv.h>

#include <algorithm>

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

} // namespace

QByteArray ToCp949(const QString &text)
{
    // ASCII is the same in both: codes, numbers and dates need no converter.
    const auto ascii = [](QChar c) { return c.unicode() < 0x80; };
    if (std::all_of(text.cbegin(), text.cend(), ascii))
        return text.toLatin1();
    return encoder().convert(text.toUtf8(), true);
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
