#pragma once

#include "EZP010.h"

// The partner-group list on paper: "강        습        생" over the
// trainee block, "강사" over the instructor block.
class TfrmECP160 : public TfrmEZP010
{
    Q_OBJECT

public:
    explicit TfrmECP160(const QList<ColumnDef> &columns, QObject *parent = nullptr);
};
