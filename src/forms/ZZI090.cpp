#include "ZZI090.h"

using namespace Qt::StringLiterals;

TfrmZZI090::TfrmZZI090(const QString &formName, const QString &caption, QWidget *parent)
    : TfrmGridEntry(formName, caption,
                    {.deleteQuestion = u"현재 자료를 삭제하시겠습니까?"_s,
                     .nothingChanged = u"변경된 데이타가 존재하지 않습니다."_s,
                     .cancelQuestion = u"변경된 자료가 있습니다. 정말 취소하시겠습니까?"_s,
                     .clearPanelOnCancel = false},
                    parent)
{
}
