#include "PrintProgress.h"

#include <QCoreApplication>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace report {

PrintProgress::PrintProgress(QWidget *parent) : QProgressDialog(parent)
{
    setObjectName(u"frmPrintProgress"_s);
    setWindowTitle(u"인쇄"_s);
    setWindowModality(Qt::WindowModal);
    setMinimumDuration(0);
    setAutoClose(false);
    setAutoReset(false);
    auto *cancel = new QPushButton(u"취소"_s, this);
    cancel->setObjectName(u"bbtCancel"_s);
    setCancelButton(cancel);
}

Progress PrintProgress::callback()
{
    return [this](int done, int total) {
        setMaximum(total);
        setValue(done);
        setLabelText(u"인쇄 중입니다... %1 / %2"_s.arg(done).arg(total));
        QCoreApplication::processEvents();
        return !wasCanceled();
    };
}

} // namespace report
