#include "EEP020.h"

using namespace Qt::StringLiterals;

TfrmEEP020::TfrmEEP020(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP000(u"frmEEP020"_s, u"일일 사고현황"_s, parent)
{
    m_orientation = report::Orientation::Landscape;
    SetGridColumns(columns);
    SetSummary(CountSummary());
}
