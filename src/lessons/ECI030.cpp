#include "ECI030.h"

#include "CodeServices.h"
#include "InputEdits.h"
#include "Lookups.h"

#include <QLabel>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

const QString Query =
    u"SELECT T1.lecturer_emp_no, T1.lecturer_name, T1.area_gubun, T1.lecture_detail_gubun, T1.team,\n"
    "       T1.lecturer_gubun, T1.lecture_item_gubun, T1.lecture_rec_gubun, T1.lecture_cnt, T1.remark,\n"
    "       (SELECT code_name FROM zx900dt WHERE grp_no = :GC_TEAM_CODE       AND code_no = T1.team) AS team_name,\n"
    "       (SELECT code_name FROM zx900dt WHERE grp_no = :GC_LECTURER_GUBUN AND code_no = T1.lecturer_gubun)\n"
    "           AS lecturer_gubun_name\n"
    "FROM   ec030ms T1\n"
    "WHERE  T1.lecture_date = :LECTURE_DATE\n"
    "ORDER  BY T1.lecturer_emp_no, T1.area_gubun, T1.lecture_detail_gubun"_s;

const QList<ColumnDef> Columns = {
    {.title = u"강사사번"_s, .field = u"LECTURER_EMP_NO"_s, .width = 76, .dataWidth = 16, .key = true},
    {.title = u"강사명"_s, .field = u"LECTURER_NAME"_s, .width = 148, .dataWidth = 60},
    {.title = u"강습지역구분"_s, .field = u"AREA_GUBUN"_s, .width = 93, .dataWidth = 2, .codeGroup = u"E0017"_s,
     .key = true},
    {.title = u"강습세부구분"_s, .field = u"LECTURE_DETAIL_GUBUN"_s, .width = 105, .dataWidth = 2,
     .codeGroup = u"E0024"_s, .key = true},
    {.title = u"조"_s, .field = u"TEAM"_s, .dataWidth = 16, .visible = false},
    {.title = u"강사직급구분"_s, .field = u"LECTURER_GUBUN"_s, .dataWidth = 16, .visible = false},
    {.title = u"강습종목구분"_s, .field = u"LECTURE_ITEM_GUBUN"_s, .dataWidth = 16, .visible = false,
     .codeGroup = u"E0022"_s},
    {.title = u"강습접수구분"_s, .field = u"LECTURE_REC_GUBUN"_s, .dataWidth = 2, .visible = false,
     .codeGroup = u"E0023"_s},
    {.title = u"강습인원"_s, .field = u"LECTURE_CNT"_s, .dataWidth = 3, .visible = false},
    {.title = u"비고"_s, .field = u"REMARK"_s, .dataWidth = 160, .visible = false},
    {.title = u"조명"_s, .field = u"TEAM_NAME"_s, .dataWidth = 30, .visible = false, .readOnly = true},
    {.title = u"강사직급구분명"_s, .field = u"LECTURER_GUBUN_NAME"_s, .dataWidth = 30, .visible = false,
     .readOnly = true},
};

} // namespace

TfrmECI030::TfrmECI030(QWidget *parent) : TfrmEZI000(u"frmECI030"_s, u"강사배정 등록"_s, parent)
{
    DateEdit *dtpDate = nullptr;
    AddSearchFields({{.name = u"dtpDate"_s, .caption = u"*배정일자"_s, .kind = FieldKind::Date,
                      .field = u"LECTURE_DATE"_s, .to = &dtpDate}});
    dtpDate->setDisplayFormat(QLocale(QLocale::Korean).dateFormat(QLocale::LongFormat));
    dtpDate->setMinimumWidth(170);

    SetColumns(Columns);

    AddFields({
        {.name = u"edtLecturerEmpNo"_s, .caption = u"*강사사번"_s, .field = u"LECTURER_EMP_NO"_s, .bytes = 8,
         .required = true, .lookup = [this] { LookupLecturer(); }, .width = 90, .to = &edtLecturerEmpNo},
        {.name = u"cboArea"_s, .caption = u"*강습지역구분"_s, .kind = FieldKind::Code, .field = u"AREA_GUBUN"_s,
         .codeGroup = u"E0017"_s, .to = &cboArea},
        {.name = u"cboLectureDetail"_s, .caption = u"*강습세부구분"_s, .kind = FieldKind::Code,
         .field = u"LECTURE_DETAIL_GUBUN"_s, .codeGroup = u"E0024"_s},
        {.name = u"cboLectureItem"_s, .caption = u"*강습종목구분"_s, .kind = FieldKind::Code,
         .field = u"LECTURE_ITEM_GUBUN"_s, .codeGroup = u"E0022"_s},
        {.name = u"cboLectureRec"_s, .caption = u"*강습접수구분"_s, .kind = FieldKind::Code,
         .field = u"LECTURE_REC_GUBUN"_s, .codeGroup = u"E0023"_s},
        {.name = u"wneLectureCnt"_s, .caption = u"*강습인원 (명)"_s, .kind = FieldKind::Number,
         .field = u"LECTURE_CNT"_s, .bytes = 3, .width = 60},
        {.name = u"edtRemark"_s, .caption = u"비고"_s, .field = u"REMARK"_s, .bytes = 160},
        {.name = u"edtLecturerName"_s, .caption = u"강사명"_s, .field = u"LECTURER_NAME"_s, .bytes = 60,
         .readOnly = true, .to = &edtLecturerName},
        {.name = u"edtLecturerTeamName"_s, .caption = u"조"_s, .field = u"TEAM_NAME"_s, .bytes = 30,
         .readOnly = true, .to = &edtLecturerTeamName},
        {.name = u"edtLecturerGubunName"_s, .caption = u"구분"_s, .field = u"LECTURER_GUBUN_NAME"_s, .bytes = 30,
         .readOnly = true, .to = &edtLecturerGubunName},
        // The codes behind the two names travel with the row, unseen.
        {.name = u"edtLecturerTeam"_s, .field = u"TEAM"_s, .bytes = 16, .readOnly = true, .to = &edtLecturerTeam},
        {.name = u"edtLecturerGubun"_s, .field = u"LECTURER_GUBUN"_s, .bytes = 16, .readOnly = true,
         .to = &edtLecturerGubun},
    });
    edtLecturerTeam->hide();
    edtLecturerGubun->hide();
    // A typed number drops the instructor it named; the emptied codes reach the row as any change does.
    connect(edtLecturerEmpNo, &QLineEdit::textEdited, this, [this] { ShowLecturer({}); });

    qryQuery.setSql(Query);
    qryQuery.bind(u"GC_TEAM_CODE"_s, u"Q043"_s);
    qryQuery.bind(u"GC_LECTURER_GUBUN"_s, u"Q044"_s);
    prcSaveData.setName(u"pr_eci030_01"_s);
    SetOptions({.checkCurrentRow = true, .keepEmptyRow = true});
}

void TfrmECI030::ShowLecturer(const StaffRecord &instructor)
{
    edtLecturerName->setText(instructor.name);
    edtLecturerTeam->setText(instructor.workGroupCode);
    edtLecturerTeamName->setText(instructor.workGroupName);
    edtLecturerGubun->setText(instructor.gradeCode);
    edtLecturerGubunName->setText(instructor.gradeName);
}

void TfrmECI030::LookupLecturer()
{
    if (!edtLecturerEmpNo->isEnabled() || IsSearchMode())
        return;
    StaffRecord instructor;
    if (!PickInstructor(QString(), instructor, this)) {
        edtLecturerEmpNo->setFocus();
        return;
    }
    edtLecturerEmpNo->setText(instructor.empNo);
    ShowLecturer(instructor);
    cboArea->setFocus();
}

void TfrmECI030::edtExit(QWidget *left)
{
    TfrmEZI000::edtExit(left);
    if (IsLoading() || IsSearchMode() || left != edtLecturerEmpNo || !edtLecturerEmpNo->isEnabled())
        return;
    const QString number = edtLecturerEmpNo->text().trimmed();
    if (!number.isEmpty())
        ShowLecturer(StaffInfo(number));
}

QList<RowCheck> TfrmECI030::RowChecks()
{
    return {
        {[this] { return !edtLecturerEmpNo->text().trimmed().isEmpty() && edtLecturerName->text().trimmed().isEmpty(); },
         edtLecturerEmpNo, u"*강사사번"_s + EnterCorrectly},
        {[this] { return !IsStoredRow(CheckedRow()) && HasDuplicateKey(); }, edtLecturerEmpNo,
         u"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."_s},
    };
}
