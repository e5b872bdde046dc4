#pragma once

#include "ZZI090.h"

class QLineEdit;

// "시즌락카 위약금 관리": the penalty records of the season's cancelled
// sales; only the payment and refund dates are typed here.
class TfrmEHI040 : public TfrmZZI090
{
    Q_OBJECT

public:
    explicit TfrmEHI040(QWidget *parent = nullptr);

    bool bbtAddClick() override { return false; }
    bool bbtDeleteClick() override { return false; }

protected:
    bool BeforeSearch() override;
    bool CheckBeforeSave() override;
    void Saved(const SavedRows &saved) override;

private:
    QLineEdit *edtSeasonYear = nullptr;
};
