#pragma once

#include "ViewerList.h"

// The injured against the year before from the local folder of definitions;
// only report "01" opens.
class TfrmEES003 : public TfrmViewerList
{
    Q_OBJECT

public:
    explicit TfrmEES003(QWidget *parent = nullptr);
};
