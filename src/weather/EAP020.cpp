#include "EAP020.h"

using namespace Qt::StringLiterals;

TfrmEAP020::TfrmEAP020(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP000(u"frmEAP020"_s, u"기상정보 현황"_s, parent)
{
    SetGridColumns(columns);
    QList<std::pair<QString, int>> averages;
    for (int column = 1; column < Columns().size(); ++column)
        averages.append({Columns().at(column).field, column});
    SetSummary(LabelledSummary(u"평균"_s, 0, averages));
}
