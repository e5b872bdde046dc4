#pragma once

#include "EZS000.h"

// Storages of a season counted by storage kind and equipment kind.
class TfrmEBS120 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEBS120(QWidget *parent = nullptr);
};
