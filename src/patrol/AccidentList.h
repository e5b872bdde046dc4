#pragma once

#include "EZS000.h"

// The daily accident lists: one accident a row, codes shown by their
// labels, the place (course over lift) and the injured person (name, sex,
// age, resident number) each stacked in one cell; printed on one line each.
class AccidentList : public TfrmEZS000
{
    Q_OBJECT

public:
    // `dates` is the SQL condition of the searched date or period.
    AccidentList(const TfrmEZS000::Def &screen, const QString &dates, bool withDate, QWidget *parent = nullptr);

    // The place class list: "[전체]" (no condition) then the rows of "E0027".
    static FieldDef PlaceClassField();
};
