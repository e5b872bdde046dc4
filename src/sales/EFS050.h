#pragma once

#include "ViewerSearch.h"

// Gondola ticketing and gate passages from the business date to the day
// the screen was opened, in the embedded viewer.
class TfrmEFS050 : public TfrmViewerSearch
{
    Q_OBJECT

public:
    explicit TfrmEFS050(QWidget *parent = nullptr);

    Report ReportToShow() const override;
};
