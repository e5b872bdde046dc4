#pragma once

#include "EZS000.h"

// Daily sales of one outlet by discount rate and ticket kind, adult and
// child apart. Print and Preview open the report in a viewer window.
class TfrmEFS030 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEFS030(QWidget *parent = nullptr);

    static QString ListSql();

    bool bbtPrintClick() override;
    bool bbtPreviewClick() override;

protected:
    QList<RowCheck> SearchChecks() override;
};
