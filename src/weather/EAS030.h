#pragma once

#include "TfrmEZS000.h"

class CodeNameField;
class DateEdit;
class QLabel;
class QLineEdit;

// One station over a date range, one row of averages per day.
class TfrmEAS030 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEAS030(QWidget *parent = nullptr);

protected:
    QList<RowCheck> SearchChecks() override;
    std::unique_ptr<TfrmZZP010> CreateReport() override;
    void FillConditions(TfrmZZP010 &report) override;
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *edtObsePlace = nullptr;
    QLabel *wlbObsePlace = nullptr;
    DateEdit *dtpFromDate = nullptr;
    DateEdit *dtpToDate = nullptr;
    CodeNameField *m_place = nullptr;
    bool m_shown = false;
};
