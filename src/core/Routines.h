#pragma once

#include <QString>

#include <stdexcept>

// Small stateless routines every screen uses: date texts, digits and
// numbers, day names, the client address and the password unscrambling.

// Caption of every message box and the name on the splash.
QString ApplicationTitle();

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
// Edit-status text of a grid row state 0..3 ("0".."3").
QString EditStatusText(int state);
// The local host's first IPv4 address as dotted text; empty when the host
// name cannot be resolved.
QString ClientAddress();

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
