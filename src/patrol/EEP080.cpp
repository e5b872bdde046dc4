#include "EEP080.h"

using namespace Qt::StringLiterals;

TfrmEEP080::TfrmEEP080(const QList<ColumnDef> &columns, QObject *parent)
    : CrossTableLayout(u"frmEEP080"_s, u"성별 부상형태 현황"_s, columns, parent)
{
}
