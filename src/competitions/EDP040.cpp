#include "EDP040.h"

using namespace Qt::StringLiterals;

TfrmEDP040::TfrmEDP040(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP010(u"frmEDP040"_s, u"스키대회 현황"_s, parent)
{
    SetGridColumns(columns);
    SetSummary(CountSummary());
}
