#include "EEP050.h"

using namespace Qt::StringLiterals;

TfrmEEP050::TfrmEEP050(const QList<ColumnDef> &columns, QObject *parent)
    : CrossTableLayout(u"frmEEP050"_s, u"월별 부상 발생시간 현황"_s, columns, parent)
{
}
