#include "EZH080.h"

#include "Lookups.h"

using namespace Qt::StringLiterals;

namespace {

// Team and grade names come from the HR codes, as in StaffInfo, so that a
// pick and a typed number show the same names.
const QString Sql =
    u"SELECT emp_no, emp_k_name, emp_work_grp_code,\n"
    "       (SELECT code_name FROM zx900dt WHERE grp_no = :GC_EMP_WORK_GRP_CODE\n"
    "           AND code_no = emp_work_grp_code) AS emp_work_grp_name,\n"
    "       emp_work_grp_duty_code,\n"
    "       (SELECT code_name FROM zx900dt WHERE grp_no = :GC_EMP_WORK_GRP_DUTY_CODE\n"
    "           AND code_no = emp_work_grp_duty_code) AS emp_work_grp_duty_name,\n"
    "       CASE WHEN emp_pos_code = '21' THEN '상용직' ELSE '정규직' END AS emp_type_name\n"
    "FROM   qa010ms\n"
    "WHERE  emp_work_code = '81'\n"
    "AND    emp_stay_code = '01'\n"
    "AND    emp_k_name LIKE :EMP_K_NAME ESCAPE '!'\n"
    "UNION\n"
    "SELECT lab_no, lab_k_name, lab_work_grp,\n"
    "       (SELECT code_name FROM zx900dt WHERE grp_no = :GC_EMP_WORK_GRP_CODE\n"
    "           AND code_no = lab_work_grp),\n"
    "       lab_work_duty,\n"
    "       (SELECT code_name FROM zx900dt WHERE grp_no = :GC_EMP_WORK_GRP_DUTY_CODE\n"
    "           AND code_no = lab_work_duty),\n"
    "       'A/B'\n"
    "FROM   qg010ms\n"
    "WHERE  (lab_end_date IS NULL OR lab_end_date > TO_CHAR(CURRENT_DATE, 'YYYYMMDD'))\n"
    "AND    lab_work_code = '81'\n"
    "AND    lab_k_name LIKE :EMP_K_NAME ESCAPE '!'\n"
    "ORDER  BY emp_k_name, emp_no"_s;

} // namespace

TfrmEZH080::TfrmEZH080(QWidget *parent) : TfrmEZH000(u"frmEZH080"_s, u"강사"_s, parent)
{
    AddSearchField({.label = u"강사명"_s, .name = u"edtLecturerName"_s, .bind = u"EMP_K_NAME"_s, .maxLength = 30});
    SetColumns({
        {.title = u"강사사번"_s, .field = u"EMP_NO"_s, .width = 88, .alignment = Qt::AlignHCenter},
        {.title = u"강사명"_s, .field = u"EMP_K_NAME"_s, .width = 165},
        {.title = u"조"_s, .field = u"EMP_WORK_GRP_NAME"_s, .width = 64, .alignment = Qt::AlignHCenter},
        {.title = u"구분"_s, .field = u"EMP_WORK_GRP_DUTY_NAME"_s, .width = 64, .alignment = Qt::AlignHCenter},
        {.title = u"근무형태"_s, .field = u"EMP_TYPE_NAME"_s, .width = 107, .alignment = Qt::AlignHCenter},
        {.title = u"조코드"_s, .field = u"EMP_WORK_GRP_CODE"_s, .visible = false},
        {.title = u"구분코드"_s, .field = u"EMP_WORK_GRP_DUTY_CODE"_s, .visible = false},
    });
    SetSql(Sql);
    SetBind(u"GC_EMP_WORK_GRP_CODE"_s, u"Q043"_s);
    SetBind(u"GC_EMP_WORK_GRP_DUTY_CODE"_s, u"Q044"_s);
    SetOutputs({{.field = u"EMP_NO"_s},
                {.field = u"EMP_K_NAME"_s},
                {.field = u"EMP_WORK_GRP_CODE"_s},
                {.field = u"EMP_WORK_GRP_NAME"_s},
                {.field = u"EMP_WORK_GRP_DUTY_CODE"_s},
                {.field = u"EMP_WORK_GRP_DUTY_NAME"_s}});
}

bool PickInstructor(const QString &typedName, StaffRecord &instructor, QWidget *parent)
{
    TfrmEZH080 dialog(parent);
    dialog.SetSearchText(0, typedName);
    return RunLookup(dialog, {&instructor.empNo, &instructor.name, &instructor.workGroupCode,
                              &instructor.workGroupName, &instructor.gradeCode, &instructor.gradeName});
}
