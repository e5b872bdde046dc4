#include "TraineeScreen.h"

#include "CodeCombo.h"
#include "CodeServices.h"
#include "InputEdits.h"
#include "Lookups.h"

using namespace Qt::StringLiterals;

void TraineeScreen::LookupMember()
{
    if (!edtMemberNo->isEnabled() || IsSearchMode())
        return;
    QString number;
    QString name;
    if (!PickMember(QString(), number, name, this)) {
        edtMemberNo->setFocus();
        return;
    }
    edtMemberNo->setText(number);
    edtTrainerName->setText(name);
    cboSex->setFocus();
}

void TraineeScreen::LookupLecturer()
{
    if (!edtLecturerEmpNo->isEnabled() || IsSearchMode())
        return;
    StaffRecord instructor;
    if (!PickInstructor(QString(), instructor, this)) {
        edtLecturerEmpNo->setFocus();
        return;
    }
    edtLecturerEmpNo->setText(instructor.empNo);
    edtLecturerName->setText(instructor.name);
    (afterLecturer ? afterLecturer : edtSpeRemark)->setFocus();
}

void TraineeScreen::WirePeople()
{
    if (edtMemberNo)
        connect(edtMemberNo, &QLineEdit::textEdited, edtTrainerName, &QLineEdit::clear);
    connect(edtLecturerEmpNo, &QLineEdit::textEdited, edtLecturerName, &QLineEdit::clear);
}

void TraineeScreen::edtExit(QWidget *left)
{
    TfrmEZI000::edtExit(left);
    if (IsLoading() || IsSearchMode())
        return;
    if (edtMemberNo && left == edtMemberNo) {
        // A number that is no active member leaves no name: the row check then asks for one.
        const QString memberNo = edtMemberNo->text().trimmed();
        if (!memberNo.isEmpty())
            edtTrainerName->setText(MemberName(memberNo));
    } else if (edtLecturerEmpNo && left == edtLecturerEmpNo) {
        const QString empNo = edtLecturerEmpNo->text().trimmed();
        edtLecturerName->setText(empNo.isEmpty() ? QString() : StaffInfo(empNo).name);
    }
}
