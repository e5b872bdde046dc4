#pragma once

#include "EZS000.h"

// Rental rows of one date counted by hour of the rental and equipment kind.
class TfrmEBS080 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEBS080(QWidget *parent = nullptr);
};
