#pragma once

#include "EZS000.h"

class CodeCombo;
class QLabel;
class QLineEdit;

// The badge test entrants of a season, by application number, name or date.
class TfrmEDS050 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEDS050(QWidget *parent = nullptr);

    // The list's SQL for a choice of the condition list (0 to 3).
    static QString ListSql(int condition);
    QList<ContractQuery> ContractQueries() const override;

protected:
    QList<RowCheck> SearchChecks() override;
    void PrepareSearch() override;
    void FillConditions(TfrmZZP010 &report) override;

private:
    enum Condition { All, RecvNo, Name, ApplyDate };
    Condition chosen() const;
    void showEntrantDetails(int row);

    CodeCombo *cboCondition = nullptr;
    QLineEdit *edtRecvNoFrom = nullptr;
    QLineEdit *edtRecvNoTo = nullptr;
    QLineEdit *edtEntryNameKor = nullptr;
    QList<std::pair<QLabel *, QString>> m_details; // and the field each shows
};
