#pragma once

#include "CrossTableScreen.h"

class TfrmEEP040 : public CrossTableLayout
{
    Q_OBJECT

public:
    explicit TfrmEEP040(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
