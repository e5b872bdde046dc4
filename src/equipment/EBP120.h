#pragma once

#include "EZP000.h"

class TfrmEBP120 : public TfrmEZP000
{
    Q_OBJECT

public:
    explicit TfrmEBP120(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
