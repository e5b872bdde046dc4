#pragma once

#include "EZS000.h"

class QLineEdit;

// The ski club enrolments of a season within a range of enrolment numbers.
class TfrmECS090 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmECS090(QWidget *parent = nullptr);

protected:
    QList<RowCheck> SearchChecks() override;
    void FillConditions(TfrmZZP010 &report) override;

private:
    QLineEdit *edtLectureNoFrom = nullptr;
    QLineEdit *edtLectureNoTo = nullptr;
};
