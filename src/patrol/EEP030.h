#pragma once

#include "CrossTableScreen.h"

class TfrmEEP030 : public CrossTableLayout
{
    Q_OBJECT

public:
    explicit TfrmEEP030(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
