#pragma once

#include "TfrmEZS000.h"

class CodeCombo;

// The items now out on a multi-day rental, each with the rental row that took it out.
class TfrmEBS070 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEBS070(QWidget *parent = nullptr);

protected:

    std::unique_ptr<TfrmZZP010> CreateReport() override;
    void FillConditions(TfrmZZP010 &report) override;

private:
    CodeCombo *cboArea = nullptr;
};
