#pragma once

#include "EZP010.h"

class TfrmEDP050 : public TfrmEZP010
{
    Q_OBJECT

public:
    explicit TfrmEDP050(const QList<ColumnDef> &columns, QObject *parent = nullptr);

    report::Layout Layout() const override;
};
