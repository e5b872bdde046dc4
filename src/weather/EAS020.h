#pragma once

#include "EZS000.h"

// Every observation of one station on one day, latest first.
class TfrmEAS020 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEAS020(QWidget *parent = nullptr);
};
