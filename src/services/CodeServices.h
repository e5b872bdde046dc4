#pragma once

#include <QString>

class CodeCombo;
class GridModel;

// Code lists, one-row lookups and the business checks several screens share.
// Each runs one query on the process's connection (opening it first when it
// is closed) and shows no message. A statement the server refuses throws
// ServerError; everything else answers as documented per function.

// Conditions on the attributes ITEM1..ITEM15 of the common code table; an
// empty value sets no condition. The values are bound, never written into
// the statement:  FillCodeList(combo, u"E0010"_s, {.item3 = u"Y"_s})
struct CodeFilters
{
    QString item1, item2, item3, item4, item5, item6, item7, item8, item9, item10, item11, item12, item13,
        item14, item15;

    // ITEMn for n in 1..15.
    const QString &item(int n) const;
};

// Appends the labels and codes of a code group, ordered by code, leaving out
// codes that are blank. True unless reading failed.
bool FillCodeList(CodeCombo &list, const QString &group, const CodeFilters &filters = {});
// The same into the pick list of a grid column.
bool FillColumnCodes(GridModel &grid, int column, const QString &group, const CodeFilters &filters = {});
// The label of a code (compared trimmed); empty when there is none.
QString CodeName(const QString &group, const QString &code, const CodeFilters &filters = {});

// Name of a member that has not cancelled; empty otherwise.
QString MemberName(const QString &memberNo);
// Name of a partner group (a member of group "44") that has not cancelled.
QString EventName(const QString &eventNo);
// Name of an employee (a member whose group begins with "10").
QString EmployeeName(const QString &employeeNo);

// An instructor: an employee in service in work "81", or a day worker whose
// engagement has not ended.
struct StaffRecord
{
    QString empNo;
    QString name;
    QString workGroupCode; // work team, HR code group "Q043"
    QString workGroupName;
    QString gradeCode;     // grade, HR code group "Q044"
    QString gradeName;
};
// All empty but empNo when the number is no instructor. An employee wins
// over a day worker with the same number.
StaffRecord StaffInfo(const QString &employeeNo);

struct Receipt
{
    QString enterDate; // date key
    QString name;
};
// A ski school receipt, its number compared as a number ("7" finds
// "0000000007"); both empty when there is none.
Receipt ReceiptInfo(const QString &season, const QString &receiptNo);

// A badge test entrant.
struct Entrant
{
    QString receiptNo; // six digits
    QString name;
    QString applyDate; // date key
    QString idNo;      // resident number, 13 digits
    QString className; // label of group "E0026"
};
// All empty when there is none; a receipt number that is not a number has none.
Entrant EntrantInfo(const QString &season, const QString &receiptNo);

// The address of a postal code, each of its three parts followed by a blank.
QString PostalAddress(const QString &zipCode);

// True when the date has no course or lift operation record.
bool NoOperationRecords(const QString &dateKey);
// A lesson slot open for staff bookings.
struct LessonSlot
{
    QString date;      // date key
    QString item;      // discipline, "E0022"
    QString reception; // booking class, "E0023"
    QString detail;    // detail class, "E0024"
};
// True when the employee holds no booking for the slot.
bool NotReserved(const LessonSlot &slot, const QString &employeeNo);
// Places of the slot; 0 for a slot that is not open; -1 when unreadable.
int ReservationCapacity(const LessonSlot &slot);
// Persons booked for the slot; -1 when unreadable.
int ReservedCount(const LessonSlot &slot);

// True for a date key 'YYYYMMDD' of a real date once blanks are removed.
bool IsValidYmd(const QString &text);
// The text with "0" in front up to the length; a longer text unchanged.
QString PadZeros(const QString &text, int length);

// The LIKE pattern that finds the typed text anywhere, the text taken
// literally: use it with "LIKE :X ESCAPE '!'".
QString LikeAnywhere(const QString &typed);
