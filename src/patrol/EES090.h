#pragma once

#include "AccidentTables.h"

// "연령별 부상발생시간 현황 조회,출력": accidents by hour band by age band.
class TfrmEES090 : public AccidentTableScreen
{
    Q_OBJECT

public:
    explicit TfrmEES090(QWidget *parent = nullptr);
};
