#pragma once

#include "EZH000.h"

// The sports outlets (type "50"), listed as soon as the dialog opens.
class TfrmEFH020 : public TfrmEZH000
{
    Q_OBJECT

public:
    explicit TfrmEFH020(const QString &caption, QWidget *parent = nullptr);
};
