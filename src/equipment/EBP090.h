#pragma once

#include "EZP000.h"

class TfrmEBP090 : public TfrmEZP000
{
    Q_OBJECT

public:
    explicit TfrmEBP090(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
