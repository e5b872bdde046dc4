#include "EAS020.h"

#include "CodeNameField.h"
#include "EAP020.h"
#include "GridModel.h"
#include "Lookups.h"
#include "Weather.h"

#include <QLabel>
#include <QLineEdit>

#include <QDateEdit>

using namespace Qt::StringLiterals;

TfrmEAS020::TfrmEAS020(QWidget *parent) : TfrmEZS000(u"frmEAS020"_s, u"기상정보 현황 조회,출력"_s, parent)
{
    AddSearchFields({
        {.name = u"edtObsePlace"_s, .caption = u"*관측장소"_s, .field = u"OBSE_PLACE_GUBUN"_s, .bytes = 2,
         .lookup = [this] { m_place->Lookup([this] { bbtSearchClick(); }); }, .width = 30, .to = &edtObsePlace},
        {.name = u"wlbObsePlace"_s, .kind = FieldKind::Label, .width = 100, .to = &wlbObsePlace},
        {.name = u"dtpDate"_s, .caption = u"*관측일자"_s, .kind = FieldKind::Date, .field = u"OBSE_DATE"_s,
         .to = &dtpDate},
    });
    m_place = new CodeNameField(edtObsePlace, wlbObsePlace, u"E0001"_s, [this](QString &code, QString &name) {
        return PickCode(u"관측장소 구분"_s, u"E0001"_s, code, name, this);
    }, this);

    QList<ColumnDef> columns{{.title = u"관측시간"_s, .field = u"OBSE_TIME"_s, .width = 80,
                              .alignment = Qt::AlignCenter, .footer = true}};
    for (const Measure &m : Measures())
        columns.append({.title = m.title, .field = m.field, .width = 80, .alignment = Qt::AlignRight, .footer = true});
    cdsQuery->setColumns(columns);

    const QString where = u"WHERE  obse_date        = :OBSE_DATE\n"
                          "AND    obse_place_gubun = :OBSE_PLACE_GUBUN"_s;
    QStringList readings;
    for (const Measure &m : Measures())
        readings.append(u"trim_scale("_s + m.field.toLower() + u")::text AS "_s + m.field.toLower());
    qryQuery.setSql(u"SELECT substr(obse_time, 1, 2) || ':' || substr(obse_time, 3, 2) AS obse_time,\n       "_s
                    + readings.join(u",\n       "_s) + u"\nFROM   ea010ms\n"_s + where
                    + u"\nORDER  BY ea010ms.obse_time DESC"_s);
    qryFooter.setSql(StationFooterSql(where));
}

QList<RowCheck> TfrmEAS020::SearchChecks()
{
    return m_place->Checks(u"*관측장소"_s);
}

std::unique_ptr<TfrmZZP010> TfrmEAS020::CreateReport()
{
    return std::make_unique<TfrmEAP020>(u"관측시간"_s, u"OBSE_TIME"_s);
}

void TfrmEAS020::FillConditions(TfrmZZP010 &report)
{
    report.SetCondition2(TfrmZZP010::ConditionText({{u"*관측일자"_s, ShownValue(dtpDate)}}));
    report.SetCondition(TfrmZZP010::ConditionText({{u"*관측장소"_s, m_place->Name()}}));
}
