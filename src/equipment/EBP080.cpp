#include "EBP080.h"

#include "CountingList.h"

using namespace Qt::StringLiterals;

TfrmEBP080::TfrmEBP080(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP000(u"frmEBP080"_s, u"시간대별 장비대여 현황"_s, parent)
{
    SetCountingLayout(*this, columns);
}
