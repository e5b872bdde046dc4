#include "EZH090.h"

#include "Lookups.h"

using namespace Qt::StringLiterals;

namespace {

const QString Sql = u"SELECT member_no   AS emp_no,\n"
                    "       member_name AS emp_name,\n"
                    "       (SELECT detail_name FROM zx010ms WHERE head = :GC_MEMBER_GROUP_CODE\n"
                    "           AND detail = member_group_code) AS member_group_name,\n"
                    "       (SELECT detail_name FROM zx010ms WHERE head = :GC_SEX_CODE\n"
                    "           AND detail = sex_code) AS sex_name\n"
                    "FROM   bb010ve\n"
                    "WHERE  member_name LIKE :MEMBER_NAME ESCAPE '!'\n"
                    "AND    SUBSTR(member_group_code, 1, 2) = :GC_SAWON_CODE\n"
                    "ORDER  BY member_name, member_no"_s;

} // namespace

TfrmEZH090::TfrmEZH090(QWidget *parent) : TfrmEZH000(u"frmEZH090"_s, u"사원"_s, parent)
{
    AddSearchField({.label = u"사원명"_s, .name = u"edtEmpName"_s, .bind = u"MEMBER_NAME"_s, .maxLength = 30});
    SetColumns({
        {.title = u"사원번호"_s, .field = u"EMP_NO"_s, .width = 101, .alignment = Qt::AlignHCenter},
        {.title = u"사원명"_s, .field = u"EMP_NAME"_s, .width = 148},
        {.title = u"사원구분"_s, .field = u"MEMBER_GROUP_NAME"_s, .width = 115, .alignment = Qt::AlignHCenter},
        {.title = u"성별"_s, .field = u"SEX_NAME"_s, .width = 81, .alignment = Qt::AlignHCenter},
    });
    SetSql(Sql);
    SetBind(u"GC_MEMBER_GROUP_CODE"_s, u"B0001"_s);
    SetBind(u"GC_SEX_CODE"_s, u"Z0008"_s);
    SetBind(u"GC_SAWON_CODE"_s, u"10"_s);
    SetOutputs({{.field = u"EMP_NO"_s}, {.field = u"EMP_NAME"_s}});
}

bool PickEmployee(const QString &typedName, QString &empNo, QString &empName, QWidget *parent)
{
    TfrmEZH090 dialog(parent);
    dialog.SetSearchText(0, typedName);
    return RunLookup(dialog, {&empNo, &empName});
}
