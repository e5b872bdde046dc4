#pragma once

#include "EZP010.h"

class TfrmEDP060 : public TfrmEZP010
{
    Q_OBJECT

public:
    explicit TfrmEDP060(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
