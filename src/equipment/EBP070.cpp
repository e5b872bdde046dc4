#include "EBP070.h"

using namespace Qt::StringLiterals;

TfrmEBP070::TfrmEBP070(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP010(u"frmEBP070"_s, u"연일장비 대여 현황"_s, parent)
{
    SetGridColumns(columns);
    SetSummary(CountSummary());
}
