#pragma once

#include "EZH000.h"

// Postal codes, searched by any part of the address.
class TfrmEZH010 : public TfrmEZH000
{
    Q_OBJECT

public:
    explicit TfrmEZH010(QWidget *parent = nullptr);
};
