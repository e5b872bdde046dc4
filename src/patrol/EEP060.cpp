#include "EEP060.h"

using namespace Qt::StringLiterals;

TfrmEEP060::TfrmEEP060(const QList<ColumnDef> &columns, QObject *parent)
    : CrossTableLayout(u"frmEEP060"_s, u"월별 부상형태 현황"_s, columns, parent)
{
}
