#pragma once

#include "EZP010.h"

class TfrmEBP060 : public TfrmEZP010
{
    Q_OBJECT

public:
    explicit TfrmEBP060(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
