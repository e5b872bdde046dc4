#include "EEP090.h"

using namespace Qt::StringLiterals;

TfrmEEP090::TfrmEEP090(const QList<ColumnDef> &columns, QObject *parent)
    : CrossTableLayout(u"frmEEP090"_s, u"연령별 부상발생 시간 현황"_s, columns, parent)
{
}
