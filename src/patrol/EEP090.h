#pragma once

#include "CrossTableScreen.h"

class TfrmEEP090 : public CrossTableLayout
{
    Q_OBJECT

public:
    explicit TfrmEEP090(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
