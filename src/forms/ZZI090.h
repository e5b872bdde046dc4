#pragma once

#include "GridEntry.h"

// The grid entry base of the locker screens.
class TfrmZZI090 : public TfrmGridEntry
{
    Q_OBJECT

public:
    TfrmZZI090(const QString &formName, const QString &caption, QWidget *parent = nullptr);
};
