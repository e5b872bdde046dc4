#include "EBP110.h"

using namespace Qt::StringLiterals;

TfrmEBP110::TfrmEBP110(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP010(u"frmEBP110"_s, u"미출고 장비보관 현황"_s, parent)
{
    SetGridColumns(columns);
    SetSummary(CountSummary());
}
