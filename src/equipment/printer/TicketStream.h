#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The values of one rental ticket as the rental screen holds them; the
// stream builder does the ticket's own formatting (dates, padded number).
struct TRentTicketInfo
{
    QString ticketKindName; // display name, code group "I0005"
    QString equipKindName;  // display name, code group "E0009"
    QString rentStatName;   // display name, code group "E0012"
    QString areaName;       // display name, code group "E0017"
    QString rentDate;       // working date, YYYYMMDD
    QString rentName;
    QString height;
    QString weight;
    QString bootsSizeName;  // display name, code group "E0011"
    QString periodFrom;     // YYYYMMDD; empty when the row has no period
    QString periodTo;       // YYYYMMDD
    QString rentNo;         // as the server returned it
    QString boxNo;          // storage box of the rental head
};

// The values of one storage ticket as the storage screen holds them.
struct TKeepTicketInfo
{
    QString season;       // season code
    QString keepNo;       // KEEP_NO
    QString keepName;
    QString equipName;    // display name, code group "E0021"
    QString nativeNo;     // the equipment's own serial number, without parentheses
    QString keepKindName; // display name, code group "E0016"
    QString inDate;       // date of deposit, YYYYMMDD
    QString boxNo;
};

// One ticket as the printer receives it, in CP949: one entry per write, from
// "<CB>" to "<p>". "<" and ">" inside a value are sent as their full-width
// forms so that no value can open a tag of its own, control characters as
// spaces so that none is a command.
QList<QByteArray> RentTicketWrites(const TRentTicketInfo &info);
QList<QByteArray> KeepTicketWrites(const TKeepTicketInfo &info);

// The same writes joined: the exact bytes of one ticket.
QByteArray RentTicketStream(const TRentTicketInfo &info);
QByteArray KeepTicketStream(const TKeepTicketInfo &info);

// The ticket forms of a YYYYMMDD date ("2004.01.31", "2004/01/31"); a text
// that is not such a date comes back unchanged.
QString TicketDate(const QString &yyyymmdd, QChar separator);
// A rental or storage number left-padded with "0" to ten characters; a longer
// number is kept whole.
QString TicketNumber(const QString &number);
