#pragma once

#include "ViewerList.h"

// "사고 통계 보고서": the fourteen accident reports of the report server,
// the period sent as eight digits.
class TfrmEES001 : public TfrmViewerList
{
    Q_OBJECT

public:
    explicit TfrmEES001(QWidget *parent = nullptr);
};
