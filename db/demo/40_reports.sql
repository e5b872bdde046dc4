-- Demo data for the report screens: a season of weather observations up to
-- today, two weeks of rentals spread over hours, kinds and both buildings,
-- storages of the season over postal regions, and past operation days.
-- Values vary with the day, hour and station in a fixed way, so that a
-- reload shows the same pictures.

-- Every station reads each hour from 07:00 to 22:00. Some readings are
-- missing: humidity now and then, BASE2's wind and radiation for a few
-- hours, and JUMP on every fifth day.
INSERT INTO ea010ms (obse_date, obse_time, obse_place_gubun, temperature, humidity, wind_velocity, wind_direction,
                     radiation, atmospheric, snowfall)
SELECT to_char(d, 'YYYYMMDD'), lpad(h::text, 2, '0') || '00', s.code,
       round((-4 - s.height * 3 + 5 * sin(pi() * (h - 8) / 14) + 3 * sin(extract(doy FROM d) / 5.0))::numeric, 2),
       CASE WHEN (extract(doy FROM d)::int + h + s.n) % 17 = 0 THEN NULL
            ELSE round((65 + 20 * cos(extract(doy FROM d) / 3.0 + s.n))::numeric, 1) END,
       CASE WHEN s.code = 'A2' AND h BETWEEN 12 AND 14 THEN NULL
            ELSE round((1.5 + s.height * 2 + abs(3 * sin(h + extract(doy FROM d) + s.n)))::numeric, 2) END,
       round((180 + 170 * sin(extract(doy FROM d) + h / 6.0 + s.n))::numeric, 0),
       CASE WHEN s.code = 'A2' AND h BETWEEN 12 AND 14 THEN NULL
            WHEN h BETWEEN 8 AND 17 THEN round((450 * sin(pi() * (h - 7) / 11))::numeric, 1)
            ELSE 0 END,
       round((1013 - s.height * 90 + 6 * sin(extract(doy FROM d) / 4.0))::numeric, 1),
       CASE WHEN (extract(doy FROM d)::int + s.n) % 6 = 0 THEN round((0.2 + (h % 5) * 0.4)::numeric, 1) ELSE 0 END
  FROM generate_series(current_date - 110, current_date, interval '1 day') AS d
 CROSS JOIN generate_series(7, 22) AS h
 CROSS JOIN (VALUES ('A1', 1, 0.0), ('A2', 2, 0.1), ('A3', 3, 0.4), ('A4', 4, 1.0),
                    ('A5', 5, 0.6), ('A6', 6, 0.2), ('A7', 7, 1.1)) AS s(code, n, height)
 WHERE NOT (s.code = 'A3' AND extract(doy FROM d)::int % 5 = 0)
ON CONFLICT DO NOTHING;

-- Rentals of the last two weeks in both buildings, numbered after those
-- other demo files hold. Each rental has one to three rows of the
-- building's items; times spread from 08:00 to 21:00, busiest late morning.
DO $$
DECLARE
    day   date;
    area  text;
    n     bigint;
    r     integer;
    seq   integer;
    item  record;
    at    integer;
    names text[] := ARRAY['김하늘', '이바다', '박산들', '최구름', '정가람', '강보라', '조은솔', '윤나래',
                          '장다온', '임해솔', '한별', '오누리'];
BEGIN
    FOR day IN SELECT generate_series(current_date - 13, current_date, interval '1 day')::date LOOP
        FOREACH area IN ARRAY ARRAY['M', 'S'] LOOP
            n := (SELECT COALESCE(max(rent_no), 0) FROM eb040ms
                   WHERE rent_date = to_char(day, 'YYYYMMDD') AND area_gubun = area);
            FOR r IN 1 .. 6 + (extract(doy FROM day)::int + length(area)) % 7 LOOP
                n := n + 1;
                INSERT INTO eb040ms (rent_date, area_gubun, rent_no, deal_name, keep_kind_gubun, keep_box_no,
                                     au_emp_no, au_ip)
                VALUES (to_char(day, 'YYYYMMDD'), area, n, '데모취급', lpad((1 + r % 4)::text, 2, '0'),
                        CASE WHEN r % 4 <> 0 THEN area || '-' || lpad(r::text, 3, '0') END, 'DEMO', '127.0.0.1');
                at := 8 * 60 + ((r * 97 + extract(doy FROM day)::int * 13) % (13 * 60));
                seq := 0;
                FOR item IN
                    SELECT i.equip_gubun, i.equip_no FROM eb020ms i
                     WHERE i.area_gubun = area AND i.equip_rent_yn = 'Y' AND i.svrl_rent_yn = 'N'
                       -- an item out already that day stays off the list
                       AND NOT EXISTS (SELECT 1 FROM eb040dt d
                                        WHERE d.rent_date = to_char(day, 'YYYYMMDD') AND d.area_gubun = area
                                          AND (d.equip_gubun, d.equip_no) = (i.equip_gubun, i.equip_no)
                                          AND d.rent_stat IN ('D', 'S'))
                     ORDER BY md5(i.equip_gubun || i.equip_no || day::text || r::text)
                     LIMIT 1 + r % 3
                LOOP
                    seq := seq + 1;
                    INSERT INTO eb040dt (rent_date, area_gubun, rent_no, rent_seq, ticket_kind, rent_stat, equip_gubun,
                                         equip_no, rent_name, tel_no, height, weight, shoes_size, binding,
                                         rent_time, au_emp_no, au_ip)
                    VALUES (to_char(day, 'YYYYMMDD'), area, n, seq, lpad((1 + (r + seq) % 7)::text, 2, '0'),
                            CASE WHEN day < current_date OR (r + seq) % 3 = 0 THEN 'R' ELSE 'D' END,
                            item.equip_gubun, item.equip_no, names[1 + (r * 5 + seq) % 12],
                            kest_private.enc('010-' || lpad((1000 + r * 37)::text, 4, '0') || '-'
                                             || lpad((2000 + seq * 91 + r)::text, 4, '0')),
                            150 + (r * 7) % 40, 45 + (r * 5) % 40, (230 + 5 * ((r + seq) % 13))::text,
                            3 + (r + seq) % 6,
                            lpad((least(at + seq * 3, 21 * 60 + 59) / 60)::text, 2, '0')
                                || lpad((least(at + seq * 3, 21 * 60 + 59) % 60)::text, 2, '0'),
                            'DEMO', '127.0.0.1');
                END LOOP;
            END LOOP;
        END LOOP;
    END LOOP;

    -- Yesterday's multi-day rentals: two items per building still out.
    FOREACH area IN ARRAY ARRAY['M', 'S'] LOOP
        day := current_date - 1;
        n := (SELECT max(rent_no) FROM eb040ms WHERE rent_date = to_char(day, 'YYYYMMDD') AND area_gubun = area) + 1;
        INSERT INTO eb040ms (rent_date, area_gubun, rent_no, deal_name, keep_kind_gubun, keep_box_no, au_emp_no, au_ip)
        VALUES (to_char(day, 'YYYYMMDD'), area, n, '데모취급', '04', area || '-900', 'DEMO', '127.0.0.1');
        seq := 0;
        FOR item IN
            SELECT i.equip_gubun, i.equip_no FROM eb020ms i
             WHERE i.area_gubun = area AND i.equip_rent_yn = 'Y' AND i.svrl_rent_yn = 'N'
               AND NOT EXISTS (SELECT 1 FROM eb040dt d
                                WHERE d.rent_date = to_char(day, 'YYYYMMDD') AND d.area_gubun = area
                                  AND (d.equip_gubun, d.equip_no) = (i.equip_gubun, i.equip_no)
                                  AND d.rent_stat IN ('D', 'S'))
             ORDER BY i.equip_gubun DESC, i.equip_no DESC
             LIMIT 2
        LOOP
            seq := seq + 1;
            INSERT INTO eb040dt (rent_date, area_gubun, rent_no, rent_seq, ticket_kind, rent_stat, equip_gubun,
                                 equip_no, rent_name, tel_no, height, weight, shoes_size, binding,
                                 svrl_rent_from_date, svrl_rent_to_date, rent_time, au_emp_no, au_ip)
            VALUES (to_char(day, 'YYYYMMDD'), area, n, seq, '07', 'S', item.equip_gubun, item.equip_no,
                    CASE seq WHEN 1 THEN '서연일' ELSE '남연일' END, kest_private.enc('010-7777-000' || seq),
                    175, 70, '265', 6, to_char(day, 'YYYYMMDD'), to_char(day + 3, 'YYYYMMDD'), '0905',
                    'DEMO', '127.0.0.1');
            UPDATE eb020ms SET svrl_rent_yn = 'Y', svrl_from_date = to_char(day, 'YYYYMMDD')
             WHERE area_gubun = area AND equip_gubun = item.equip_gubun AND equip_no = item.equip_no;
        END LOOP;
    END LOOP;
END
$$;

-- The rentals other demo files stored without a time are given one, so
-- that today's hourly report has no rows outside its hours.
UPDATE eb040dt SET rent_time = lpad((9 + rent_seq)::text, 2, '0') || '30'
 WHERE rent_time IS NULL AND au_emp_no = 'DEMO';

-- Storages of the 2026-2027 season: deposited over the last five weeks,
-- keepers from the postal regions of the demo's postal table (some without
-- a postal code), some released, some past their release date.
INSERT INTO eb050ms (season_gubun, area_gubun, keep_no, keep_stat, ipgo_date, chulgo_date, keep_gubun, equip_gubun,
                     equip_name_gubun, native_no, poels_yn, keep_name, zip_code, mobile_no, keep_box_no,
                     au_emp_no, au_ip)
SELECT '26', a.area, a.base + i,
       CASE WHEN i % 5 = 0 THEN 'R' ELSE 'K' END,
       to_char(current_date - (i * 7) % 36, 'YYYYMMDD'),
       to_char(current_date - (i * 7) % 36 + (ARRAY[0, 3, 7, 30, 150])[1 + i % 5], 'YYYYMMDD'),
       lpad((1 + i % 5)::text, 2, '0'),
       (ARRAY['CS', 'NS', 'SB', 'BT', 'BB', 'PL'])[1 + i % 6],
       (ARRAY['01', '01', '02', '04', '05', '03'])[1 + i % 6],
       'DM-' || a.area || lpad(i::text, 4, '0'),
       CASE WHEN i % 6 IN (0, 1) THEN 'Y' ELSE 'N' END,
       (ARRAY['김보관', '이보관', '박보관', '최보관', '정보관', '강보관', '조보관'])[1 + i % 7],
       (ARRAY['135080', '121210', '100744', '232901', '232902', '463400', '600010', '612020', NULL])[1 + i % 9],
       kest_private.enc('010-3000-' || lpad(i::text, 4, '0')),
       a.area || '-' || lpad((100 + i)::text, 3, '0'),
       'DEMO', '127.0.0.1'
  FROM (SELECT area, (SELECT COALESCE(max(keep_no), 0) FROM eb050ms WHERE season_gubun = '26' AND area_gubun = area) AS base
          FROM (VALUES ('M'), ('S')) AS x(area)) AS a
 CROSS JOIN generate_series(1, 40) AS i;

-- Operation records of the last three days; one lift and one course stopped.
INSERT INTO eb010ms (run_date, fac_gubun, fac_detail_gubun, run_yn, au_emp_no, au_ip)
SELECT to_char(d, 'YYYYMMDD'), f.item1, f.detail,
       CASE WHEN (f.head, f.detail) IN (('E0007', '07'), ('E0006', '15')) THEN 'S' ELSE 'Y' END,
       'DEMO', '127.0.0.1'
  FROM generate_series(current_date - 3, current_date - 1, interval '1 day') AS d
 CROSS JOIN zx010ms f
 WHERE f.head IN ('E0006', 'E0007')
ON CONFLICT DO NOTHING;
