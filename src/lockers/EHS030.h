#pragma once

#include "EZS000.h"

// "시즌락카 현황": the season's lockers with their sale, payment, deposit
// and key, by location, zone, type and state; printed landscape.
class TfrmEHS030 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEHS030(QWidget *parent = nullptr);
};
