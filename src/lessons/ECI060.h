#pragma once

#include "EZI000.h"

// "사설강습 등록": the private lessons of a day, one row each, with the fee.
class TfrmECI060 : public TfrmEZI000
{
    Q_OBJECT

public:
    explicit TfrmECI060(QWidget *parent = nullptr);
};
