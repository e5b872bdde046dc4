#pragma once

#include "TfrmEZS000.h"

class CodeCombo;
class MaskEdit;

// Rental rows of a date range counted by date and equipment kind.
class TfrmEBS090 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEBS090(QWidget *parent = nullptr);

protected:
    QList<RowCheck> SearchChecks() override;
    std::unique_ptr<TfrmZZP010> CreateReport() override;
    void FillConditions(TfrmZZP010 &report) override;

private:
    CodeCombo *cboArea = nullptr;
    MaskEdit *wmeRentDateFrom = nullptr;
    MaskEdit *wmeRentDateTo = nullptr;
};
