#include "EFS060.h"

#include "Guard.h"
#include "SalesFields.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QRadioButton>

using namespace Qt::StringLiterals;

TfrmEFS060::TfrmEFS060(QWidget *parent)
    : TfrmViewerSearch({.form = u"frmEFS060"_s, .caption = u"고객구분/권종별 매출 보고서"_s}, parent)
{
    AddSearchFields(sales::SaleDateFields() + QList<FieldDef>{sales::OutletField()});
    sales::ReadOutletNames(SearchFields());

    auto *forms = new QWidget(this);
    forms->setObjectName(u"grpReportForm"_s);
    auto *row = new QHBoxLayout(forms);
    row->setContentsMargins(0, 0, 0, 0);
    rbtDetail = new QRadioButton(u"상세집계"_s, forms);
    rbtDetail->setObjectName(u"rbtDetail"_s);
    rbtTicket = new QRadioButton(u"권종별집계"_s, forms);
    rbtTicket->setObjectName(u"rbtTicket"_s);
    rbtGuest = new QRadioButton(u"고객구분별집계"_s, forms);
    rbtGuest->setObjectName(u"rbtGuest"_s);
    Chk_Vat = new QCheckBox(u"부가세별도"_s, forms);
    Chk_Vat->setObjectName(u"Chk_Vat"_s);
    auto *group = new QButtonGroup(forms);
    for (QRadioButton *button : {rbtDetail, rbtTicket, rbtGuest}) {
        group->addButton(button);
        row->addWidget(button);
        // Any click of a form clears the VAT choice; it shows only beside the detailed form.
        connect(button, &QRadioButton::clicked, this, Guarded([this] {
                    Chk_Vat->setChecked(false);
                    Chk_Vat->setVisible(rbtDetail->isChecked());
                }));
    }
    row->addWidget(Chk_Vat);
    rbtDetail->setChecked(true);
    forms->setMinimumWidth(forms->sizeHint().width());
    AddToSearchBar(forms);
}

QList<RowCheck> TfrmEFS060::SearchChecks()
{
    return sales::OutletChecks(SearchFields());
}

TfrmViewerSearch::Report TfrmEFS060::ReportToShow() const
{
    QStringList values = sales::ReportValues(SearchFields(), sales::ReportOrder::PeriodFirst);
    if (rbtTicket->isChecked())
        return {u"영업장별권종별판매집계.mrd"_s, values};
    if (rbtGuest->isChecked())
        return {u"영업장별고객구분별판매집계.mrd"_s, values};
    values.append(u" VAT별도"_s);
    return {Chk_Vat->isChecked() ? u"영업장별고객구분별권종별판매집계(VAT별도).mrd"_s
                                 : u"영업장별고객구분별권종별판매집계.mrd"_s,
            values};
}
