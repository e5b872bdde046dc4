#pragma once

#include "EZS000.h"

// Daily sales of one outlet by customer class and adult/child, with a
// subtotal after each date and a total.
class TfrmEFS020 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEFS020(QWidget *parent = nullptr);

    static QString ListSql();

protected:
    QList<RowCheck> SearchChecks() override;
};
