-- Two blocks of season 2026, the first with its lockers.
INSERT INTO ktuser.eh010ms (season_year, seq_no, location, area_zone, locker_type, unit_amt, member_amt, beginning_no, locker_qty)
VALUES ('2026', 1, 'M', 'A', '1', 100000, 80000, 101, 3),
       ('2026', 2, 'M', 'B', '2', 150000, 120000, 201, 2);
-- A third block with its lockers: 301 sold by card three days ago.
INSERT INTO ktuser.eh010ms (season_year, seq_no, location, area_zone, locker_type, unit_amt, member_amt, beginning_no, locker_qty)
VALUES ('2026', 3, 'S', 'A', '1', 100000, 80000, 301, 2);
INSERT INTO ktuser.eh020ms (season_year, location, area_zone, locker_type, locker_no, unit_amt, member_amt, use_yn,
                            sale_date, m_name, m_idno, pay_code, sale_amt, ipgum_amt, ipgum_yn, approval_no, card_issuer)
VALUES ('2026', 'S', 'A', '1', '301', 100000, 80000, 'Y', to_char(CURRENT_DATE - 3, 'YYYYMMDD'), '카드손님',
        kest_private.enc('8001011234567'), '카드', 100000, 100000, 'Y', 'AP1', '국민'),
       ('2026', 'S', 'A', '1', '302', 100000, 80000, 'N', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
-- Members by resident number: valid to today, ended yesterday, valid from tomorrow.
INSERT INTO ktuser.ba040ms (member_no, member_name, id_no, id_no_hash, use_date_from, use_date_to)
SELECT m.no, m.name, kest_private.enc(m.idno), kest_private.id_no_hash(m.idno),
       to_char(CURRENT_DATE + m.from_days, 'YYYYMMDD'), to_char(CURRENT_DATE + m.to_days, 'YYYYMMDD')
  FROM (VALUES ('2000000091', '현회원', '9101011234567', -10, 0), ('2000000092', '끝회원', '9201011234567', -400, -1),
               ('2000000093', '새회원', '9301011234567', 1, 300)) m(no, name, idno, from_days, to_days);
