-- The suite's calendar over the demo seasons, so that the weekday tables
-- of the accident statistics count the demo accidents.
INSERT INTO zx020ms (caln_date, yoil_code)
SELECT to_char(d, 'YYYYMMDD'), (extract(dow FROM d) + 1)::text
FROM   generate_series(make_date(extract(year FROM current_date)::integer - 2, 1, 1),
                       make_date(extract(year FROM current_date)::integer + 1, 12, 31), interval '1 day') d
ON CONFLICT DO NOTHING;
