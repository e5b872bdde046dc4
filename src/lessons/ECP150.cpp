#include "ECP150.h"

using namespace Qt::StringLiterals;

TfrmECP150::TfrmECP150(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP010(u"frmECP150"_s, u"강습사고 현황"_s, parent)
{
    SetGridColumns(columns);
    SetSummary(CountSummary());
}
