#pragma once

#include "EZS000.h"

class QLineEdit;

// The judges' scores of a test day with each judge's total, the overall
// total and the average.
class TfrmEDS060 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEDS060(QWidget *parent = nullptr);

    // The list's SQL: the scores of the season and day, their sums and average.
    static QString ListSql();

protected:
    QList<RowCheck> SearchChecks() override;
    void FillConditions(TfrmZZP010 &report) override;

private:
    QLineEdit *edtRecvNoFrom = nullptr;
    QLineEdit *edtRecvNoTo = nullptr;
};
