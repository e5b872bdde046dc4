#include "EZI020.h"

using namespace Qt::StringLiterals;

TfrmEZI020::TfrmEZI020(const QString &formName, const QString &caption, QWidget *parent)
    : TfrmGridEntry(formName, caption,
                    {.deleteQuestion = u"자료를 삭제하시겠습니까?"_s,
                     .nothingChanged = u"변경된 자료가 없습니다."_s,
                     .cancelQuestion = u"변경된 자료가 있습니다. 자료를 취소하시겠습니까?"_s,
                     .clearPanelOnCancel = true},
                    parent)
{
}
