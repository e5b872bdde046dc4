#pragma once

#include "EZH000.h"

// Instructors by name: employees in service in work "81" and day workers
// whose engagement has not ended.
class TfrmEZH080 : public TfrmEZH000
{
    Q_OBJECT

public:
    explicit TfrmEZH080(QWidget *parent = nullptr);
};
