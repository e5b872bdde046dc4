#pragma once

#include "TfrmEZP010.h"

class TfrmEBP110 : public TfrmEZP010
{
    Q_OBJECT

public:
    explicit TfrmEBP110(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
