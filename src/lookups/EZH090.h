#pragma once

#include "EZH000.h"

// Employees (members whose group begins with "10") by name.
class TfrmEZH090 : public TfrmEZH000
{
    Q_OBJECT

public:
    explicit TfrmEZH090(QWidget *parent = nullptr);
};
