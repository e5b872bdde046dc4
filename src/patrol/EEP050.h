#pragma once

#include "CrossTableScreen.h"

class TfrmEEP050 : public CrossTableLayout
{
    Q_OBJECT

public:
    explicit TfrmEEP050(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
