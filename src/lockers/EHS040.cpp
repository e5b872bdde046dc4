#include "EHS040.h"

#include "GridView.h"
#include "Guard.h"
#include "InputEdits.h"
#include "Modal.h"
#include "ReportLocation.h"
#include "ReportViewer.h"
#include "ZZP010.h"

#include <QPushButton>
#include <QSplitter>

using namespace Qt::StringLiterals;

const QString TfrmEHS040::ReportFile = u"시즌락카판매집계.mrd"_s;

TfrmEHS040::TfrmEHS040(QWidget *parent)
    : TfrmEZS000({.form = u"frmEHS040"_s, .caption = u"시즌락카 판매 집계"_s}, parent)
{
    AddSearchFields({
        {.name = u"dtpFromDate"_s, .caption = u"판매일자 :  FROM"_s, .kind = FieldKind::Date,
         .field = u"FROM_DATE"_s, .to = &dtpFromDate},
        {.name = u"dtpToDate"_s, .caption = u"TO"_s, .kind = FieldKind::Date, .field = u"TO_DATE"_s,
         .to = &dtpToDate},
    });
    // The viewer takes the whole area; it prints and saves by itself.
    rgrGrid->hide();
    Rdviewer401 = new ReportViewer(splGrid);
    splGrid->addWidget(Rdviewer401);
    splGrid->setStretchFactor(splGrid->indexOf(Rdviewer401), 1);
    for (QPushButton *button : {bbtPrint, bbtPreview, bbtExcel, bbtCancel})
        button->hide();
    connect(Rdviewer401, &ReportViewer::printRequested, this, Guarded([this] {
                if (const report::Document *document = Rdviewer401->document())
                    TfrmZZP010::PrintDocument(*document, this);
            }));
    connect(Rdviewer401, &ReportViewer::pdfRequested, this, Guarded([this] {
                if (const report::Document *document = Rdviewer401->document())
                    TfrmZZP010::SaveDocumentPdf(*document, this);
            }));
}

QString TfrmEHS040::ReportLocation() const
{
    return viewer::ReportLocation(viewer::ConfiguredServer(), ReportFile);
}

QString TfrmEHS040::ReportParameters() const
{
    return viewer::ParameterString({ControlValue(dtpFromDate), ControlValue(dtpToDate)}).value_or(QString());
}

bool TfrmEHS040::bbtSearchClick()
{
    if (!bbtSearch->isEnabled() || !bbtSearch->isVisible())
        return false;
    QString problem;
    const std::optional<QString> parameters =
        viewer::ParameterString({ControlValue(dtpFromDate), ControlValue(dtpToDate)}, &problem);
    if (!parameters) {
        ErrorBox(u"보고서 인수가 맞지 않습니다.\r"_s + problem);
        return false;
    }
    Rdviewer401->setAutoAdjust(0);
    Rdviewer401->setZoomRatio(90);
    Rdviewer401->open(ReportLocation(), *parameters);
    return true;
}
