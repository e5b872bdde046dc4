#pragma once

#include "EZP010.h"

class TfrmECP130 : public TfrmEZP010
{
    Q_OBJECT

public:
    explicit TfrmECP130(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
