#pragma once

#include "EZH000.h"

// Rentals of one date and area, with the rows of the chosen rental below.
class TfrmEZH020 : public TfrmEZH000
{
    Q_OBJECT

public:
    TfrmEZH020(const QString &rentDate, const QString &area, QWidget *parent = nullptr);
};
