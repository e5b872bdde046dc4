-- Accidents that meet every counting rule of the cross-tables:
--   1 Saturday 09:30, man, 9        5 a date the calendar lacks, 14:30,
--   2 Monday 09:15, woman, 10         another sex, no age
--   3 Monday 10:05, man, 60         6 a December Sunday 11:00, woman, 35
--   4 Tuesday 07:00 (no band), 75   7 Sunday 09:45, man, 160 (no band)
INSERT INTO zx020ms (caln_date, yoil_code)
SELECT to_char(d, 'YYYYMMDD'), (extract(dow FROM d) + 1)::text
FROM   generate_series(date '2024-12-01', date '2025-01-31', interval '1 day') d
WHERE  d <> date '2025-01-08';

INSERT INTO ee010ms (trob_date, trob_no, trob_time, in_sex, in_age, in_stat_gubun, peak_gubun) VALUES
    ('20250104', 1, '0930', '1', '9',   '01', 'P1'),
    ('20250106', 1, '0915', '2', '10',  '02', 'P1'),
    ('20250106', 2, '1005', '1', '60',  '01', 'P2'),
    ('20250107', 1, '0700', '1', '75',  '03', 'P2'),
    ('20250108', 1, '1430', '3', NULL,  '01', 'P1'),
    ('20241215', 1, '1100', '2', '35',  '02', 'P3'),
    ('20250105', 1, '0945', '1', '160', '04', 'P1');

