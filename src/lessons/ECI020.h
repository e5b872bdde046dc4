#pragma once

#include "TraineeScreen.h"

class QLabel;

// "스키학교 수강/기록 등록": the trainees of one ski school receipt,
// completed and given their lesson record. Receipts come from elsewhere:
// trainees are neither added nor deleted here, but a receipt without any
// is offered one empty row.
class TfrmECI020 : public TraineeScreen
{
    Q_OBJECT

public:
    explicit TfrmECI020(QWidget *parent = nullptr);

    void edtExit(QWidget *left) override;

protected:
    bool BeforeSearch() override;

private:
    // The season's own checks, as Search makes them; false after the message.
    bool CheckSeason();
    void LookupReceipt();

    TextEdit *edtSeason = nullptr;
    QLabel *wlbSeason = nullptr;
    TextEdit *edtReceiptNo = nullptr;
    QLabel *wlbReceiptName = nullptr;
    QLabel *wlbReceiptEnterDate = nullptr;
};
