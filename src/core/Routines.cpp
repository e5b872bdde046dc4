#include "Routines.h"

#include <QCoreApplication>
#include <QDate>
#include <QHostInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <array>

using namespace Qt::StringLiterals;

QString ApplicationTitle()
{
    return u"스포츠 관리"_s;
}

bool UseKorean()
{
    QLocale::setDefault(QLocale(QLocale::Korean, QLocale::SouthKorea));
    static QTranslator *qtTexts = nullptr;
    if (qtTexts)
        return !qtTexts->isEmpty();
    qtTexts = new QTranslator(QCoreApplication::instance());
    const bool loaded = qtTexts->load(u"qtbase_ko"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded)
        QCoreApplication::installTranslator(qtTexts);
    return loaded;
}

QString DigitsOnly(const QString &text)
{
    QString digits;
    digits.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if ((c >= u'0' && c <= u'9') || (i == 0 && c == u'-'))
            digits.append(c);
    }
    return digits;
}

namespace {

// The date of an 8-digit 'YYYYMMDD' text, invalid for anything else.
QDate dateOfKey(const QString &key)
{
    if (key.size() != 8)
        return {};
    for (QChar c : key)
        if (c < u'0' || c > u'9')
            return {};
    return QDate(key.left(4).toInt(), key.mid(4, 2).toInt(), key.mid(6, 2).toInt());
}

} // namespace

QString DateToDisplay(const QString &text)
{
    const QString digits = DigitsOnly(text);
    const QDate date = dateOfKey(digits);
    if (!date.isValid())
        return text;
    return digits.left(4) + u'-' + digits.mid(4, 2) + u'-' + digits.mid(6, 2);
}

QString DateToKey(const QString &text)
{
    if (text.size() != 10 || text.at(4) != u'-' || text.at(7) != u'-')
        return text;
    const QString key = text.left(4) + text.mid(5, 2) + text.mid(8, 2);
    return dateOfKey(key).isValid() ? key : text;
}

bool IsDateKey(const QString &text)
{
    return text.size() == 8 && DateToDisplay(text).size() == 10 && dateOfKey(text).isValid();
}

QString TodayKey()
{
    return QDate::currentDate().toString(u"yyyyMMdd"_s);
}

QString DayName(const QString &dateKey)
{
    static const std::array<QString, 7> names = {u"일요일"_s, u"월요일"_s, u"화요일"_s, u"수요일"_s,
                                                 u"목요일"_s, u"금요일"_s, u"토요일"_s};
    const QDate date = dateOfKey(dateKey);
    if (!date.isValid())
        return {};
    return names[date.dayOfWeek() % 7]; // Qt counts Monday 1 .. Sunday 7
}

qint64 TextToInt64(const QString &text)
{
    qsizetype start = 0;
    while (start < text.size() && text.at(start).isSpace())
        ++start;
    const QString rest = text.mid(start);
    if (rest.isEmpty() || rest.back().isSpace())
        return 0;
    bool ok = false;
    const qint64 value = rest.toLongLong(&ok);
    return ok ? value : 0;
}

QString Int64ToText(qint64 value)
{
    return QString::number(value);
}

QString CounterIdentity(const QString &configured)
{
    const QString id = configured.trimmed();
    return id.isEmpty() ? QHostInfo::localHostName() : id;
}

namespace {

constexpr std::array<quint8, 32> OuterOffsets = {3, 7,  1, 12, 5,  9, 14, 2,  11, 6, 8, 4,  13, 10, 15, 1,
                                                  6, 2,  9, 12, 3, 14, 7,  5,  11, 8, 1, 10, 4,  13, 2,  15};
constexpr quint16 KeyMultiplier = 52845;
constexpr quint16 KeyAddend = 22719;

QByteArray fromHexPairs(const QString &text)
{
    if (text.size() % 2 != 0)
        throw ConversionError("'" + text.right(1).toStdString() + "' is not a valid hexadecimal value");
    QByteArray bytes;
    bytes.reserve(text.size() / 2);
    for (qsizetype i = 0; i < text.size(); i += 2) {
        bool ok = false;
        const QString pair = text.mid(i, 2);
        const uint value = pair.toUInt(&ok, 16);
        if (!ok || pair.startsWith(u'+') || pair.startsWith(u'-') || pair.contains(u' '))
            throw ConversionError("'" + pair.toStdString() + "' is not a valid hexadecimal value");
        bytes.append(char(value));
    }
    return bytes;
}

} // namespace

QString Unscramble(const QString &stored, quint16 startKey)
{
    QByteArray outer = fromHexPairs(stored);
    for (qsizetype i = 0; i < outer.size() && i < qsizetype(OuterOffsets.size()); ++i)
        outer[i] = char(quint8(outer[i]) + OuterOffsets[i]);

    qsizetype begin = 0, end = outer.size();
    while (begin < end && quint8(outer[begin]) <= 0x20)
        ++begin;
    while (end > begin && quint8(outer[end - 1]) <= 0x20)
        --end;
    const QByteArray inner = fromHexPairs(QString::fromLatin1(outer.mid(begin, end - begin)));

    QByteArray plain;
    plain.reserve(inner.size());
    quint16 key = startKey;
    for (char c : inner) {
        const quint8 byte = quint8(c);
        plain.append(char(byte ^ (key >> 8)));
        key = quint16((byte + key) * KeyMultiplier + KeyAddend);
    }
    return QString::fromUtf8(plain);
}

QString Scramble(const QString &password, quint16 startKey)
{
    QByteArray inner;
    quint16 key = startKey;
    for (char c : password.toUtf8()) {
        const quint8 byte = quint8(c) ^ quint8(key >> 8);
        inner.append(char(byte));
        key = quint16((byte + key) * KeyMultiplier + KeyAddend);
    }
    QByteArray innerText = inner.toHex().toUpper();
    while (innerText.size() < qsizetype(OuterOffsets.size()))
        innerText.append(' ');
    for (qsizetype i = 0; i < innerText.size() && i < qsizetype(OuterOffsets.size()); ++i)
        innerText[i] = char(quint8(innerText[i]) - OuterOffsets[i]);
    return QString::fromLatin1(innerText.toHex().toUpper());
}
