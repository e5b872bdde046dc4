#pragma once

#include "TfrmEZS000.h"

class CodeCombo;
class CodeNameField;
class MaskEdit;
class QLabel;
class QLineEdit;

// Storages of a season counted by the keeper's postal region and equipment kind.
class TfrmEBS130 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEBS130(QWidget *parent = nullptr);

protected:
    QList<RowCheck> SearchChecks() override;
    std::unique_ptr<TfrmZZP010> CreateReport() override;
    void FillConditions(TfrmZZP010 &report) override;

private:
    QLineEdit *edtSeason = nullptr;
    QLabel *wlbSeason = nullptr;
    CodeCombo *cboArea = nullptr;
    MaskEdit *wmeIpgoDateFrom = nullptr;
    MaskEdit *wmeIpgoDateTo = nullptr;
    CodeNameField *m_season = nullptr;
};
