#include "ECP100.h"

using namespace Qt::StringLiterals;

TfrmECP100::TfrmECP100(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP010(u"frmECP100"_s, u"스키학교 수강생현황"_s, parent)
{
    SetGridColumns(columns);
    SetSummary(CountSummary());
}
