#include "EES060.h"

#include "EEP060.h"

using namespace Qt::StringLiterals;

namespace {
CrossTableDef table()
{
    CrossTableDef table = accidents::Table(accidents::Rows::Injuries, accidents::Columns::Months);
    table.total = accidents::NarrowShare(u"  00.00"_s);
    return table;
}
} // namespace

TfrmEES060::TfrmEES060(QWidget *parent)
    : AccidentTableScreen({.form = u"frmEES060"_s, .caption = u"월별 부상형태 현황 조회,출력"_s,
                           .report = CrossReport<TfrmEEP060>},
                          table(), parent)
{
}
