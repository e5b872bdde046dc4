#pragma once

#include "EZS000.h"

// The staff bookings of a day.
class TfrmECS130 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmECS130(QWidget *parent = nullptr);
};
