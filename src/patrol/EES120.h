#pragma once

#include "AccidentList.h"

// "일일 사고현황 조회,출력" over a period: the accidents from one date to another.
class TfrmEES120 : public AccidentList
{
    Q_OBJECT

public:
    explicit TfrmEES120(QWidget *parent = nullptr);

protected:
    // "*사고일자: from ∼ to" on the first line, the place class on the second.
    void FillConditions(TfrmZZP010 &report) override;
};
