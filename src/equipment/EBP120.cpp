#include "EBP120.h"

#include "CountingList.h"

using namespace Qt::StringLiterals;

TfrmEBP120::TfrmEBP120(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP000(u"frmEBP120"_s, u"보관 종류별 현황"_s, parent)
{
    SetCountingLayout(*this, columns);
}
