#pragma once

#include "EZP000.h"

class TfrmEEP020 : public TfrmEZP000
{
    Q_OBJECT

public:
    explicit TfrmEEP020(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
