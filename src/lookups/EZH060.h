#pragma once

#include "EZH000.h"

// Partner groups (members of group "44") that have not cancelled, by name.
class TfrmEZH060 : public TfrmEZH000
{
    Q_OBJECT

public:
    explicit TfrmEZH060(QWidget *parent = nullptr);
};
