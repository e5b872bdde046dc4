#include "EZH040.h"

#include "Lookups.h"

using namespace Qt::StringLiterals;

namespace {

const QString Sql = u"SELECT detail,\n"
                    "       detail_name\n"
                    "FROM   zx010ms\n"
                    "WHERE  head = :HEAD\n"
                    "AND    NULLIF(TRIM(detail), '') IS NOT NULL\n"
                    "ORDER  BY detail"_s;

} // namespace

TfrmEZH040::TfrmEZH040(const QString &caption, const QString &group, QWidget *parent)
    : TfrmEZH000(u"frmEZH040"_s, caption, parent), m_group(group)
{
    SetColumns({
        {.title = u"코드"_s, .field = u"DETAIL"_s, .width = 97, .alignment = Qt::AlignHCenter},
        {.title = u"코드명"_s, .field = u"DETAIL_NAME"_s, .width = 384},
    });
    SetSql(Sql);
    SetBind(u"HEAD"_s, group);
    SetOutputs({{.field = u"DETAIL"_s}, {.field = u"DETAIL_NAME"_s}});
}

bool TfrmEZH040::SearchesOnActivation() const
{
    return !m_group.isEmpty();
}

bool PickCode(const QString &caption, const QString &group, QString &code, QString &label, QWidget *parent)
{
    TfrmEZH040 dialog(caption, group, parent);
    return RunLookup(dialog, {&code, &label});
}

CodePick CodeLookup(const QString &caption)
{
    return [caption](const QString &group, QString &code, QString &name, QWidget *parent) {
        return PickCode(caption, group, code, name, parent);
    };
}
