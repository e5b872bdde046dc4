#pragma once

#include "EZP000.h"

class TfrmEBP080 : public TfrmEZP000
{
    Q_OBJECT

public:
    explicit TfrmEBP080(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
