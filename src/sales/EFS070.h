#pragma once

#include "EZS000.h"

class CodeCombo;

// Sales lines of one outlet with their customer classes, filtered by
// customer class, ticket kind and discount rate. Print and Preview open
// the report in a viewer window.
class TfrmEFS070 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEFS070(QWidget *parent = nullptr);

    static QString ListSql();

    bool bbtPrintClick() override;
    bool bbtPreviewClick() override;
    QList<ContractQuery> ContractQueries() const override;

    // The parameter string's values: (from, to, outlet), then the three
    // filters when any of them is chosen, as the grid shows them.
    QStringList ReportValues() const;

protected:
    QList<RowCheck> SearchChecks() override;

private:
    // The ticket kinds offered as a filter.
    void FillTickets();
    // The discount rates sold at the outlet in the period.
    void FillRates();

    CodeCombo *cmbGuestType = nullptr;
    CodeCombo *cmdTicket = nullptr;
    CodeCombo *cmdDC = nullptr;
};
