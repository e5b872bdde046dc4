#pragma once

#include <QProgressDialog>

// The progress window of an export whose length is not known before the
// end: the rows written so far and a Cancel button (object names
// frmExportProgress, bbtCancel), up from construction to destruction.
class ExportProgress : public QProgressDialog
{
    Q_OBJECT

public:
    explicit ExportProgress(QWidget *parent = nullptr);
    ~ExportProgress() override;

    // Shows the rows written, lets the window take the Cancel click, and
    // returns false once Cancel was pressed.
    bool rows(int written);
    // The last step, which cannot be cancelled.
    void finishing();
};
