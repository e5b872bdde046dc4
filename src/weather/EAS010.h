#pragma once

#include "EZS000.h"

// One day hour by hour, the seven stations side by side. It has no printed form.
class TfrmEAS010 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEAS010(QWidget *parent = nullptr);
};
