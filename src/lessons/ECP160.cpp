#include "ECP160.h"

using namespace Qt::StringLiterals;

TfrmECP160::TfrmECP160(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP010(u"frmECP160"_s, u"제휴 단체 강습현황"_s, parent)
{
    SetGridColumns(columns);
    SetGroupHeadings(columns, [](const QString &group) {
        return group == u"강습생"_s ? u"강        습        생"_s : group;
    });
    SetSummary(CountSummary());
}
