#pragma once

#include "EZS000.h"

class ReportViewer;

// The base of a search screen whose result is a report in the viewer in
// place of the grid: Search checks the search bar, then shows the report
// the screen names for its values (setAutoAdjust(0), setZoomRatio(90),
// open, every time). The viewer prints and saves PDF itself: Print,
// Preview, Excel and Cancel are hidden.
class TfrmViewerSearch : public TfrmEZS000
{
    Q_OBJECT

public:
    struct Report
    {
        QString file;
        QStringList values; // the parameter string's values, in order
    };

    TfrmViewerSearch(const Def &def, QWidget *parent = nullptr);

    bool bbtSearchClick() override;

    // The report Search shows for what the search bar holds.
    virtual Report ReportToShow() const = 0;
    ReportViewer *Viewer() const { return Rdviewer401; }

protected:
    ReportViewer *Rdviewer401 = nullptr;
};
