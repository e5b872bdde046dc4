#include "EHP030.h"

using namespace Qt::StringLiterals;

TfrmEHP030::TfrmEHP030(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP010(u"frmEHP030"_s, u"시즌락카 현황"_s, parent)
{
    SetGridColumns(columns);
    SetSummary(CountSummary());
}
