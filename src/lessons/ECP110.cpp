#include "ECP110.h"

using namespace Qt::StringLiterals;

TfrmECP110::TfrmECP110(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP010(u"frmECP110"_s, u"강사배정 현황"_s, parent)
{
    SetGridColumns(columns);
    SetSummary(CountSummary());
}
