#pragma once

#include "AccidentTables.h"

// "월별 부상 발생시간 현황 조회,출력": accidents by hour band by month, in season order.
class TfrmEES050 : public AccidentTableScreen
{
    Q_OBJECT

public:
    explicit TfrmEES050(QWidget *parent = nullptr);
};
