#include "EES070.h"

#include "EEP070.h"

using namespace Qt::StringLiterals;

namespace {
CrossTableDef table()
{
    CrossTableDef table = accidents::Table(accidents::Rows::HourBands, accidents::Columns::Sexes);
    table.footerTotal = u" (100.00%)"_s;
    return table;
}
} // namespace

TfrmEES070::TfrmEES070(QWidget *parent)
    : AccidentTableScreen({.form = u"frmEES070"_s, .caption = u"성별 부상발생 시간 현황 조회,출력"_s,
                           .report = CrossReport<TfrmEEP070>},
                          table(), parent)
{
}
