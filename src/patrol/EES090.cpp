#include "EES090.h"

#include "EEP090.h"

using namespace Qt::StringLiterals;

namespace {
CrossTableDef table()
{
    CrossTableDef table = accidents::Table(accidents::Rows::HourBands, accidents::Columns::AgeBands);
    return table;
}
} // namespace

TfrmEES090::TfrmEES090(QWidget *parent)
    : AccidentTableScreen({.form = u"frmEES090"_s, .caption = u"연령별 부상발생시간 현황 조회,출력"_s,
                           .report = CrossReport<TfrmEEP090>},
                          table(), parent)
{
}
