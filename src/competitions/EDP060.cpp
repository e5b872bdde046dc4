#include "EDP060.h"

using namespace Qt::StringLiterals;

TfrmEDP060::TfrmEDP060(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP010(u"frmEDP060"_s, u"뱃지테스트 심사 현황"_s, parent)
{
    SetGridColumns(columns);
    SetSummary(CountSummary());
    // The grid's groups, headed on paper as "심 사 자(A)".
    SetGroupHeadings(columns, [](QString group) { return group.replace(u"심사자"_s, u"심 사 자"_s); });
}
