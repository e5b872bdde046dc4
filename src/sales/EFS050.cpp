#include "EFS050.h"

#include <QLabel>

using namespace Qt::StringLiterals;

TfrmEFS050::TfrmEFS050(QWidget *parent)
    : TfrmViewerSearch({.form = u"frmEFS050"_s, .caption = u"곤도라 발권 및 게이트 통과 현황"_s}, parent)
{
    AddSearchFields({
        {.name = u"dtpDateFrom"_s, .caption = u"영업일자 :"_s, .kind = FieldKind::Date, .field = u"SALE_DATE_FROM"_s,
         .required = true},
        // The end keeps the day the screen was opened on.
        {.name = u"dtpDateTo"_s, .kind = FieldKind::Date, .field = u"SALE_DATE_TO"_s, .readOnly = true},
    });
    for (QWidget *part : SearchFields().last().parts())
        part->hide();
}

TfrmViewerSearch::Report TfrmEFS050::ReportToShow() const
{
    QStringList values;
    for (const Field &field : SearchFields())
        values.append(ControlValue(field.control));
    return {u"곤도라발권및Gate통과현황.mrd"_s, values};
}
