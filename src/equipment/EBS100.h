#pragma once

#include "TfrmEZS000.h"

class CodeCombo;
class CodeNameField;
class QLabel;
class QLineEdit;

// The storage records of a season and area, with filters.
class TfrmEBS100 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEBS100(QWidget *parent = nullptr);

protected:
    QList<RowCheck> SearchChecks() override;
    void PrepareSearch() override;
    std::unique_ptr<TfrmZZP010> CreateReport() override;
    void FillConditions(TfrmZZP010 &report) override;

private:
    QLineEdit *edtSeason = nullptr;
    QLabel *wlbSeason = nullptr;
    CodeCombo *cboArea = nullptr;
    CodeCombo *cboKeepStat = nullptr;
    CodeCombo *cboKeepGubun = nullptr;
    CodeCombo *cboEquipGubun = nullptr;
    CodeCombo *cboEquipNameGubun = nullptr;
    QLineEdit *edtKeepName = nullptr;
    CodeNameField *m_season = nullptr;
};
