#pragma once

#include "EZI000.h"

class CodeCombo;
class TextEdit;

// The lesson records: a member number that brings the member's name, an
// instructor's number that brings the instructor's name. The screen's field
// table names the controls (`.to = &edtMemberNo`, ...) and takes the
// lookups from here; a screen without a member number leaves it null.
class TraineeScreen : public TfrmEZI000
{
    Q_OBJECT

public:
    using TfrmEZI000::TfrmEZI000;

    void edtExit(QWidget *left) override;

protected:
    // F1 and "..." of the member number: the name follows it, then the sex.
    void LookupMember();
    // F1 and "..." of the instructor's number: the name follows it, then
    // `afterLecturer` (the special notes when not set).
    void LookupLecturer();
    // Once the fields are made: a typed member or instructor number drops the name it brought.
    void WirePeople();

    TextEdit *edtMemberNo = nullptr;
    TextEdit *edtTrainerName = nullptr;
    CodeCombo *cboSex = nullptr;
    TextEdit *edtLecturerEmpNo = nullptr;
    TextEdit *edtLecturerName = nullptr;
    TextEdit *edtSpeRemark = nullptr;
    QWidget *afterLecturer = nullptr;
};
