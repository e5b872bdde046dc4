#include "EFH020.h"

#include "Lookups.h"

using namespace Qt::StringLiterals;

namespace {

const QString Sql = u"SELECT upjang_code,\n"
                    "       upjang_name\n"
                    "FROM   ja010ms\n"
                    "WHERE  upjang_type = :UPJANG_TYPE\n"
                    "ORDER  BY upjang_code"_s;

} // namespace

TfrmEFH020::TfrmEFH020(const QString &caption, QWidget *parent) : TfrmEZH000(u"frmEFH020"_s, caption, parent)
{
    SetColumns({
        {.title = u"영업장코드"_s, .field = u"UPJANG_CODE"_s, .width = 83, .alignment = Qt::AlignHCenter},
        {.title = u"영업장명"_s, .field = u"UPJANG_NAME"_s, .width = 185},
    });
    SetSql(Sql);
    SetBind(u"UPJANG_TYPE"_s, u"50"_s);
    SetOutputs({{.field = u"UPJANG_CODE"_s}, {.field = u"UPJANG_NAME"_s}});
}

bool PickOutlet(const QString &caption, QString &outletCode, QString &outletName, QWidget *parent)
{
    TfrmEFH020 dialog(caption, parent);
    return RunLookup(dialog, {&outletCode, &outletName});
}
