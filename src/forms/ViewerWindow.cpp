#include "ViewerWindow.h"

#include "Guard.h"
#include "Modal.h"
#include "ReportLocation.h"
#include "ReportViewer.h"
#include "ZZP010.h"

#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TfrmViewerWindow::TfrmViewerWindow(const QString &form, const QString &caption, const QString &file,
                                   QWidget *parent)
    : QWidget(parent, Qt::Window), m_file(file)
{
    setObjectName(form);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(900, 700);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Rdviewer401 = new ReportViewer(this);
    layout->addWidget(Rdviewer401);
    ConnectViewerOutput(Rdviewer401, this);
}

void ConnectViewerOutput(ReportViewer *viewer, QWidget *owner)
{
    QObject::connect(viewer, &ReportViewer::printRequested, owner, Guarded([viewer, owner] {
                         if (const report::Document *document = viewer->document())
                             TfrmZZP010::PrintDocument(*document, owner);
                     }));
    QObject::connect(viewer, &ReportViewer::pdfRequested, owner, Guarded([viewer, owner] {
                         if (const report::Document *document = viewer->document())
                             TfrmZZP010::SaveDocumentPdf(*document, owner);
                     }));
}

QString TfrmViewerWindow::Location() const
{
    return viewer::ReportLocation(viewer::ConfiguredServer(), m_file);
}

void TfrmViewerWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    RunGuarded([this] {
        Rdviewer401->setAutoAdjust(0);
        Rdviewer401->setZoomRatio(90);
        Rdviewer401->open(Location(), m_parameters);
    });
}

TfrmViewerWindow *ShowViewerWindow(TfrmViewerWindow *window, const QStringList &values)
{
    QString problem;
    const std::optional<QString> parameters = viewer::ParameterString(values, &problem);
    if (!parameters) {
        delete window;
        ErrorBox(u"보고서 인수가 맞지 않습니다.\r"_s + problem);
        return nullptr;
    }
    window->SetParameters(*parameters);
    window->show();
    return window;
}
