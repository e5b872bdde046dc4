#pragma once

#include <QString>

#include <stdexcept>

// Small stateless routines every screen uses: date texts, digits and
// numbers, day names, the client address and the password unscrambling.

// Caption of every message box and the name on the splash.
QString ApplicationTitle();

// Korean for the whole process whatever the machine's locale: the default
// locale (day and month names, weeks from Sunday) and Qt's own texts (Yes and
// No, the file and print dialogs). Call once the application object exists;
// false when Qt's Korean texts are not installed.
bool UseKorean();

// Digits 0-9, and a minus sign in the first position.
QString DigitsOnly(const QString &text);
// 'YYYY-MM-DD' when the digits of the text form a valid 'YYYYMMDD' date;
// otherwise the text unchanged.
QString DateToDisplay(const QString &text);
// 'YYYYMMDD' from a valid 'YYYY-MM-DD'; otherwise the text unchanged.
QString DateToKey(const QString &text);
bool IsDateKey(const QString &text);
QString TodayKey();
// "일요일" .. "토요일" for a valid date key, else empty.
QString DayName(const QString &dateKey);
// 0 for a blank or non-integer text; leading blanks are allowed.
qint64 TextToInt64(const QString &text);
QString Int64ToText(qint64 value);
// The workstation's identity recorded with every write and every hold:
// `configured` (the counter id of the workstation's INI) when set, else the
// host name. Not an address: a counter keeps its identity when its address
// changes, and every Debian host resolves its own name to a loopback address.
QString CounterIdentity(const QString &configured);

// Raised when a stored password is not made of hexadecimal digit pairs.
class ConversionError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The 16-bit start key shared with the tool that writes RVUpdate.ini.
inline constexpr quint16 PasswordStartKey = 0x4B53;
QString Unscramble(const QString &stored, quint16 startKey);
// The inverse, for the tool that writes the PASS value.
QString Scramble(const QString &password, quint16 startKey);
