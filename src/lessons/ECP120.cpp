#include "ECP120.h"

#include "CountingList.h"

using namespace Qt::StringLiterals;

TfrmECP120::TfrmECP120(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP010(u"frmECP120"_s, u"기간별 강사출역현황"_s, parent)
{
    SetGridColumns(columns);
    SetHighlight(SubtotalRecords(u"LECTURE_ITEM_GUBUN_NAME"_s));
    SetSummary(LabelledSummary(u"합계"_s, 6, {{u"LECTURE_REC_GUBUN_NAME"_s, 7}}));
}
