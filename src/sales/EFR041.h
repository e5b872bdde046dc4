#pragma once

#include "ViewerWindow.h"

// The report of one outlet's sales by POS.
class TfrmEFR041 : public TfrmViewerWindow
{
    Q_OBJECT

public:
    explicit TfrmEFR041(QWidget *parent = nullptr);
};
