#pragma once

#include "AccidentTables.h"

// "성별 부상형태 현황 조회,출력": accidents by kind of injury by sex.
class TfrmEES080 : public AccidentTableScreen
{
    Q_OBJECT

public:
    explicit TfrmEES080(QWidget *parent = nullptr);
};
