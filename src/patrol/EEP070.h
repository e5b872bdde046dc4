#pragma once

#include "CrossTableScreen.h"

class TfrmEEP070 : public CrossTableLayout
{
    Q_OBJECT

public:
    explicit TfrmEEP070(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
