#include "TicketStream.h"

#include "Cp949.h"

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;

namespace {

struct Element
{
    const char *position;
    const char *magnification;
    const char *font;
};

// The printer reads "<" as the start of a tag; the full-width forms look the
// same on paper and exist in CP949. A control character (a pasted line
// break, ESC) would be a command to it: a space stands in.
QString Value(const QString &text)
{
    QString out = text;
    out.replace(u'<', QChar(0xFF1C));
    out.replace(u'>', QChar(0xFF1E));
    for (QChar &c : out)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = u' ';
    return out;
}

QByteArray ElementBytes(const Element &element, const QString &text)
{
    return "<RC" + QByteArray(element.position) + "><HW" + element.magnification + "><F" + element.font + ">"
        + ToCp949(text);
}

QByteArray Joined(const QList<QByteArray> &writes)
{
    QByteArray out;
    for (const QByteArray &write : writes)
        out += write;
    return out;
}

struct RentLine
{
    Element upper;
    Element lower;
};

// Upper and lower copy of each line; the last two lines are the period.
constexpr RentLine RentLayout[] = {
    {{"140,1040", "3,2", "5"}, {"140,480", "3,2", "5"}},
    {{"10,970", "3,2", "5"}, {"10,410", "3,2", "5"}},
    {{"60,890", "2,2", "2"}, {"60,330", "2,2", "2"}},
    {{"20,830", "2,2", "2"}, {"20,270", "2,2", "2"}},
    {{"10,780", "1,1", "3"}, {"10,220", "1,1", "3"}},
    {{"10,740", "1,1", "3"}, {"10,180", "1,1", "3"}},
    {{"10,700", "1,1", "3"}, {"10,140", "1,1", "3"}},
    {{"10,660", "1,1", "3"}, {"10,100", "1,1", "3"}},
    {{"10,620", "1,1", "3"}, {"10,60", "1,1", "3"}},
    {{"10,590", "1,1", "3"}, {"10,30", "1,1", "3"}},
};
constexpr int RentPeriodLines = 2;

constexpr Element KeepLayout[] = {
    {"5,150", "2,2", "3"},   {"70,400", "1,1", "5"},  {"110,10", "2,2", "2"},  {"150,10", "2,2", "2"},
    {"190,10", "2,2", "2"},  {"230,10", "2,2", "2"},  {"270,10", "2,2", "2"},  {"310,10", "2,2", "2"},
    {"70,690", "1,1", "3"},  {"110,690", "1,1", "3"}, {"150,690", "1,1", "3"}, {"190,690", "1,1", "3"},
    {"230,690", "1,1", "3"}, {"270,690", "1,1", "3"}, {"310,690", "1,1", "3"},
};

} // namespace

QString TicketDate(const QString &yyyymmdd, QChar separator)
{
    if (yyyymmdd.size() != 8 || !std::all_of(yyyymmdd.begin(), yyyymmdd.end(), [](QChar c) { return c.isDigit(); }))
        return yyyymmdd;
    return yyyymmdd.left(4) + separator + yyyymmdd.mid(4, 2) + separator + yyyymmdd.mid(6, 2);
}

QString TicketNumber(const QString &number)
{
    return number.rightJustified(10, u'0');
}

QList<QByteArray> RentTicketWrites(const TRentTicketInfo &info)
{
    const QString texts[] = {
        Value(info.ticketKindName),
        u"("_s + Value(info.areaName) + u")"_s + Value(TicketDate(info.rentDate, u'.')),
        Value(info.equipKindName) + u" "_s + Value(info.rentStatName),
        Value(TicketNumber(info.rentNo)) + u"   "_s + Value(info.boxNo),
        u"대여자명:"_s + Value(info.rentName),
        u"신장: "_s + Value(info.height),
        u"체중: "_s + Value(info.weight),
        u"부츠: "_s + Value(info.bootsSizeName),
        u"연일: "_s + Value(TicketDate(info.periodFrom, u'/')) + u"-"_s,
        u"      "_s + Value(TicketDate(info.periodTo, u'/')),
    };
    static_assert(std::size(texts) == std::size(RentLayout));
    const qsizetype lines = std::ssize(RentLayout) - (info.periodFrom.isEmpty() ? RentPeriodLines : 0);

    QList<QByteArray> writes{"<CB>", "<RR>"};
    for (qsizetype i = 0; i < lines; ++i)
        writes << ElementBytes(RentLayout[i].upper, texts[i]);
    for (qsizetype i = 0; i < lines; ++i)
        writes << ElementBytes(RentLayout[i].lower, texts[i]);
    writes << "<p>";
    return writes;
}

QList<QByteArray> KeepTicketWrites(const TKeepTicketInfo &info)
{
    const QString number = Value(info.season) + u"-"_s + Value(TicketNumber(info.keepNo));
    const QString serial = u"("_s + Value(info.nativeNo) + u")"_s;
    const QString box = Value(info.boxNo);
    const QString keeper = Value(info.keepName);
    const QString equip = Value(info.equipName);
    const QString kind = Value(info.keepKindName);
    const QString date = Value(TicketDate(info.inDate, u'/'));
    const QString texts[] = {
        u"장비보관증"_s,
        u"NO: "_s + number,
        u"보관함번호: "_s + box,
        u"고객명    : "_s + keeper,
        u"장비명    : "_s + equip,
        QString(10, u' ') + serial,
        u"보관종류  : "_s + kind,
        u"보관일자  : "_s + date,
        number,
        box,
        keeper,
        equip,
        serial,
        kind,
        date,
    };
    static_assert(std::size(texts) == std::size(KeepLayout));

    QList<QByteArray> writes{"<CB>", "<NR>"};
    for (size_t i = 0; i < std::size(KeepLayout); ++i)
        writes << ElementBytes(KeepLayout[i], texts[i]);
    writes << "<p>";
    return writes;
}

QByteArray RentTicketStream(const TRentTicketInfo &info)
{
    return Joined(RentTicketWrites(info));
}

QByteArray KeepTicketStream(const TKeepTicketInfo &info)
{
    return Joined(KeepTicketWrites(info));
}
