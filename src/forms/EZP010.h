#pragma once

#include "EZP000.h"

// The base of landscape list layouts: as TfrmEZP000 on a turned page.
class TfrmEZP010 : public TfrmEZP000
{
    Q_OBJECT

public:
    TfrmEZP010(const QString &formName, const QString &title, QObject *parent = nullptr);
};
