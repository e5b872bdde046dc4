#pragma once

#include "EZS000.h"

// Rental rows of a date range counted by date and equipment kind.
class TfrmEBS090 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEBS090(QWidget *parent = nullptr);
};
