#include "EES040.h"

#include "EEP040.h"

using namespace Qt::StringLiterals;

namespace {
CrossTableDef table()
{
    CrossTableDef table = accidents::Table(accidents::Rows::Injuries, accidents::Columns::Weekdays);
    table.footerTotal = u" (100.00%)"_s;
    return table;
}
} // namespace

TfrmEES040::TfrmEES040(QWidget *parent)
    : TfrmEES040(u"frmEES040"_s, parent)
{
}

TfrmEES040::TfrmEES040(const QString &form, QWidget *parent)
    : AccidentTableScreen({.form = form, .caption = u"요일별 부상상태 현황 조회,출력"_s,
                           .report = CrossReport<TfrmEEP040>},
                          table(), parent)
{
}
