-- Rows the bad-input cases change or refer to: an item out on a stored
-- rental row, a free item, an item another counter holds, a stock row and a
-- storage record.
INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun, equip_rent_yn, buy_date) VALUES
    ('M', 'NS', '00001', '150', 'Y', '20240301'),
    ('M', 'CS', 'C0001', '150', 'Y', '20240301'),
    ('M', 'CS', 'C0002', '150', 'Y', '20240301');
INSERT INTO eb030ms (area_gubun, boots_size_gubun, stock_qty) VALUES ('M', '250', 5);
INSERT INTO eb040ms (rent_date, area_gubun, rent_no, deal_name, keep_kind_gubun, keep_box_no)
VALUES ('20250110', 'M', 1, '김대여', '01', 'A1');
INSERT INTO eb040dt (rent_date, area_gubun, rent_no, rent_seq, ticket_kind, rent_stat, equip_gubun, equip_no,
                     rent_name, shoes_size)
VALUES ('20250110', 'M', 1, 1, '01', 'D', 'NS', '00001', '홍길동', '250');
INSERT INTO eb020tm (rent_date, area_gubun, equip_gubun, equip_no, au_emp_no, au_ip)
VALUES ('20250110', 'M', 'CS', 'C0002', 'E9', 'E9 COUNTER-09');
INSERT INTO eb050ms (season_gubun, area_gubun, keep_no, keep_stat, ipgo_date, chulgo_date, keep_gubun, equip_gubun,
                     equip_name_gubun, native_no, keep_name, keep_box_no)
VALUES ('26', 'M', 1, 'K', '20261201', '20270430', '01', 'CS', '01', 'SN-1', '김보관', 'A-1');
-- A patrol accident record the accident cases change. T0001 may place
-- markers (the accident cases send one); T0003's personal withdrawal of the
-- grant leaves him without it; T0004 holds it in another module.
INSERT INTO ee010ms (trob_date, trob_no, peak_gubun, in_name, trob_time, in_age, in_id_no, in_tel_no)
VALUES ('20250105', 1, 'P1', '김부상', '0930', '23', kest_private.enc('9001011234567'),
        kest_private.enc('010-1111-2222'));
INSERT INTO za150ms (emp_no, project_id, program_id, add_yn) VALUES
    ('T0001', 'KEST_E', 'EES010W', 'Y'),
    ('T0003', 'KEST_E', 'EES010W', 'N'),
    ('T0004', 'KEST_A', 'EES010W', 'Y');
-- Lesson rows the lesson cases change: a club enrolment, a receipt with a
-- trainee, an assignment, places of a day and a slot of tomorrow booked by E1.
INSERT INTO ec010ms (season_gubun, lecture_no, trainer_name, enter_date, sex, age, id_no, tel_no)
VALUES ('26', 1, '김수강', '20261201', '1', '30', kest_private.enc('9001011234567'), kest_private.enc('02-1'));
INSERT INTO ec020ms (season_gubun, receipt_no, enter_date, receipt_name) VALUES ('26', '0000000001', '20261201', '김접수');
INSERT INTO ec020dt (season_gubun, receipt_no, receipt_seq, trainer_name, lecture_item_gubun, lecture_rec_gubun)
VALUES ('26', '0000000001', 1, '김학생', '01', '01');
INSERT INTO ec030ms (lecture_date, lecturer_emp_no, area_gubun, lecture_detail_gubun, lecturer_name)
VALUES ('20261210', 'L001', 'M', '01', '알바강사');
INSERT INTO ec040ms (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun, yaeyak_ability_cnt) VALUES
    ('20261210', '01', '04', '01', 10),
    (to_char(CURRENT_DATE + 1, 'YYYYMMDD'), '01', '04', '01', 10);
INSERT INTO ec050ms (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun, emp_no, emp_name, yaeyak_cnt)
VALUES (to_char(CURRENT_DATE + 1, 'YYYYMMDD'), '01', '04', '01', 'E1', '일직원', 6);

-- A competition, an entrant and its judging the competition cases change.
INSERT INTO ed010ms (game_date, seq_no, game_name) VALUES ('20261215', 1, '첫 대회');
INSERT INTO ed020ms (season_gubun, recv_no, apply_date, entry_name_kor, id_no, mobile_no, apply_class)
VALUES ('26', 1, '20261201', '김참가', kest_private.enc('8001011234567'), kest_private.enc('010-1111-2222'), '01');
INSERT INTO ed020dt (season_gubun, examine_date, recv_no, examiner_a, examiner_b, examiner_c)
VALUES ('26', '20261220', 1, '가', '나', '다');

-- Season lockers: block 1 created (101 sold in cash, 104 sold by card,
-- 102 and 103 free), block 2 without lockers, and one penalty record.
INSERT INTO eh010ms (season_year, seq_no, location, area_zone, locker_type, unit_amt, member_amt, beginning_no, locker_qty)
VALUES ('2026', 1, 'M', 'A', '1', 100000, 80000, 101, 4),
       ('2026', 2, 'M', 'B', '2', 150000, 120000, 201, 2);
INSERT INTO eh020ms (season_year, location, area_zone, locker_type, locker_no, unit_amt, member_amt, use_yn)
SELECT '2026', 'M', 'A', '1', n::text, 100000, 80000, 'N' FROM generate_series(101, 104) n;
UPDATE eh020ms SET sale_date = '20261201', m_name = '김사물', m_idno = kest_private.enc('8001011234567'),
                   pay_code = '현금', sale_amt = 100000, ipgum_amt = 100000, ipgum_yn = 'Y', use_yn = 'Y'
 WHERE locker_no IN ('101', '104');
INSERT INTO eh030ms (season_year, seq_no, cancel_date, location, area_zone, locker_type, locker_no, m_name, penalty_amt)
VALUES ('2026', 1, '20261205', 'M', 'A', '1', '105', '최취소', 10000);

INSERT INTO ba040ms (member_no, member_name, id_no, id_no_hash, sex_code, use_date_from, use_date_to, member_group_code)
VALUES ('2000000001', '김회원', kest_private.enc('8001011234567'), kest_private.id_no_hash('8001011234567'), '1',
        '20250101', '20251231', '20'),
       ('2000000002', '이회원', kest_private.enc('8101011234567'), kest_private.id_no_hash('8101011234567'), '2',
        '20250101', '20251231', '20');

-- Rows of the private lessons, lesson accidents, partner-group lesson days
-- and Interski places and bookings: a partner group (and one cancelled), a
-- lesson and an accident of a day, a lesson day of the group, instructor 7
-- of 2026 with one Sunday place free and a full Saturday, booking 1.
INSERT INTO bb010ms (member_no, member_name, member_group_code, cancel_date) VALUES
    ('4400000001', '제휴단체', '44', NULL), ('4400000003', '끝난단체', '44', '20051231');
INSERT INTO ec060ms (lecture_date, seq_no, lecturer_name) VALUES ('20261220', 1, '김강사');
INSERT INTO ec070ms (trob_date, seq_no, trob_name, lecturer_emp_no, trob_time, trob_place)
VALUES ('20261220', 1, '충돌', 'L001', '1405', '슬로프');
INSERT INTO ec080ms (event_no, lecture_date, trainer_cnt_ski_am) VALUES ('4400000001', '20261220', 3);
INSERT INTO ec090ms (season_year, coach_no, coach_name, coach_level, use_yn) VALUES ('2026', 7, '김강사', '상', 'Y');
INSERT INTO ec090dt (season_year, coach_no, class_day_code, tot_cls_cnt, re_cls_cnt) VALUES
    ('2026', 7, '1', 2, 1), ('2026', 7, '7', 1, 0);
INSERT INTO ec100ms (season_year, rsv_no, status_code, fix_yn, coach_no, class_day_code, remarks)
VALUES ('2026', 1, 'R', 'N', 7, '7', '비고');
