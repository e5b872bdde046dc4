-- Rentals of today at the main area's counter: a day rental, a multi-day
-- rental and a returned item. Items the register's demo may not hold yet
-- are added here without touching those it does.
INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun, equip_rent_yn, svrl_rent_yn)
VALUES ('M', 'CS', 'C0001', '150', 'Y', 'N'),
       ('M', 'CS', 'C0002', '150', 'Y', 'N'),
       ('M', 'CS', 'C0003', '160', 'Y', 'N'),
       ('M', 'NS', 'N0001', '150', 'Y', 'N'),
       ('M', 'SB', 'B0001', '140', 'Y', 'N'),
       ('M', 'SB', 'B0002', '140', 'Y', 'N')
ON CONFLICT DO NOTHING;

-- Numbered after the rentals other demo files already hold for today.
DO $$
DECLARE
    d  text := to_char(current_date, 'YYYYMMDD');
    n  bigint := (SELECT COALESCE(max(rent_no), 0) FROM eb040ms WHERE rent_date = d AND area_gubun = 'M');
BEGIN
    INSERT INTO eb040ms (rent_date, area_gubun, rent_no, deal_name, keep_kind_gubun, keep_box_no, au_emp_no, au_ip)
    VALUES (d, 'M', n + 1, '김대여', '02', 'A12', 'DEMO', '127.0.0.1'),
           (d, 'M', n + 2, '김대여', '01', 'B03', 'DEMO', '127.0.0.1');

    INSERT INTO eb040dt (rent_date, area_gubun, rent_no, rent_seq, ticket_kind, rent_stat, equip_gubun, equip_no,
                         rent_name, tel_no, height, weight, shoes_size, binding, svrl_rent_from_date,
                         svrl_rent_to_date, remark, au_emp_no, au_ip)
    VALUES (d, 'M', n + 1, 1, '01', 'D', 'CS', 'C0001', '이스키', kest_private.enc('010-1234-5678'), 172, 65, '265', 6,
            NULL, NULL, NULL, 'DEMO', '127.0.0.1'),
           (d, 'M', n + 1, 2, '01', 'R', 'SB', 'B0001', '박보드', kest_private.enc('010-2222-3333'), 168, 60, '255', 4,
            NULL, NULL, '오후 반납', 'DEMO', '127.0.0.1'),
           (d, 'M', n + 2, 1, '07', 'S', 'NS', 'N0001', '최연일', kest_private.enc('010-9876-5432'), 180, 78, '280', 7,
            d, to_char(current_date + 2, 'YYYYMMDD'), '3일 대여', 'DEMO', '127.0.0.1');

    UPDATE eb020ms SET svrl_rent_yn = 'Y', svrl_from_date = d
     WHERE area_gubun = 'M' AND equip_gubun = 'NS' AND equip_no = 'N0001';
END
$$;
