#include "ECP180.h"

using namespace Qt::StringLiterals;

TfrmECP180::TfrmECP180(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP010(u"frmECP180"_s, u"인터스키 접수 현황"_s, parent)
{
    SetGridColumns(columns);
    SetSummary(CountSummary());
}
