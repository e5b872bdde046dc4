#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The accident record (ee010ms) as the patrol screens read and write it.
namespace accident {

struct Column
{
    QString field;     // column of ee010ms
    QString title;     // grid title, the key of the binding
    int dataWidth = 0; // most CP949 bytes a cell keeps; 0: a number
    QString codeGroup; // the common-code group of a code column (IN_SKI_NAME: its labels)
    int width = 0;     // grid width in pixels of the visible columns; 0: hidden
    bool personal = false; // stored encrypted, read through fn_za010ms_04
};

// Every column, in the order of the table: the grid's order and that of the
// save procedure's parameters.
const QList<Column> &Columns();
const Column *Find(const QString &field);

// The select list of the record columns in table order, the number shown as
// four digits and the personal columns readable, followed by `extra` and
// the record's version (ROW_VER).
QString SelectList(const QStringList &extra = {});

// The position (0-based) in the accident time classes ("E0028") of a time
// 'HHMM'; -1 before 06:30 or for what is not a time of day.
int TimeClassPosition(const QString &hhmm);
// Whether a text is a time of day 'HHMM' (0000 to 2359).
bool IsTimeOfDay(const QString &hhmm);
// The peak number of a place class: "1" for "P1", ...; empty for none.
QString PeakNumber(const QString &placeClass);

} // namespace accident
