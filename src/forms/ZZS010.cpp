#include "ZZS010.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>

using namespace Qt::StringLiterals;

TfrmZZS010::TfrmZZS010(const QString &formName, const QString &caption, QWidget *parent)
    : TfrmZZI000(formName, caption, parent)
{
    bbtSearch = CreateSearchBar();

    bbtPrint = AddButton(u"bbtPrint"_s, u"출력(F11)"_s, bbtClose);
    bbtPreview = AddButton(u"bbtPreview"_s, u"미리보기"_s, bbtClose);

    OnClick(bbtSearch, [this] { bbtSearchClick(); });
    OnClick(bbtPrint, [this] { bbtPrintClick(); });
    OnClick(bbtPreview, [this] { bbtPreviewClick(); });
    AddHotkey(QKeySequence(Qt::Key_F3), u"조회"_s, [this] { bbtSearchClick(); });
    AddHotkey(QKeySequence(Qt::Key_F11), u"출력"_s, [this] { bbtPrintClick(); });
    AddHotkey(QKeySequence(Qt::SHIFT | Qt::Key_F11), u"미리보기"_s, [this] { bbtPreviewClick(); });
}

bool TfrmZZS010::bbtSearchClick()
{
    return CommonStart(bbtSearch);
}

bool TfrmZZS010::bbtPrintClick()
{
    return CommonStart(bbtPrint);
}

bool TfrmZZS010::bbtPreviewClick()
{
    return CommonStart(bbtPreview);
}
