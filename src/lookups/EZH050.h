#pragma once

#include "EZH000.h"

// Ski school receipts of a season by receipt name, with the trainees of the
// chosen receipt below.
class TfrmEZH050 : public TfrmEZH000
{
    Q_OBJECT

public:
    explicit TfrmEZH050(const QString &season, QWidget *parent = nullptr);
};
