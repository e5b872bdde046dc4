#pragma once

#include "EZP010.h"

class TfrmEBP070 : public TfrmEZP010
{
    Q_OBJECT

public:
    explicit TfrmEBP070(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
