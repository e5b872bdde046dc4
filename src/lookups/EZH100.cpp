#include "EZH100.h"

#include "InputEdits.h"
#include "Lookups.h"
#include "Modal.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

TfrmEZH100::TfrmEZH100(QWidget *parent) : TfrmZZH000(u"frmEZH100"_s, u"취소사유 입력"_s, parent)
{
    auto *row = new QHBoxLayout(panMain);
    row->setContentsMargins(12, 16, 12, 16);
    auto *label = new QLabel(u"취소사유"_s, panMain);
    edtCancelRemark = new TextEdit(panMain);
    edtCancelRemark->setObjectName(u"edtCancelRemark"_s);
    edtCancelRemark->setMaxLength(40);
    edtCancelRemark->setMinimumWidth(320);
    label->setBuddy(edtCancelRemark);
    row->addWidget(label);
    row->addWidget(edtCancelRemark, 1);
    setTabOrder(edtCancelRemark, bbtOK);
    setTabOrder(bbtOK, bbtClose);
}

bool TfrmEZH100::StoreResult()
{
    m_remark = edtCancelRemark->text();
    return true;
}

bool EnterCancelRemark(QString &remark, QWidget *parent)
{
    TfrmEZH100 dialog(parent);
    if (modal().runDialog(dialog) != QDialog::Accepted)
        return false;
    remark = dialog.CancelRemark();
    return true;
}
