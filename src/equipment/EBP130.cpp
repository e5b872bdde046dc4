#include "EBP130.h"

#include "CountingList.h"

using namespace Qt::StringLiterals;

TfrmEBP130::TfrmEBP130(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP000(u"frmEBP130"_s, u"지역별 보관 현황"_s, parent)
{
    SetCountingLayout(*this, columns);
}
