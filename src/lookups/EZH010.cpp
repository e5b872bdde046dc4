#include "EZH010.h"

#include "Lookups.h"

using namespace Qt::StringLiterals;

namespace {

const QString Sql = u"SELECT CONCAT(SUBSTR(zip_code, 1, 3), '-', SUBSTR(zip_code, 4, 3)) AS zip_code,\n"
                    "       CONCAT(address1, ' ', address2, ' ', address3, ' ', post_box, ' ') AS address\n"
                    "FROM   zx030ms\n"
                    "WHERE  (address1 LIKE :ADDRESS ESCAPE '!'\n"
                    "    OR  address2 LIKE :ADDRESS ESCAPE '!'\n"
                    "    OR  address3 LIKE :ADDRESS ESCAPE '!')\n"
                    "ORDER  BY zip_code, zip_seq"_s;

} // namespace

TfrmEZH010::TfrmEZH010(QWidget *parent) : TfrmEZH000(u"frmEZH010"_s, u"우편번호"_s, parent)
{
    AddSearchField({.label = u"검색조건"_s, .name = u"edtAddress"_s, .bind = u"ADDRESS"_s, .width = 250});
    SetColumns({
        {.title = u"우편번호"_s, .field = u"ZIP_CODE"_s, .width = 71, .alignment = Qt::AlignHCenter},
        {.title = u"주소"_s, .field = u"ADDRESS"_s, .width = 636},
    });
    SetSql(Sql);
    SetOutputs({{.field = u"ZIP_CODE"_s, .withoutDashes = true}, {.field = u"ADDRESS"_s}});
}

bool PickPostalCode(QString &zipCode, QString &address, QWidget *parent)
{
    TfrmEZH010 dialog(parent);
    return RunLookup(dialog, {&zipCode, &address});
}

CodePick PostalLookup()
{
    return [](const QString &, QString &zipCode, QString &address, QWidget *parent) {
        return PickPostalCode(zipCode, address, parent);
    };
}
