#pragma once

#include "ViewerWindow.h"

// The report of one outlet's sales by discount rate and ticket kind.
class TfrmEFH030 : public TfrmViewerWindow
{
    Q_OBJECT

public:
    explicit TfrmEFH030(QWidget *parent = nullptr);
};
