#pragma once

#include "AccidentScreen.h"

// "패트롤 사고기록 등록": the accidents of one date, one row each, entered
// on one page; the record's other pages are kept as read.
class TfrmEEI020 : public AccidentScreen
{
    Q_OBJECT

public:
    explicit TfrmEEI020(QWidget *parent = nullptr);

protected:
    void Saved(const SavedRows &saved) override;
};
