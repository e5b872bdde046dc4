#pragma once

#include "TfrmEZS000.h"

class CodeCombo;

// Rental rows of one date counted by hour of the rental and equipment kind.
class TfrmEBS080 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEBS080(QWidget *parent = nullptr);

protected:

    std::unique_ptr<TfrmZZP010> CreateReport() override;
    void FillConditions(TfrmZZP010 &report) override;

private:
    CodeCombo *cboArea = nullptr;
};
