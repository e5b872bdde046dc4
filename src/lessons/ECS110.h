#pragma once

#include "EZS000.h"

// The instructor assignments of a day.
class TfrmECS110 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmECS110(QWidget *parent = nullptr);
};
