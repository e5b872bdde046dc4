#pragma once

#include "EZS000.h"

class QLabel;
class TextEdit;

// A partner group's lesson days: trainees and instructors by discipline and
// time of day, each block summed, and the day's total.
class TfrmECS160 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmECS160(QWidget *parent = nullptr);

    void edtExit(QWidget *left) override;

protected:
    QList<RowCheck> SearchChecks() override;
    void FillConditions(TfrmZZP010 &report) override;

private:
    void LookupGroup();

    TextEdit *edtEventNo = nullptr;
    QLabel *wlbEventNo = nullptr;
};
