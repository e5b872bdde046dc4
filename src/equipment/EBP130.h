#pragma once

#include "TfrmEZP000.h"

class TfrmEBP130 : public TfrmEZP000
{
    Q_OBJECT

public:
    explicit TfrmEBP130(QObject *parent = nullptr);
};
