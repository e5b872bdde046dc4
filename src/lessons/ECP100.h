#pragma once

#include "EZP010.h"

class TfrmECP100 : public TfrmEZP010
{
    Q_OBJECT

public:
    explicit TfrmECP100(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
