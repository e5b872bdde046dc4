#pragma once

#include "ViewerSearch.h"

class QCheckBox;
class QRadioButton;

// One outlet's sales by customer class and ticket kind in four report
// forms, in the embedded viewer.
class TfrmEFS060 : public TfrmViewerSearch
{
    Q_OBJECT

public:
    explicit TfrmEFS060(QWidget *parent = nullptr);

    Report ReportToShow() const override;

protected:
    QList<RowCheck> SearchChecks() override;

private:
    QRadioButton *rbtDetail = nullptr;
    QRadioButton *rbtTicket = nullptr;
    QRadioButton *rbtGuest = nullptr;
    QCheckBox *Chk_Vat = nullptr;
};
