#pragma once

#include "EZP010.h"

class TfrmECP110 : public TfrmEZP010
{
    Q_OBJECT

public:
    explicit TfrmECP110(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
