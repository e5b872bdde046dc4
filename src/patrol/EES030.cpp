#include "EES030.h"

#include "EEP030.h"

using namespace Qt::StringLiterals;

namespace {
CrossTableDef table()
{
    CrossTableDef table = accidents::Table(accidents::Rows::HourBands, accidents::Columns::Weekdays);
    table.footer.zero = u"( 00.00 %)"_s;
    return table;
}
} // namespace

TfrmEES030::TfrmEES030(QWidget *parent)
    : AccidentTableScreen({.form = u"frmEES030"_s, .caption = u"요일별 사고발생시간 현황 조회,출력"_s,
                           .report = CrossReport<TfrmEEP030>},
                          table(), parent)
{
}
