#pragma once

#include "EZP010.h"

class TfrmECP150 : public TfrmEZP010
{
    Q_OBJECT

public:
    explicit TfrmECP150(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
