#pragma once

#include "EZI000.h"

class MaskEdit;
class QLineEdit;

// The badge test entrants of a season, one row per application.
class TfrmEDI020 : public TfrmEZI000
{
    Q_OBJECT

public:
    explicit TfrmEDI020(QWidget *parent = nullptr);

protected:
    bool BeforeSearch() override;
    QList<RowCheck> RowChecks() override;

private:
    MaskEdit *wmeApplyDate = nullptr;
    MaskEdit *wmeIdNo = nullptr;
    QLineEdit *edtEntryNameKor = nullptr;
    QLineEdit *edtMobileNo = nullptr;
};
