#pragma once

#include "EZS000.h"

// The Interski bookings of a season year, by booker and trainee name.
class TfrmECS180 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmECS180(QWidget *parent = nullptr);
};
