-- Lessons: a season of club enrolments, the school's trainees completed
-- (receipt 3 still without any), instructor assignments over several
-- weeks, and staff booking places on the days after the load with one
-- slot full. Receipts and the first slots come from 20_lookups.sql.

INSERT INTO ec010ms (season_gubun, lecture_no, member_no, trainer_name, enter_date, sex, age, id_no, zip_code,
                     addr1, addr2, job, tel_no, mobile_no, email, player_exp, lecture_item_gubun,
                     lecture_rec_gubun, want_skill_gubun, use_ski_place, trainer_ability, enter_motive,
                     lecturer_emp_no, lecturer_name, spe_remark, remark)
SELECT '26', e.no, e.member_no, e.name, e.enter_date, e.sex, e.age, kest_private.enc(e.id_no), e.zip,
       kest_private.enc(e.addr1), kest_private.enc(e.addr2), e.job, kest_private.enc(e.tel),
       kest_private.enc(e.mobile), e.email, e.exp, e.item, '02', e.skill, '본 스키장', e.ability, e.motive,
       e.lecturer, e.lecturer_name, NULL, NULL
  FROM (VALUES
    (1, '2000000101', '김민준', '20261201', '1', '51', '7501011234567', '135080', '서울특별시 강남구 역삼동',
     '123-4', '회사원', '02-555-1234', '010-1234-5678', 'minjun@example.com', NULL, '01', '02', '중급 패러렐',
     '회전을 더 다듬고 싶어서', 'E1001', '정강사'),
    (2, '2000000102', '이서연', '20261201', '2', '44', '8203152234567', '463400', '경기도 성남시 분당구 정자동',
     '45-6', '교사', '031-222-3333', '010-2222-3333', NULL, '대학 스키부', '01', '03', '상급', '모굴 입문', 'E1001',
     '정강사'),
    (3, NULL, '한겨울', '20261203', '2', '12', '1406154234567', NULL, NULL, NULL, '학생', '033-111-2222', NULL,
     NULL, NULL, '02', '01', '초급', '친구 추천', 'E1002', '한보드'),
    (4, NULL, '강설원', '20261205', '1', '35', '9105051234567', '100744', '서울특별시 중구 남대문로5가',
     '7층', '자영업', '02-777-1234', '010-7777-1234', 'snow@example.com', '지역 대회 2회', '01', '04', '상급',
     '대회 준비', 'D0003', '박예약')
  ) AS e (no, member_no, name, enter_date, sex, age, id_no, zip, addr1, addr2, job, tel, mobile, email, exp,
          item, skill, ability, motive, lecturer, lecturer_name);
-- The numbers go on from the demo's highest.
INSERT INTO kest_private.counters (series, last_no) VALUES ('ec010ms:26', 4)
ON CONFLICT (series) DO UPDATE SET last_no = GREATEST(kest_private.counters.last_no, 4);

INSERT INTO ec020ms (season_gubun, receipt_no, enter_date, receipt_name) VALUES
    ('26', '0000000003', '20261210', '정하람');

UPDATE ec020dt
   SET member_no = CASE trainer_name WHEN '이서연' THEN '2000000102' WHEN '김민준' THEN '2000000101' END,
       tel_no = kest_private.enc('010-2222-3333'),
       train_test = '기본 회전 가능, 경사 적응 필요',
       lecturer_view = CASE WHEN receipt_seq = 1 THEN '자세 안정, 다음 단계 진행 가능' END,
       next_train_content = '연속 회전',
       lecturer_emp_no = 'E1001', lecturer_name = '정강사'
 WHERE season_gubun IN ('25', '26');

-- Assignments on the weekdays of four weeks around the load day.
INSERT INTO ec030ms (lecture_date, lecturer_emp_no, lecturer_name, area_gubun, lecture_detail_gubun, team,
                     lecturer_gubun, lecture_item_gubun, lecture_rec_gubun, lecture_cnt, remark)
SELECT to_char(CURRENT_DATE + d, 'YYYYMMDD'), i.emp_no, i.name, 'M', i.detail, i.team, i.grade, i.item, i.rec,
       i.cnt, CASE WHEN d = 0 THEN '오전반' END
  FROM generate_series(-14, 13) AS d,
       (VALUES ('E1001', '정강사', '02', '01', '01', '01', '02', 6),
               ('E1002', '한보드', '01', '02', '02', '02', '01', 4),
               ('D0003', '박예약', '03', '01', '02', '01', '04', 3)) AS i (emp_no, name, detail, team, grade, item, rec, cnt)
 WHERE extract(isodow FROM CURRENT_DATE + d) < 6;

-- One slot full on the day after the load, with a cancelled booking in its history.
INSERT INTO ec040ms (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun, yaeyak_ability_cnt, remark)
VALUES (to_char(CURRENT_DATE + 1, 'YYYYMMDD'), '01', '04', '03', 4, '중급 오후반: 리프트 1번 앞 집합');
INSERT INTO ec050ms (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun, emp_no, emp_name, yaeyak_cnt, remark) VALUES
    (to_char(CURRENT_DATE + 1, 'YYYYMMDD'), '01', '04', '03', 'D0002', '이대여', 4, '가족'),
    (to_char(CURRENT_DATE + 2, 'YYYYMMDD'), '02', '04', '01', 'D0002', '이대여', 1, NULL);
INSERT INTO ec050hs (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun, emp_no, emp_name,
                     yaeyak_cnt, booked_emp_no, booked_ip, booked_date, cancel_remark, au_emp_no, au_ip)
VALUES (to_char(CURRENT_DATE + 1, 'YYYYMMDD'), '01', '04', '03', 'D0004', '최순찰', 2, 'D0004', 'demo', LOCALTIMESTAMP(0),
        '근무 변경', 'D0003', 'demo');
