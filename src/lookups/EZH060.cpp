#include "EZH060.h"

#include "Lookups.h"

using namespace Qt::StringLiterals;

namespace {

const QString Sql = u"SELECT t1.member_no,\n"
                    "       t1.member_name\n"
                    "FROM   bb010ms t1\n"
                    "WHERE  t1.member_no > ' '\n"
                    "AND    t1.member_group_code = :MEMBER_GROUP_CODE\n"
                    "AND    t1.member_name LIKE :MEMBER_NAME ESCAPE '!'\n"
                    "AND    t1.cancel_date IS NULL\n"
                    "ORDER  BY t1.member_name, t1.member_no"_s;

} // namespace

TfrmEZH060::TfrmEZH060(QWidget *parent) : TfrmEZH000(u"frmEZH060"_s, u"제휴단체"_s, parent)
{
    AddSearchField({.label = u"제휴단체명"_s, .name = u"edtMemberName"_s, .bind = u"MEMBER_NAME"_s, .maxLength = 30});
    SetColumns({
        {.title = u"제휴단체번호"_s, .field = u"MEMBER_NO"_s, .width = 120},
        {.title = u"제휴단체명"_s, .field = u"MEMBER_NAME"_s, .width = 348},
    });
    SetSql(Sql);
    SetBind(u"MEMBER_GROUP_CODE"_s, u"44"_s);
    SetOutputs({{.field = u"MEMBER_NO"_s}, {.field = u"MEMBER_NAME"_s}});
}

bool PickPartnerGroup(const QString &typedName, QString &groupNo, QString &groupName, QWidget *parent)
{
    TfrmEZH060 dialog(parent);
    dialog.SetSearchText(0, typedName);
    return RunLookup(dialog, {&groupNo, &groupName});
}
