#pragma once

#include "EZI000.h"

class MaskEdit;
class QLabel;
class TextEdit;

// "제휴단체강습 등록": a partner group's trainees and instructors per lesson
// day, by discipline and time of day; one row per day.
class TfrmECI080 : public TfrmEZI000
{
    Q_OBJECT

public:
    explicit TfrmECI080(QWidget *parent = nullptr);

    void edtExit(QWidget *left) override;

protected:
    bool BeforeSearch() override;
    QList<RowCheck> RowChecks() override;

private:
    void LookupGroup();

    TextEdit *edtEventNo = nullptr;
    QLabel *wlbEventNo = nullptr;
    MaskEdit *wmeLectureDate = nullptr;
};
