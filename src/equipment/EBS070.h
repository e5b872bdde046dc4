#pragma once

#include "EZS000.h"

// The items now out on a multi-day rental, each with the rental row that took it out.
class TfrmEBS070 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEBS070(QWidget *parent = nullptr);
};
