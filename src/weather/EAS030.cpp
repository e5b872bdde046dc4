#include "EAS030.h"

#include "CodeNameField.h"
#include "EAP020.h"
#include "GridModel.h"
#include "InputEdits.h"
#include "Lookups.h"
#include "Weather.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

TfrmEAS030::TfrmEAS030(QWidget *parent) : TfrmEZS000(u"frmEAS030"_s, u"월별 평균 기상정보 현황 조회"_s, parent)
{
    AddSearchFields({
        {.name = u"edtObsePlace"_s, .caption = u"*관측장소"_s, .field = u"OBSE_PLACE_GUBUN"_s, .bytes = 2,
         .lookup = [this] { m_place->Lookup([this] { bbtSearchClick(); }); }, .width = 30, .to = &edtObsePlace},
        {.name = u"wlbObsePlace"_s, .kind = FieldKind::Label, .width = 100, .to = &wlbObsePlace},
        {.name = u"dtpFromDate"_s, .caption = u"*관측일자  FROM"_s, .kind = FieldKind::Date,
         .field = u"OBSE_DATE_FROM"_s, .to = &dtpFromDate},
        {.name = u"dtpToDate"_s, .caption = u"TO"_s, .kind = FieldKind::Date, .field = u"OBSE_DATE_TO"_s,
         .to = &dtpToDate},
    });
    m_place = new CodeNameField(edtObsePlace, wlbObsePlace, u"E0001"_s, [this](QString &code, QString &name) {
        return PickCode(u"관측장소 구분"_s, u"E0001"_s, code, name, this);
    }, this);

    QList<ColumnDef> columns{{.title = u"관측일"_s, .field = u"OBSE_DATE"_s, .width = 80,
                              .alignment = Qt::AlignCenter, .footer = true}};
    for (const Measure &m : Measures())
        columns.append({.title = m.title, .field = m.field, .width = 80, .alignment = Qt::AlignRight, .footer = true});
    cdsQuery->setColumns(columns);

    const QString where = u"WHERE  obse_place_gubun = :OBSE_PLACE_GUBUN\n"
                          "AND    obse_date BETWEEN :OBSE_DATE_FROM AND :OBSE_DATE_TO"_s;
    // Missing readings are left out of a day's averages: a day without any
    // reading of a measure shows it empty.
    QStringList averages;
    for (const Measure &m : Measures())
        averages.append(u"trim_scale(round(avg("_s + m.field.toLower() + u"), 2))::text AS "_s + m.field.toLower());
    qryQuery.setSql(u"SELECT obse_date,\n       "_s + averages.join(u",\n       "_s) + u"\nFROM   ea010ms\n"_s + where
                    + u"\nGROUP  BY obse_date\nORDER  BY obse_date"_s);
    qryFooter.setSql(StationFooterSql(where));
}

void TfrmEAS030::showEvent(QShowEvent *event)
{
    TfrmEZS000::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        dtpFromDate->setDate(QDate::currentDate());
        dtpToDate->setDate(QDate::currentDate());
    }
}

QList<RowCheck> TfrmEAS030::SearchChecks()
{
    return m_place->Checks(u"*관측장소"_s);
}

std::unique_ptr<TfrmZZP010> TfrmEAS030::CreateReport()
{
    return std::make_unique<TfrmEAP020>(u"관측일"_s, u"OBSE_DATE"_s);
}

void TfrmEAS030::FillConditions(TfrmZZP010 &report)
{
    report.SetCondition2(u"*관측일자: "_s + dtpFromDate->dateKey() + u" ~ "_s + dtpToDate->dateKey());
    report.SetCondition(TfrmZZP010::ConditionText({{u"*관측장소"_s, m_place->Name()}}));
}
