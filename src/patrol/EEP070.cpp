#include "EEP070.h"

using namespace Qt::StringLiterals;

TfrmEEP070::TfrmEEP070(const QList<ColumnDef> &columns, QObject *parent)
    : CrossTableLayout(u"frmEEP070"_s, u"성별 부상발생 시간 현황"_s, columns, parent)
{
}
