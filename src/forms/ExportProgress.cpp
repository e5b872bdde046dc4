#include "ExportProgress.h"

#include <QApplication>
#include <QPushButton>

using namespace Qt::StringLiterals;

ExportProgress::ExportProgress(QWidget *parent) : QProgressDialog(parent)
{
    setObjectName(u"frmExportProgress"_s);
    setWindowTitle(u"Excel 저장"_s);
    setWindowModality(Qt::WindowModal);
    setAutoClose(false);
    setAutoReset(false);
    auto *cancel = new QPushButton(u"취소"_s, this);
    cancel->setObjectName(u"bbtCancel"_s);
    setCancelButton(cancel);
    setRange(0, 0); // no end known: the bar only moves
    setLabelText(u"Excel 파일로 저장하고 있습니다..."_s);
    // The export runs under the hourglass; Cancel is meant to be clicked.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    show();
    QApplication::processEvents();
}

ExportProgress::~ExportProgress()
{
    QApplication::restoreOverrideCursor();
}

bool ExportProgress::rows(int written)
{
    setLabelText(u"Excel 파일로 저장하고 있습니다... %L1행"_s.arg(written));
    QApplication::processEvents();
    return !wasCanceled();
}

void ExportProgress::finishing()
{
    setLabelText(u"파일을 마무리하고 있습니다..."_s);
    if (QPushButton *cancel = findChild<QPushButton *>(u"bbtCancel"_s))
        cancel->setEnabled(false);
    QApplication::processEvents();
}
