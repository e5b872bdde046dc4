#include "EES050.h"

#include "EEP050.h"

using namespace Qt::StringLiterals;

namespace {
CrossTableDef table()
{
    CrossTableDef table = accidents::Table(accidents::Rows::HourBands, accidents::Columns::Months);
    table.total = accidents::NarrowShare(u" 00.00"_s);
    return table;
}
} // namespace

TfrmEES050::TfrmEES050(QWidget *parent)
    : AccidentTableScreen({.form = u"frmEES050"_s, .caption = u"월별 부상 발생시간 현황 조회,출력"_s,
                           .report = CrossReport<TfrmEEP050>},
                          table(), parent)
{
}
