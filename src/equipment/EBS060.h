#pragma once

#include "EZS000.h"

// The rental rows of one date and area, filtered by state and ticket kind.
class TfrmEBS060 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEBS060(QWidget *parent = nullptr);
};
