#pragma once

#include "EZP010.h"

// The printed list of the season's lockers, with its count.
class TfrmEHP030 : public TfrmEZP010
{
    Q_OBJECT

public:
    explicit TfrmEHP030(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
