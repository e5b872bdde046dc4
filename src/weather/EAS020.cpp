#include "EAS020.h"

#include "EAP020.h"
#include "GridModel.h"
#include "Lookups.h"
#include "Weather.h"

using namespace Qt::StringLiterals;

TfrmEAS020::TfrmEAS020(QWidget *parent)
    : TfrmEZS000({.form = u"frmEAS020"_s, .caption = u"기상정보 현황 조회,출력"_s, .report = ListReport<TfrmEAP020>},
                 parent)
{
    AddSearchFields({
        {.name = u"edtObsePlace"_s, .caption = u"*관측장소"_s, .kind = FieldKind::CodeName,
         .field = u"OBSE_PLACE_GUBUN"_s, .bytes = 2, .codeGroup = u"E0001"_s, .required = true, .width = 30,
         .pick = CodeLookup(u"관측장소 구분"_s), .picked = [this] { bbtSearchClick(); }, .nameWidth = 100},
        {.name = u"dtpDate"_s, .caption = u"*관측일자"_s, .kind = FieldKind::Date, .field = u"OBSE_DATE"_s,
         .printLine = 2},
    });
    cdsQuery->setColumns(StationColumns(u"관측시간"_s, u"OBSE_TIME"_s));
    SetQuery(uR"sql(SELECT substr(obse_time, 1, 2) || ':' || substr(obse_time, 3, 2) AS obse_time,
       trim_scale(temperature)::text AS temperature,
       trim_scale(humidity)::text AS humidity,
       trim_scale(wind_velocity)::text AS wind_velocity,
       trim_scale(wind_direction)::text AS wind_direction,
       trim_scale(radiation)::text AS radiation,
       trim_scale(atmospheric)::text AS atmospheric,
       trim_scale(snowfall)::text AS snowfall
FROM   ea010ms
WHERE  obse_date        = :OBSE_DATE
AND    obse_place_gubun = :OBSE_PLACE_GUBUN
ORDER  BY ea010ms.obse_time DESC)sql"_s);
    SetFooterQuery(StationFooterSql(uR"sql(WHERE  obse_date        = :OBSE_DATE
AND    obse_place_gubun = :OBSE_PLACE_GUBUN)sql"_s));
}
