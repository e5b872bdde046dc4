#pragma once

#include "CodeServices.h"
#include "FieldTable.h"

#include <QString>

class QWidget;

// Openers of the lookup dialogs. Each shows its dialog modally; when the
// operator chose OK it fills the outputs and returns true, otherwise it
// returns false and leaves the outputs as they were. "typed" inputs are
// what the caller's field holds so far: a non-empty one searches at once.

// Postal code as 6 digits without the dash, and the address.
bool PickPostalCode(QString &zipCode, QString &address, QWidget *parent = nullptr);
// PickPostalCode as a postal code field's lookup:
//   {.kind = FieldKind::PostalCode, .field = u"ZIP_CODE"_s, .pick = PostalLookup()}
CodePick PostalLookup();
// A rental of the date (date key) and area.
bool PickRental(const QString &rentDate, const QString &area, const QString &typedRentNo, QString &rentNo,
                QWidget *parent = nullptr);
// A member that has not cancelled.
bool PickMember(const QString &typedName, QString &memberNo, QString &memberName, QWidget *parent = nullptr);
// A code of a common code group, under the given caption.
bool PickCode(const QString &caption, const QString &group, QString &code, QString &label, QWidget *parent = nullptr);
// PickCode under that caption, as a code + name field's lookup:
//   {.kind = FieldKind::CodeName, .codeGroup = u"E0004"_s, .pick = CodeLookup(u"스키 시즌구분"_s)}
CodePick CodeLookup(const QString &caption);
// A ski school receipt of the season; the registration date as 'YYYY-MM-DD'.
bool PickSkiSchoolReceipt(const QString &season, QString &receiptNo, QString &enterDate, QString &receiptName,
                          QWidget *parent = nullptr);
// A partner group that has not cancelled.
bool PickPartnerGroup(const QString &typedName, QString &groupNo, QString &groupName, QWidget *parent = nullptr);
// A badge test entrant of the season: receipt number in 6 digits, apply
// date as a key, resident number as 13 digits.
bool PickEntrant(const QString &season, Entrant &entrant, QWidget *parent = nullptr);
// An instructor (employee or day worker).
bool PickInstructor(const QString &typedName, StaffRecord &instructor, QWidget *parent = nullptr);
// An employee (a member whose group begins with "10").
bool PickEmployee(const QString &typedName, QString &empNo, QString &empName, QWidget *parent = nullptr);
// A sports outlet (type "50"), under the given caption.
bool PickOutlet(const QString &caption, QString &outletCode, QString &outletName, QWidget *parent = nullptr);
// The reason for a cancellation, at most 40 characters.
bool EnterCancelRemark(QString &remark, QWidget *parent = nullptr);
