#pragma once

#include "EZS000.h"

// The storage records of a season and area, with filters.
class TfrmEBS100 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEBS100(QWidget *parent = nullptr);
};
