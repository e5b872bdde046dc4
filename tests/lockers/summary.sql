-- Season lockers the sales summary reads: sales inside and outside the
-- period, one without a deposit, one kept after a move, cancellations
-- inside the period of sales made before it, and a location code no group has.
INSERT INTO eh020ms (season_year, location, area_zone, locker_type, locker_no, unit_amt, member_amt, sale_date,
                     m_name, pay_code, sale_amt, ipgum_amt, ipgum_yn, assurance_amt, use_yn) VALUES
    ('2026', 'M', 'A', '1', '101', 100000, 80000, '20261201', '김사물', '현금', 100000, 100000, 'Y', 30000, 'Y'),
    ('2026', 'M', 'A', '1', '102', 100000, 80000, '20261215', '이보관', '카드', 80000, 50000, 'N', NULL, 'Y'),
    ('2026', 'M', 'A', '1', '103', 100000, 80000, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 'N'),
    ('2026', 'M', 'B', '2', '110', 150000, 120000, '20261120', '박이전', '현금', 150000, 150000, 'Y', 30000, 'Y'),
    ('2026', 'S', 'B', '2', '201', 150000, 120000, '20261205', '정대형', '카드', 150000, 150000, 'Y', 30000, 'Y'),
    ('2026', 'X', 'A', '1', '301', 90000, 70000, '20261210', '한모름', '현금', 90000, 0, 'N', 30000, 'Y');

INSERT INTO eh030ms (season_year, seq_no, cancel_date, location, area_zone, locker_type, locker_no, m_name,
                     sale_date, sale_amt, penalty_amt, pay_code, ipgum_amt, penalty_yn, return_amt) VALUES
    ('2026', 1, '20261203', 'M', 'A', '1', '104', '최취소', '20261202', 100000, 10000, '현금', 10000, 'N', 90000),
    ('2026', 2, '20261220', 'S', 'B', '2', '202', '한취소', '20261101', 150000, 45000, '카드', 45000, 'N', 105000),
    ('2026', 3, '20270105', 'S', 'B', '2', '203', '나중에', '20261208', 150000, 45000, '카드', 45000, 'N', 105000);
