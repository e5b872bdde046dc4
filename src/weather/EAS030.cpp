#include "EAS030.h"

#include "EAP020.h"
#include "GridModel.h"
#include "InputEdits.h"
#include "Lookups.h"
#include "Weather.h"

using namespace Qt::StringLiterals;

TfrmEAS030::TfrmEAS030(QWidget *parent)
    : TfrmEZS000({.form = u"frmEAS030"_s, .caption = u"월별 평균 기상정보 현황 조회"_s, .report = ListReport<TfrmEAP020>},
                 parent)
{
    AddSearchFields({
        {.name = u"edtObsePlace"_s, .caption = u"*관측장소"_s, .kind = FieldKind::CodeName,
         .field = u"OBSE_PLACE_GUBUN"_s, .bytes = 2, .codeGroup = u"E0001"_s, .required = true, .width = 30,
         .pick = CodeLookup(u"관측장소 구분"_s), .picked = [this] { bbtSearchClick(); }, .nameWidth = 100},
        {.name = u"dtpFromDate"_s, .caption = u"*관측일자  FROM"_s, .kind = FieldKind::Date,
         .field = u"OBSE_DATE_FROM"_s, .to = &dtpFromDate, .printLine = 0},
        {.name = u"dtpToDate"_s, .caption = u"TO"_s, .kind = FieldKind::Date, .field = u"OBSE_DATE_TO"_s,
         .to = &dtpToDate, .printLine = 0},
    });
    cdsQuery->setColumns(StationColumns(u"관측일"_s, u"OBSE_DATE"_s));
    // Missing readings are left out of a day's averages: a day without any
    // reading of a measure shows it empty.
    SetQuery(uR"sql(SELECT obse_date,
       trim_scale(round(avg(temperature), 2))::text AS temperature,
       trim_scale(round(avg(humidity), 2))::text AS humidity,
       trim_scale(round(avg(wind_velocity), 2))::text AS wind_velocity,
       trim_scale(round(avg(wind_direction), 2))::text AS wind_direction,
       trim_scale(round(avg(radiation), 2))::text AS radiation,
       trim_scale(round(avg(atmospheric), 2))::text AS atmospheric,
       trim_scale(round(avg(snowfall), 2))::text AS snowfall
FROM   ea010ms
WHERE  obse_place_gubun = :OBSE_PLACE_GUBUN
AND    obse_date BETWEEN :OBSE_DATE_FROM AND :OBSE_DATE_TO
GROUP  BY obse_date
ORDER  BY obse_date)sql"_s);
    SetFooterQuery(StationFooterSql(uR"sql(WHERE  obse_place_gubun = :OBSE_PLACE_GUBUN
AND    obse_date BETWEEN :OBSE_DATE_FROM AND :OBSE_DATE_TO)sql"_s));
}

void TfrmEAS030::FillConditions(TfrmZZP010 &report)
{
    TfrmEZS000::FillConditions(report);
    report.SetCondition2(u"*관측일자: "_s + dtpFromDate->dateKey() + u" ~ "_s + dtpToDate->dateKey());
}
