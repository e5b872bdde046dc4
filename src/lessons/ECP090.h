#pragma once

#include "EZP010.h"

class TfrmECP090 : public TfrmEZP010
{
    Q_OBJECT

public:
    explicit TfrmECP090(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
