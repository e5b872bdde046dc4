#include "EEP040.h"

using namespace Qt::StringLiterals;

TfrmEEP040::TfrmEEP040(const QList<ColumnDef> &columns, QObject *parent)
    : CrossTableLayout(u"frmEEP040"_s, u"요일별 부상상태 현황"_s, columns, parent)
{
}
