#pragma once

#include "EZP010.h"

// The period list on paper: its subtotal rows on yellow and "합계" with the
// number of assignments.
class TfrmECP120 : public TfrmEZP010
{
    Q_OBJECT

public:
    explicit TfrmECP120(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
