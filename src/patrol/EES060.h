#pragma once

#include "AccidentTables.h"

// "월별 부상형태 현황 조회,출력": accidents by kind of injury by month, in season order.
class TfrmEES060 : public AccidentTableScreen
{
    Q_OBJECT

public:
    explicit TfrmEES060(QWidget *parent = nullptr);
};
