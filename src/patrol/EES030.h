#pragma once

#include "AccidentTables.h"

// "요일별 사고발생시간 현황 조회,출력": accidents by hour band by weekday.
class TfrmEES030 : public AccidentTableScreen
{
    Q_OBJECT

public:
    explicit TfrmEES030(QWidget *parent = nullptr);
};
