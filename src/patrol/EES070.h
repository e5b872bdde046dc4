#pragma once

#include "AccidentTables.h"

// "성별 부상발생 시간 현황 조회,출력": accidents by hour band by sex.
class TfrmEES070 : public AccidentTableScreen
{
    Q_OBJECT

public:
    explicit TfrmEES070(QWidget *parent = nullptr);
};
