-- Observations of the ski area's weather stations ("E0001"), one row per
-- station and moment. Written by the weather system; this module only
-- reads them. Measurements may be missing.
CREATE TABLE ea010ms (
    obse_date        varchar(8) NOT NULL,
    obse_time        varchar(4) NOT NULL,
    obse_place_gubun varchar(2) NOT NULL,
    temperature      numeric(6, 2),
    humidity         numeric(6, 2),
    wind_velocity    numeric(6, 2),
    wind_direction   numeric(6, 2),
    radiation        numeric(8, 2),
    atmospheric      numeric(8, 2),
    snowfall         numeric(8, 2),
    PRIMARY KEY (obse_date, obse_place_gubun, obse_time)
);
