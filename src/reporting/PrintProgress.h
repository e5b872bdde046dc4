#pragma once

#include "ReportRenderer.h"

#include <QProgressDialog>

namespace report {

// The progress window of a print: pages sent so far and a Cancel button
// (object names frmPrintProgress, bbtCancel). Pass callback() to Print or
// WritePdf.
class PrintProgress : public QProgressDialog
{
    Q_OBJECT

public:
    explicit PrintProgress(QWidget *parent = nullptr);

    // Updates the window, lets it take the Cancel click, and returns false
    // once Cancel was pressed.
    Progress callback();
};

} // namespace report
