#pragma once

#include "EZS000.h"

// The private lessons of a day.
class TfrmECS140 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmECS140(QWidget *parent = nullptr);
};
