#include "EBP090.h"

#include "CountingList.h"

using namespace Qt::StringLiterals;

TfrmEBP090::TfrmEBP090(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP000(u"frmEBP090"_s, u"기간별 장비대여 현황"_s, parent)
{
    SetCountingLayout(*this, columns);
}
