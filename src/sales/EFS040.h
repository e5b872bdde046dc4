#pragma once

#include "EZS000.h"

class QPushButton;

// One outlet's sales by menu or by POS: each button opens its report in a
// viewer window of its own.
class TfrmEFS040 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEFS040(QWidget *parent = nullptr);

    // There is no list to read: F3 does nothing.
    bool bbtSearchClick() override { return false; }

    // "메뉴별 매출조회" and "POS별 매출조회": the outlet first, then the period.
    bool MenuReportClick();
    bool PosReportClick();

protected:
    QList<RowCheck> SearchChecks() override;

private:
    QPushButton *bbtMenuSales = nullptr;
    QPushButton *bbtPosSales = nullptr;
};
