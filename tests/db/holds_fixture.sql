-- Free items, and holds of another counter (E9) taken 31 and 29 minutes
-- ago and now; the counter under test (T1) holds items taken a minute ago
-- and an hour ago on two dates.
INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun)
SELECT 'M', 'CS', 'C000' || n, '150' FROM generate_series(1, 8) AS n;
INSERT INTO eb020tm (rent_date, area_gubun, equip_gubun, equip_no, au_emp_no, au_ip, au_date) VALUES
    ('20250110', 'M', 'CS', 'C0001', 'E9', 'E9 COUNTER-09', LOCALTIMESTAMP(0) - interval '31 minutes'),
    ('20250110', 'M', 'CS', 'C0002', 'E9', 'E9 COUNTER-09', LOCALTIMESTAMP(0) - interval '29 minutes'),
    ('20250110', 'M', 'CS', 'C0003', 'E9', 'E9 COUNTER-09', LOCALTIMESTAMP(0)),
    ('20250110', 'M', 'CS', 'C0004', 'T1', 'T1 COUNTER-01', LOCALTIMESTAMP(0) - interval '1 minute'),
    ('20250111', 'M', 'CS', 'C0005', 'T1', 'T1 COUNTER-01', LOCALTIMESTAMP(0) - interval '1 hour'),
    ('20250110', 'M', 'CS', 'C0006', 'T1', 'T1 COUNTER-02', LOCALTIMESTAMP(0) - interval '1 minute');
