#pragma once

#include "EZP010.h"

class TfrmEBP100 : public TfrmEZP010
{
    Q_OBJECT

public:
    explicit TfrmEBP100(QObject *parent = nullptr);
};
