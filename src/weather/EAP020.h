#pragma once

#include "TfrmEZP000.h"

// The printed weather list of one station: a day's observations or a
// range's daily averages, with the averages of the search in the summary.
class TfrmEAP020 : public TfrmEZP000
{
    Q_OBJECT

public:
    // The first column: the time of an observation or the date of a day.
    TfrmEAP020(const QString &firstTitle, const QString &firstField, QObject *parent = nullptr);
};
