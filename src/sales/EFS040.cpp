#include "EFS040.h"

#include "EFR040.h"
#include "EFR041.h"
#include "GridView.h"
#include "Guard.h"
#include "SalesFields.h"
#include "SearchChecks.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSplitter>

using namespace Qt::StringLiterals;

TfrmEFS040::TfrmEFS040(QWidget *parent)
    : TfrmEZS000({.form = u"frmEFS040"_s, .caption = u"메뉴/POS별 매출 현황"_s}, parent)
{
    AddSearchFields(sales::SaleDateFields() + QList<FieldDef>{sales::OutletField()});
    sales::ReadOutletNames(SearchFields());
    for (const Field &field : SearchFields())
        if (field.def.field == u"UPJANG_CODE"_s)
            SetControlValue(field.control, u"5001"_s);
    for (QPushButton *button : {bbtSearch, bbtPrint, bbtPreview, bbtExcel, bbtCancel})
        button->hide();

    // The two buttons stand where the list would.
    rgrGrid->hide();
    auto *buttons = new QWidget(splGrid);
    buttons->setObjectName(u"pnlReports"_s);
    auto *row = new QHBoxLayout(buttons);
    row->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bbtMenuSales = new QPushButton(u"메뉴별 매출조회"_s, buttons);
    bbtMenuSales->setObjectName(u"bbtMenuSales"_s);
    bbtPosSales = new QPushButton(u"POS별 매출조회"_s, buttons);
    bbtPosSales->setObjectName(u"bbtPosSales"_s);
    for (QPushButton *button : {bbtMenuSales, bbtPosSales}) {
        button->setMinimumSize(160, 40);
        row->addWidget(button);
    }
    row->addStretch();
    splGrid->addWidget(buttons);
    connect(bbtMenuSales, &QPushButton::clicked, this, Guarded([this] { MenuReportClick(); }));
    connect(bbtPosSales, &QPushButton::clicked, this, Guarded([this] { PosReportClick(); }));
}

QList<RowCheck> TfrmEFS040::SearchChecks()
{
    return sales::OutletChecks(SearchFields());
}

bool TfrmEFS040::MenuReportClick()
{
    return PassSearchChecks(SearchFields(), SearchChecks())
        && OpenViewerWindow<TfrmEFR040>(sales::ReportValues(SearchFields(), sales::ReportOrder::OutletFirst), this);
}

bool TfrmEFS040::PosReportClick()
{
    return PassSearchChecks(SearchFields(), SearchChecks())
        && OpenViewerWindow<TfrmEFR041>(sales::ReportValues(SearchFields(), sales::ReportOrder::OutletFirst), this);
}
