#pragma once

#include "CrossTableScreen.h"

class TfrmEEP080 : public CrossTableLayout
{
    Q_OBJECT

public:
    explicit TfrmEEP080(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
