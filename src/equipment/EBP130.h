#pragma once

#include "EZP000.h"

class TfrmEBP130 : public TfrmEZP000
{
    Q_OBJECT

public:
    explicit TfrmEBP130(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
