#include "ViewerSearch.h"

#include "GridView.h"
#include "Modal.h"
#include "ReportLocation.h"
#include "ReportViewer.h"
#include "SearchChecks.h"
#include "ViewerWindow.h"

#include <QPushButton>
#include <QSplitter>

using namespace Qt::StringLiterals;

TfrmViewerSearch::TfrmViewerSearch(const Def &def, QWidget *parent) : TfrmEZS000(def, parent)
{
    Rdviewer401 = new ReportViewer(splGrid);
    splGrid->addWidget(Rdviewer401);
    rgrGrid->hide();
    for (QPushButton *button : {bbtPrint, bbtPreview, bbtExcel, bbtCancel})
        button->hide();
    ConnectViewerOutput(Rdviewer401, this);
}

bool TfrmViewerSearch::bbtSearchClick()
{
    if (!PassSearchChecks(SearchFields(), SearchChecks()))
        return false;
    const Report report = ReportToShow();
    QString problem;
    const std::optional<QString> parameters = viewer::ParameterString(report.values, &problem);
    if (!parameters) {
        ErrorBox(u"보고서 인수가 맞지 않습니다.\r"_s + problem);
        return false;
    }
    Rdviewer401->setAutoAdjust(0);
    Rdviewer401->setZoomRatio(90);
    Rdviewer401->open(viewer::ReportLocation(viewer::ConfiguredServer(), report.file), *parameters);
    return true;
}
