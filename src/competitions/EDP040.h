#pragma once

#include "EZP010.h"

class TfrmEDP040 : public TfrmEZP010
{
    Q_OBJECT

public:
    explicit TfrmEDP040(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
