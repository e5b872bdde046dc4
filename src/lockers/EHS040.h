#pragma once

#include "EZS000.h"

class DateEdit;
class ReportViewer;

// "시즌락카 판매 집계": the season locker sales summary of a period of
// sale dates, shown by the report viewer.
class TfrmEHS040 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEHS040(QWidget *parent = nullptr);

    // The summary for the dates as they stand, as they are: a period whose
    // end comes first is the viewer's to show.
    bool bbtSearchClick() override;

    // What Search opens the viewer with.
    QString ReportLocation() const;
    QString ReportParameters() const;
    ReportViewer *Viewer() const { return Rdviewer401; }

    static const QString ReportFile;

private:
    DateEdit *dtpFromDate = nullptr;
    DateEdit *dtpToDate = nullptr;
    ReportViewer *Rdviewer401 = nullptr;
};
