#include "Cp949.h"
#include "TicketStream.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

// Each folder under tickets/ is one ticket:
//   ticket.json   "ticket": "rent" or "keep", then the values by field name;
//   expected.txt  the writes as the printer receives them, one per line, UTF-8;
//   expected.bin  the exact bytes, made from expected.txt by an encoder other
//                 than ours: tr -d '\n' < expected.txt | iconv -f UTF-8 -t CP949
namespace {

template <typename Info>
using Fields = QList<std::pair<QString, QString Info::*>>;

const Fields<TRentTicketInfo> RentFields = {
    {u"ticketKindName"_s, &TRentTicketInfo::ticketKindName},
    {u"equipKindName"_s, &TRentTicketInfo::equipKindName},
    {u"rentStatName"_s, &TRentTicketInfo::rentStatName},
    {u"areaName"_s, &TRentTicketInfo::areaName},
    {u"rentDate"_s, &TRentTicketInfo::rentDate},
    {u"rentName"_s, &TRentTicketInfo::rentName},
    {u"height"_s, &TRentTicketInfo::height},
    {u"weight"_s, &TRentTicketInfo::weight},
    {u"bootsSizeName"_s, &TRentTicketInfo::bootsSizeName},
    {u"periodFrom"_s, &TRentTicketInfo::periodFrom},
    {u"periodTo"_s, &TRentTicketInfo::periodTo},
    {u"rentNo"_s, &TRentTicketInfo::rentNo},
    {u"boxNo"_s, &TRentTicketInfo::boxNo},
};

const Fields<TKeepTicketInfo> KeepFields = {
    {u"season"_s, &TKeepTicketInfo::season},
    {u"keepNo"_s, &TKeepTicketInfo::keepNo},
    {u"keepName"_s, &TKeepTicketInfo::keepName},
    {u"equipName"_s, &TKeepTicketInfo::equipName},
    {u"nativeNo"_s, &TKeepTicketInfo::nativeNo},
    {u"keepKindName"_s, &TKeepTicketInfo::keepKindName},
    {u"inDate"_s, &TKeepTicketInfo::inDate},
    {u"boxNo"_s, &TKeepTicketInfo::boxNo},
};

// Null when the object names a field the ticket does not have.
template <typename Info>
std::optional<Info> Read(const QJsonObject &object, const Fields<Info> &fields)
{
    Info info;
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key() == u"ticket")
            continue;
        const auto field = std::find_if(fields.begin(), fields.end(), [&](const auto &f) { return f.first == it.key(); });
        if (field == fields.end())
            return std::nullopt;
        info.*(field->second) = it.value().toString();
    }
    return info;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestTicketStream : public QObject
{
    Q_OBJECT

private slots:
    void streams_data()
    {
        QTest::addColumn<QString>("folder");
        const QDir root(QStringLiteral(TICKET_CASES));
        const QStringList cases = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        QVERIFY(!cases.isEmpty());
        for (const QString &name : cases)
            QTest::newRow(qPrintable(name)) << root.filePath(name);
    }

    void streams()
    {
        QFETCH(QString, folder);
        const QDir dir(folder);
        const QJsonObject object = QJsonDocument::fromJson(ReadAll(dir.filePath(u"ticket.json"_s))).object();
        const QString kind = object.value(u"ticket"_s).toString();

        QList<QByteArray> writes;
        QByteArray stream;
        if (kind == u"rent") {
            const auto info = Read(object, RentFields);
            QVERIFY2(info, "ticket.json names a field TRentTicketInfo lacks");
            writes = RentTicketWrites(*info);
            stream = RentTicketStream(*info);
        } else if (kind == u"keep") {
            const auto info = Read(object, KeepFields);
            QVERIFY2(info, "ticket.json names a field TKeepTicketInfo lacks");
            writes = KeepTicketWrites(*info);
            stream = KeepTicketStream(*info);
        } else {
            QFAIL("ticket.json: \"ticket\" must be \"rent\" or \"keep\"");
        }

        QStringList expectedWrites = QString::fromUtf8(ReadAll(dir.filePath(u"expected.txt"_s))).split(u'\n');
        if (expectedWrites.endsWith(QString()))
            expectedWrites.removeLast();
        // One element, one write: the same bytes split where the layout splits them.
        QStringList actualWrites;
        for (const QByteArray &write : writes)
            actualWrites << FromCp949(write);
        QCOMPARE(actualWrites, expectedWrites);

        const QByteArray expectedBytes = ReadAll(dir.filePath(u"expected.bin"_s));
        QVERIFY(!expectedBytes.isEmpty());
        QCOMPARE(stream.toHex(' '), expectedBytes.toHex(' '));
    }
};

QTEST_GUILESS_MAIN(TestTicketStream)
#include "tst_ticketstream.moc"
