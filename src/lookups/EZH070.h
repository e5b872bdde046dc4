#pragma once

#include "EZH000.h"

// Badge test entrants of a season by name.
class TfrmEZH070 : public TfrmEZH000
{
    Q_OBJECT

public:
    explicit TfrmEZH070(const QString &season, QWidget *parent = nullptr);
};
