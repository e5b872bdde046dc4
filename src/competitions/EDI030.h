#pragma once

#include "EZI000.h"

class MaskEdit;
class QLineEdit;

// The three judges' scores of the entrants judged on a test day.
class TfrmEDI030 : public TfrmEZI000
{
    Q_OBJECT

public:
    explicit TfrmEDI030(QWidget *parent = nullptr);

    void edtExit(QWidget *control) override;

protected:
    bool BeforeSearch() override;
    QList<RowCheck> RowChecks() override;

private:
    void lookupEntrant();
    // Shows an entrant's five values (all empty: none) in the row.
    void showEntrant(const QString &number, const QString &name, const QString &date, const QString &idNo,
                     const QString &className);

    QLineEdit *edtSeason = nullptr;
    QLineEdit *edtRecvNo = nullptr;
    QLineEdit *edtEntryNameKor = nullptr;
    MaskEdit *wmeApplyDate = nullptr;
    MaskEdit *wmeIdNo = nullptr;
    QLineEdit *edtApplyClass = nullptr;
    QList<QLineEdit *> m_examiners; // A, B, C
};
