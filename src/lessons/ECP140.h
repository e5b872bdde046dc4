#pragma once

#include "EZP010.h"

class TfrmECP140 : public TfrmEZP010
{
    Q_OBJECT

public:
    explicit TfrmECP140(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
