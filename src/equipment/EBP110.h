#pragma once

#include "EZP010.h"

class TfrmEBP110 : public TfrmEZP010
{
    Q_OBJECT

public:
    explicit TfrmEBP110(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
