#pragma once

#include "EZP010.h"

class TfrmECP180 : public TfrmEZP010
{
    Q_OBJECT

public:
    explicit TfrmECP180(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
