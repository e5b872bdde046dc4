#include "SalesFields.h"

#include "CodeNameField.h"
#include "Lookups.h"
#include "SqlQuery.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace sales {

QList<FieldDef> SaleDateFields()
{
    return {
        {.name = u"dtpDateFrom"_s, .caption = u"판매일자 : FROM"_s, .kind = FieldKind::Date,
         .field = u"SALE_DATE_FROM"_s, .required = true, .width = 100},
        {.name = u"dtpDateTo"_s, .caption = u"TO"_s, .kind = FieldKind::Date, .field = u"SALE_DATE_TO"_s,
         .required = true, .width = 100},
    };
}

FieldDef OutletField()
{
    // Blank is refused by OutletChecks: the message names the outlet, not the label's colon.
    return {.name = u"edt_Upjang_No"_s, .caption = u"영업장 :"_s, .kind = FieldKind::CodeName,
            .field = u"UPJANG_CODE"_s, .bytes = 10, .width = 50,
            .pick = [](const QString &, QString &code, QString &name, QWidget *parent) {
                return PickOutlet(u"영업장 선택"_s, code, name, parent);
            },
            .nameWidth = 100};
}

void ReadOutletNames(const QList<Field> &fields)
{
    for (const Field &field : fields)
        if (field.def.field == u"UPJANG_CODE"_s && field.codeName)
            field.codeName->SetNameSource([](const QString &code) {
                return SqlQuery::scalar(u"SELECT upjang_name\n"
                                        "FROM   ja010ms\n"
                                        "WHERE  upjang_code = :UPJANG_CODE"_s,
                                        {{u"UPJANG_CODE"_s, code}});
            });
}


bool IsOutletCode(const QString &code)
{
    static const QRegularExpression plain(u"^[0-9A-Za-z]{1,10}$"_s);
    return plain.match(code).hasMatch();
}

namespace {

const Field *fieldOf(const QList<Field> &fields, const QString &name)
{
    for (const Field &field : fields)
        if (field.def.field == name)
            return &field;
    return nullptr;
}

QString valueOf(const QList<Field> &fields, const QString &name)
{
    const Field *field = fieldOf(fields, name);
    return field ? ControlValue(field->control).trimmed() : QString();
}

} // namespace

QList<RowCheck> OutletChecks(const QList<Field> &fields)
{
    const Field *outlet = fieldOf(fields, u"UPJANG_CODE"_s);
    if (!outlet)
        return {};
    QWidget *control = outlet->control;
    return {{[control] { return ControlValue(control).trimmed().isEmpty(); }, control, u"영업장"_s + EnterFirst},
            {[control] { return !IsOutletCode(ControlValue(control).trimmed()); }, control,
             u"영업장"_s + EnterCorrectly}};
}

QStringList ReportValues(const QList<Field> &fields, ReportOrder order)
{
    const QString from = valueOf(fields, u"SALE_DATE_FROM"_s);
    const QString to = valueOf(fields, u"SALE_DATE_TO"_s);
    const QString outlet = valueOf(fields, u"UPJANG_CODE"_s);
    return order == ReportOrder::PeriodFirst ? QStringList{from, to, outlet} : QStringList{outlet, from, to};
}

} // namespace sales
