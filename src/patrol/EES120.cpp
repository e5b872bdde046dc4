#include "EES120.h"

#include "EEP020.h"
#include "Routines.h"

using namespace Qt::StringLiterals;

TfrmEES120::TfrmEES120(QWidget *parent)
    : AccidentList({.form = u"frmEES120"_s, .caption = u"일일 사고현황 조회,출력"_s, .report = ListReport<TfrmEEP020>},
                   u"e.trob_date >= :TROB_FROM_DATE\nAND    e.trob_date <= :TROB_TO_DATE"_s, true, parent)
{
    AddSearchFields({{.name = u"dtpTrobFromDate"_s, .caption = u"*사고일자"_s, .kind = FieldKind::Date,
                      .field = u"TROB_FROM_DATE"_s, .printLine = 0},
                     {.name = u"dtpTrobToDate"_s, .caption = u"~"_s, .kind = FieldKind::Date,
                      .field = u"TROB_TO_DATE"_s, .sameLine = true, .printLine = 0},
                     PlaceClassField()});
}

void TfrmEES120::FillConditions(TfrmZZP010 &report)
{
    TfrmEZS000::FillConditions(report);
    QString from;
    QString to;
    for (const Field &field : SearchFields()) {
        if (field.def.field == u"TROB_FROM_DATE"_s)
            from = field.printed();
        else if (field.def.field == u"TROB_TO_DATE"_s)
            to = field.printed();
    }
    report.SetCondition1(u"*사고일자: "_s + from + u"  ∼  "_s + to);
}
