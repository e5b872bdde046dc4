#include "EES020.h"

#include "EEP020.h"

using namespace Qt::StringLiterals;

TfrmEES020::TfrmEES020(QWidget *parent)
    : AccidentList({.form = u"frmEES020"_s, .caption = u"일일 사고현황 조회,출력"_s, .report = ListReport<TfrmEEP020>},
                   u"e.trob_date = :TROB_DATE"_s, false, parent)
{
    AddSearchFields({{.name = u"dtpDate"_s, .caption = u"*사고일자"_s, .kind = FieldKind::Date,
                      .field = u"TROB_DATE"_s, .printLine = 1},
                     PlaceClassField()});
}
