#pragma once

#include "CrossTableScreen.h"

class TfrmEEP060 : public CrossTableLayout
{
    Q_OBJECT

public:
    explicit TfrmEEP060(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
