#include "EES140.h"

using namespace Qt::StringLiterals;

TfrmEES140::TfrmEES140(QWidget *parent)
    : TfrmEES040(u"frmEES140"_s, parent)
{
}
