#pragma once

#include "EZP000.h"

// The printed weather list of one station: a day's observations or a
// range's daily averages, with the averages of the search in the summary
// under every column after the first.
class TfrmEAP020 : public TfrmEZP000
{
    Q_OBJECT

public:
    explicit TfrmEAP020(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
