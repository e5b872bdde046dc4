#include "ECP130.h"

using namespace Qt::StringLiterals;

TfrmECP130::TfrmECP130(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP010(u"frmECP130"_s, u"직원예약 현황"_s, parent)
{
    SetGridColumns(columns);
    SetSummary(CountSummary());
}
