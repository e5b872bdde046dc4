#pragma once

#include "EZS000.h"

// Stored items not released by their release date: due before the reference date.
class TfrmEBS110 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEBS110(QWidget *parent = nullptr);
};
