#pragma once

#include "ViewerList.h"

// The injured against the year before from the report server; only report
// "01" opens.
class TfrmEES004 : public TfrmViewerList
{
    Q_OBJECT

public:
    explicit TfrmEES004(QWidget *parent = nullptr);
};
