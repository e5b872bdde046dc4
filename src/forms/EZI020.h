#pragma once

#include "GridEntry.h"

// The grid entry base of the lesson and member screens.
class TfrmEZI020 : public TfrmGridEntry
{
    Q_OBJECT

public:
    TfrmEZI020(const QString &formName, const QString &caption, QWidget *parent = nullptr);
};
