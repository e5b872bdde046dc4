#pragma once

#include "TfrmEZS000.h"

class CodeCombo;

// Stored items not released by their release date: due before the reference date.
class TfrmEBS110 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEBS110(QWidget *parent = nullptr);

protected:

    std::unique_ptr<TfrmZZP010> CreateReport() override;
    void FillConditions(TfrmZZP010 &report) override;

private:
    CodeCombo *cboArea = nullptr;
};
