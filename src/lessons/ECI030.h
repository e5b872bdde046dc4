#pragma once

#include "CodeServices.h"
#include "EZI000.h"

class TextEdit;

// "강사배정 등록": the day's instructor assignments, one a row; an
// instructor has at most one assignment per lesson area and detail class.
class TfrmECI030 : public TfrmEZI000
{
    Q_OBJECT

public:
    explicit TfrmECI030(QWidget *parent = nullptr);

    void edtExit(QWidget *left) override;

protected:
    QList<RowCheck> RowChecks() override;

private:
    void LookupLecturer();
    void ShowLecturer(const StaffRecord &instructor);

    TextEdit *edtLecturerEmpNo = nullptr;
    QWidget *cboArea = nullptr;
    TextEdit *edtLecturerName = nullptr;
    TextEdit *edtLecturerTeam = nullptr;
    TextEdit *edtLecturerTeamName = nullptr;
    TextEdit *edtLecturerGubun = nullptr;
    TextEdit *edtLecturerGubunName = nullptr;
};
