#include "ECP140.h"

using namespace Qt::StringLiterals;

TfrmECP140::TfrmECP140(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP010(u"frmECP140"_s, u"사설강습 현황"_s, parent)
{
    SetGridColumns(columns);
    SetSummary(CountSummary());
}
