#pragma once

#include "EZS000.h"

class DateEdit;

// One station over a date range, one row of averages per day.
class TfrmEAS030 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEAS030(QWidget *parent = nullptr);

protected:
    // The range prints as its two date keys, "YYYYMMDD ~ YYYYMMDD".
    void FillConditions(TfrmZZP010 &report) override;

private:
    DateEdit *dtpFromDate = nullptr;
    DateEdit *dtpToDate = nullptr;
};
