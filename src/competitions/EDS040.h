#pragma once

#include "EZS000.h"

// The competitions of a day.
class TfrmEDS040 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEDS040(QWidget *parent = nullptr);
};
