#pragma once

#include "ZZI090.h"

class QLineEdit;

// "시즌락카 생성": the season's locker blocks, and the one-button creation
// of a block's lockers.
class TfrmEHI010 : public TfrmZZI090
{
    Q_OBJECT

public:
    explicit TfrmEHI010(QWidget *parent = nullptr);

    bool bbtAddClick() override;
    // "시즌락카번호 일괄생성": creates the current block's lockers.
    bool bbtBatchClick();

protected:
    bool BeforeSearch() override;
    bool CheckBeforeSave() override;
    void Saved(const SavedRows &saved) override;

private:
    // Back to the rows as the server holds them, with the same season.
    void searchAgain();

    QLineEdit *edtSeasonYear = nullptr;
    QPushButton *bbtBatch = nullptr;
    StoredProc prcBatch;
};
