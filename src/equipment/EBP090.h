#pragma once

#include "TfrmEZP000.h"

class TfrmEBP090 : public TfrmEZP000
{
    Q_OBJECT

public:
    explicit TfrmEBP090(QObject *parent = nullptr);
};
