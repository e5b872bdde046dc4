#include "ECP090.h"

using namespace Qt::StringLiterals;

TfrmECP090::TfrmECP090(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP010(u"frmECP090"_s, u"스키클럽 수강현황"_s, parent)
{
    SetGridColumns(columns);
    SetSummary(CountSummary());
}
