#include "EES080.h"

#include "EEP080.h"

using namespace Qt::StringLiterals;

namespace {
CrossTableDef table()
{
    CrossTableDef table = accidents::Table(accidents::Rows::Injuries, accidents::Columns::Sexes);
    table.total = accidents::NarrowShare(u"  00.00"_s);
    table.footerTotal = u" (100.00%)"_s;
    return table;
}
} // namespace

TfrmEES080::TfrmEES080(QWidget *parent)
    : AccidentTableScreen({.form = u"frmEES080"_s, .caption = u"성별 부상형태 현황 조회,출력"_s,
                           .report = CrossReport<TfrmEEP080>},
                          table(), parent)
{
}
