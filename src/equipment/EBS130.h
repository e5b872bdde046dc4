#pragma once

#include "EZS000.h"

// Storages of a season counted by the keeper's postal region and equipment kind.
class TfrmEBS130 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEBS130(QWidget *parent = nullptr);
};
