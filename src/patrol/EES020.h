#pragma once

#include "AccidentList.h"

// "일일 사고현황 조회,출력": the accidents of one date, all place classes or one.
class TfrmEES020 : public AccidentList
{
    Q_OBJECT

public:
    explicit TfrmEES020(QWidget *parent = nullptr);
};
