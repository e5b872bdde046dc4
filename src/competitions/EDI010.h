#pragma once

#include "EZI000.h"

// The competitions held on a day, one row each.
class TfrmEDI010 : public TfrmEZI000
{
    Q_OBJECT

public:
    explicit TfrmEDI010(QWidget *parent = nullptr);
};
