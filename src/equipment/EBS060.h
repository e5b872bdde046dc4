#pragma once

#include "TfrmEZS000.h"

class CodeCombo;

// The rental rows of one date and area, filtered by state and ticket kind.
class TfrmEBS060 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEBS060(QWidget *parent = nullptr);

protected:
    void PrepareSearch() override;
    std::unique_ptr<TfrmZZP010> CreateReport() override;
    void FillConditions(TfrmZZP010 &report) override;

private:
    CodeCombo *cboArea = nullptr;
    CodeCombo *cboRentStat = nullptr;
    CodeCombo *cboTicketKind = nullptr;
};
