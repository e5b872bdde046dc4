#pragma once

#include "ViewerWindow.h"

// The report of one outlet's sales by menu.
class TfrmEFR040 : public TfrmViewerWindow
{
    Q_OBJECT

public:
    explicit TfrmEFR040(QWidget *parent = nullptr);
};
