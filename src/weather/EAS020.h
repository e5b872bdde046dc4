#pragma once

#include "TfrmEZS000.h"

class CodeNameField;
class QLabel;
class QLineEdit;

// Every observation of one station on one day, latest first.
class TfrmEAS020 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEAS020(QWidget *parent = nullptr);

protected:
    QList<RowCheck> SearchChecks() override;
    std::unique_ptr<TfrmZZP010> CreateReport() override;
    void FillConditions(TfrmZZP010 &report) override;

private:
    QLineEdit *edtObsePlace = nullptr;
    QLabel *wlbObsePlace = nullptr;
    CodeNameField *m_place = nullptr;
};
