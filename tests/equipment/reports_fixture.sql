-- Rentals and storages the report screens count and list.
--
-- Rentals of 2025-01-10 in the main building ('M'): rental 1 at 09:15,
-- 09:20 and 09:40; rental 2 at 09:55, 10:10 and 10:30. By hour and kind:
-- 09 boots 1, carving skis 2; 10 carving skis 1, snowboard 1. Item CS 00003
-- went out on a day rental that was returned (1/3) and then on the
-- multi-day rental 2/1 of the same date. The annex ('S') and other dates
-- have rows of their own.
INSERT INTO eb040ms (rent_date, area_gubun, rent_no, deal_name, keep_kind_gubun, keep_box_no) VALUES
    ('20250110', 'M', 1, '김취급', '02', 'A01'),
    ('20250110', 'M', 2, '이취급', '03', 'B02'),
    ('20250110', 'S', 3, '박취급', '01', NULL),
    ('20250105', 'M', 4, '김취급', '01', NULL),
    ('20250201', 'M', 5, '김취급', '01', NULL);
INSERT INTO eb040dt (rent_date, area_gubun, rent_no, rent_seq, ticket_kind, rent_stat, equip_gubun, equip_no,
                     rent_name, tel_no, height, weight, shoes_size, binding, svrl_rent_from_date,
                     svrl_rent_to_date, rent_time) VALUES
    ('20250110', 'M', 1, 1, '01', 'D', 'CS', '00001', '홍길동', kest_private.enc('010-1111-2222'), 170, 65, '250', 5,
     NULL, NULL, '0915'),
    ('20250110', 'M', 1, 2, '01', 'D', 'BT', '00002', '홍길동', NULL, NULL, NULL, '250', NULL, NULL, NULL, '0920'),
    ('20250110', 'M', 1, 3, '01', 'R', 'CS', '00003', '홍길순', NULL, 160, 50, '230', 4, NULL, NULL, '0940'),
    ('20250110', 'M', 2, 1, '06', 'S', 'CS', '00003', '임꺽정', kest_private.enc('010-3333-4444'), 180, 80, '270', 7,
     '20250110', '20250112', '0955'),
    ('20250110', 'M', 2, 2, '06', 'D', 'SB', '00004', '임꺽정', NULL, NULL, NULL, NULL, NULL, NULL, NULL, '1010'),
    ('20250110', 'M', 2, 3, '01', 'D', 'CS', '00005', '장길산', NULL, NULL, NULL, NULL, NULL, NULL, NULL, '1030'),
    ('20250110', 'S', 3, 1, '01', 'D', 'CS', '00001', '별관손님', NULL, NULL, NULL, NULL, NULL, NULL, NULL, '0930'),
    ('20250105', 'M', 4, 1, '01', 'D', 'CS', '00006', '먼저온손님', NULL, NULL, NULL, NULL, NULL, NULL, NULL, '1100'),
    ('20250201', 'M', 5, 1, '01', 'D', 'NS', '00007', '나중손님', NULL, NULL, NULL, NULL, NULL, NULL, NULL, '1200');
INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun, svrl_rent_yn, svrl_from_date) VALUES
    ('M', 'CS', '00001', '150', 'N', NULL),
    ('M', 'CS', '00003', '160', 'Y', '20250110'),
    ('S', 'CS', '00001', '150', 'Y', '20250110');

-- Storages of season '26': 1 and 2 due on 2027-01-05 and 2027-01-10, 3
-- with no release date and no postal code, 4 released, 5 in the annex.
INSERT INTO eb050ms (season_gubun, area_gubun, keep_no, keep_stat, ipgo_date, chulgo_date, keep_gubun, equip_gubun,
                     equip_name_gubun, native_no, keep_name, keep_box_no, zip_code, mobile_no) VALUES
    ('26', 'M', 1, 'K', '20261201', '20270105', '05', 'CS', '01', 'SN-1', '김보관', 'A-1', '245901',
     kest_private.enc('010-5555-6666')),
    ('26', 'M', 2, 'K', '20261202', '20270110', '05', 'SB', '02', 'SN-2', '이보관', 'A-2', '245902', NULL),
    ('26', 'M', 3, 'K', '20261203', NULL, '01', 'CS', '01', 'SN-3', '박보관', 'A-3', NULL, NULL),
    ('26', 'M', 4, 'R', '20261204', '20270101', '03', 'CS', '01', 'SN-4', '최보관', 'A-4', '100011', NULL),
    ('26', 'S', 5, 'K', '20261205', '20270101', '05', 'CS', '01', 'SN-5', '정보관', 'B-1', '245901', NULL);

-- Postal codes: the prefix 245 covers two address pairs.
INSERT INTO zx030ms (zip_code, zip_seq, address1, address2, address3) VALUES
    ('245901', 1, '강원도', '평창군', '대관령면'),
    ('245901', 2, '강원도', '평창군', '진부면'),
    ('245902', 1, '강원도', '평창군', '봉평면'),
    ('245903', 1, '강원도', '정선군', '사북읍'),
    ('100011', 1, '서울특별시', '중구', '명동');
