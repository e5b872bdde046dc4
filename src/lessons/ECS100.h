#pragma once

#include "EZS000.h"

class CodeCombo;
class QLineEdit;

// The ski school trainees of a season: all, by registration date or by
// receipt number.
class TfrmECS100 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmECS100(QWidget *parent = nullptr);

    // The list's SQL for a choice of the condition list (0 to 2).
    static QString ListSql(int condition);
    QList<ContractQuery> ContractQueries() const override;

protected:
    QList<RowCheck> SearchChecks() override;
    void PrepareSearch() override;
    void FillConditions(TfrmZZP010 &report) override;

private:
    enum Condition { All, EnterDate, ReceiptNo };
    Condition chosen() const;

    CodeCombo *cboCondition = nullptr;
    QLineEdit *edtReceiptNoFrom = nullptr;
    QLineEdit *edtReceiptNoTo = nullptr;
};
