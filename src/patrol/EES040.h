#pragma once

#include "AccidentTables.h"

// "요일별 부상상태 현황 조회,출력": accidents by kind of injury by weekday.
class TfrmEES040 : public AccidentTableScreen
{
    Q_OBJECT

public:
    explicit TfrmEES040(QWidget *parent = nullptr);

protected:
    TfrmEES040(const QString &form, QWidget *parent);
};
