#pragma once

#include "EES040.h"

// "요일별 부상상태 현황 조회,출력" under its second screen id.
class TfrmEES140 : public TfrmEES040
{
    Q_OBJECT

public:
    explicit TfrmEES140(QWidget *parent = nullptr);
};
