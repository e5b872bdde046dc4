#pragma once

#include <QString>
#include <QStringList>

#include <Qt>

// How a column prints in the screen's list layout: width 0 leaves it off
// the paper; an empty title or no alignment takes the grid's.
struct ColumnPrint
{
    double width = 0;       // mm
    QString title;          // "\n" breaks a heading over lines
    Qt::Alignment alignment = {};
    bool number = false;    // thousands grouped with ","
};

// One grid column, declared as data by a screen:
//   {.title = u"장비번호"_s, .field = u"EQUIP_NO"_s, .width = 80, .dataWidth = 10}
struct ColumnDef
{
    QString title;          // "\n" breaks a title over several lines
    QString field;          // the record field the column shows and edits
    int width = 80;         // pixels
    int dataWidth = 0;      // most CP949 bytes an edit may hold; 0: no limit
    Qt::Alignment alignment = Qt::AlignLeft;
    bool visible = true;
    bool readOnly = false;
    QString codeGroup;      // common-code group of a pick-list column
    bool footer = false;    // the column shows a footer value
    bool key = false;       // identifies a row: entry screens lock it on stored rows
    // How the stored text is shown, such as "9999-99-99" for a date key: each
    // 9 takes the next stored character, anything else is shown as written.
    // A text with another number of characters is shown as stored.
    QString displayMask;
    // A heading over this column and its visible neighbours of the same
    // group, its title on a line below it ("심사자(A)" over "합계").
    QString group;
    ColumnPrint print;
};

// The labels shown and the codes kept of a pick-list column or a code list,
// position for position.
struct PickList
{
    QStringList labels;
    QStringList codes;

    bool isEmpty() const { return codes.isEmpty(); }
    void clear()
    {
        labels.clear();
        codes.clear();
    }
    void append(const QString &label, const QString &code)
    {
        labels.append(label);
        codes.append(code);
    }
    // The label of a code; empty for a code the list lacks.
    QString labelOf(const QString &code) const
    {
        const qsizetype i = codes.indexOf(code);
        return i < 0 ? QString() : labels.at(i);
    }
    QString codeOf(const QString &label) const
    {
        const qsizetype i = labels.indexOf(label);
        return i < 0 ? QString() : codes.at(i);
    }
};
