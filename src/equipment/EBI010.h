#pragma once

#include "EZI000.h"

class CodeCombo;
class QFrame;
class QLabel;
class QProgressBar;

// Whether each course and lift runs on a day. A day's rows are created on
// the server the first time it is searched: exactly the facilities of the
// code table then, each running.
class TfrmEBI010 : public TfrmEZI000
{
    Q_OBJECT

public:
    explicit TfrmEBI010(QWidget *parent = nullptr);

    QStringList ContractSql() const override;

protected:
    bool BeforeSearch() override;

private:
    // Creates the rows of the working date when it has none; false when
    // the server refused (the save error box showed why).
    bool CreateDay();

    CodeCombo *cboRunGubun = nullptr;
    QLabel *wlbFacName = nullptr;
    QLabel *wlbFacDetailName = nullptr;
    QFrame *panInfo = nullptr;
    QProgressBar *m_busy = nullptr;
    StoredProc prcCreateDay;
};
