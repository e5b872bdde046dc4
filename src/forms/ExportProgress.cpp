#include "ExportProgress.h"

#include <QCoreApplication>
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
    show();
    QCoreApplication::processEvents();
}

bool ExportProgress::rows(int written)
{
    setLabelText(u"Excel 파일로 저장하고 있습니다... %L1행"_s.arg(written));
    QCoreApplication::processEvents();
    return !wasCanceled();
}

void ExportProgress::finishing()
{
    setLabelText(u"파일을 마무리하고 있습니다..."_s);
    if (QPushButton *cancel = findChild<QPushButton *>(u"bbtCancel"_s))
        cancel->setEnabled(false);
    QCoreApplication::processEvents();
}
