-- Demo equipment register and boot base stock for both buildings.

-- Skis and snowboards, numbered per building and kind. Sizes stay
-- inside the building's size groups; a few items are worn out and may not be
-- rented.
INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun, equip_rent_yn, buy_date, remark,
                     au_emp_no, au_ip)
SELECT k.area, k.kind, lpad(n::text, 5, '0'),
       (k.low + ((n - 1) % ((k.high - k.low) / 5 + 1)) * 5)::text,
       CASE WHEN n % 7 = 0 THEN 'N' ELSE 'Y' END,
       to_char(DATE '2023-10-02' + (n % 40), 'YYYYMMDD'),
       CASE WHEN n % 7 = 0 THEN '엣지 손상, 수리 대기' WHEN n % 11 = 0 THEN '신규 입고' END,
       'D0001', '127.0.0.1'
  FROM (VALUES ('M', 'NS', 130, 180, 24),
               ('M', 'CS', 140, 175, 16),
               ('M', 'SB', 130, 160, 14),
               ('S', 'NS', 130, 180, 12),
               ('S', 'CS', 140, 170, 10),
               ('S', 'SB', 135, 155, 8)) AS k(area, kind, low, high, how_many)
 CROSS JOIN LATERAL generate_series(1, k.how_many) AS n
-- Items other demo data put in the register keep their values and get a
-- purchase date.
ON CONFLICT (area_gubun, equip_gubun, equip_no)
DO UPDATE SET buy_date = COALESCE(eb020ms.buy_date, EXCLUDED.buy_date);

-- Base stock of rental boots: most in the middle sizes.
INSERT INTO eb030ms (area_gubun, boots_size_gubun, stock_qty, au_emp_no, au_ip)
SELECT a.area, s::text, greatest(2, a.scale * (12 - abs(s - 260) / 5)), 'D0001', '127.0.0.1'
  FROM (VALUES ('M', 3), ('S', 2)) AS a(area, scale)
 CROSS JOIN generate_series(220, 300, 5) AS s
ON CONFLICT DO NOTHING;
