#pragma once

#include "TraineeScreen.h"

class MaskEdit;

// "스키클럽 수강,기록 등록": the ski club's trainees of a season, one
// enrolment a row, numbered by the server within the season.
class TfrmECI010 : public TraineeScreen
{
    Q_OBJECT

public:
    explicit TfrmECI010(QWidget *parent = nullptr);

protected:
    bool BeforeSearch() override;
    QList<RowCheck> RowChecks() override;

private:
    MaskEdit *wmeEnterDate = nullptr;
    MaskEdit *wmeIdNo = nullptr;
    TextEdit *edtAge = nullptr;
    TextEdit *edtTel = nullptr;
};
