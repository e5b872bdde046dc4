#include "EEP030.h"

using namespace Qt::StringLiterals;

TfrmEEP030::TfrmEEP030(const QList<ColumnDef> &columns, QObject *parent)
    : CrossTableLayout(u"frmEEP030"_s, u"요일별 사고발생시간"_s, columns, parent)
{
}
