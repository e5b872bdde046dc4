#include "EBP060.h"

using namespace Qt::StringLiterals;

TfrmEBP060::TfrmEBP060(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP010(u"frmEBP060"_s, u"일일 장비대여 현황"_s, parent)
{
    SetGridColumns(columns);
    SetSummary(CountSummary());
}
