-- Demo rows behind the lookups: members, employees and day workers, HR
-- codes, postal codes, outlets, rentals of today, ski school receipts,
-- badge test entrants and staff booking slots. Personal columns are stored
-- encrypted, as the procedures store them.

INSERT INTO zx900dt (grp_no, code_no, code_name) VALUES
    ('Q043', '01', '1조'),
    ('Q043', '02', '2조'),
    ('Q043', '03', '3조'),
    ('Q044', '01', '수석강사'),
    ('Q044', '02', '정강사'),
    ('Q044', '03', '보조강사');

-- Members: customers ('20', '30', '50'), staff ('10'; the member number is
-- the employee number) and partner groups ('44'). 박해지 has cancelled.
INSERT INTO bb010ms (member_no, member_name, member_group_code, id_no, sex_code, cancel_date,
                     main_member_name, member_info, home_tel, home_post, home_address1,
                     home_address2, office_post, office_address1, office_address2, office_tel,
                     mobile_tel)
SELECT m.member_no, m.member_name, m.member_group_code, kest_private.enc(m.id_no), m.sex_code,
       m.cancel_date, m.main_member_name, m.member_info, kest_private.enc(m.home_tel),
       m.home_post, kest_private.enc(m.home_address1), kest_private.enc(m.home_address2),
       m.office_post, kest_private.enc(m.office_address1), kest_private.enc(m.office_address2),
       kest_private.enc(m.office_tel), kest_private.enc(m.mobile_tel)
  FROM (VALUES
    ('2000000101', '김민준', '20', '7501011234567', '1', NULL, '김민준', '일반회원 2004년 분양',
     '02-555-1234', '135080', '서울특별시 강남구 역삼동', '123-4', '100744', '서울특별시 중구 남대문로', '한빛빌딩 5층', '02-777-8000', '010-1234-5678'),
    ('2000000102', '이서연', '20', '8203152234567', '2', NULL, '이서연', '일반회원 2005년 분양',
     '031-222-3333', '463400', '경기도 성남시 분당구 정자동', '45-6', NULL, NULL, NULL, NULL, '010-2222-3333'),
    ('2000000103', '박해지', '20', '6907071234567', '1', '20040115', '박해지', '2004년 해약',
     '033-333-4444', '232901', '강원도 홍천군 서면', '산골길 7', NULL, NULL, NULL, NULL, '010-3333-4444'),
    ('3000000201', '김하늘', '30', '9001012345678', '2', NULL, '김하늘', '시즌권 2025-2026',
     '02-666-7777', '121210', '서울특별시 마포구 서교동', '88-1', NULL, NULL, NULL, NULL, '010-4444-5555'),
    ('5000000301', '최도윤', '50', '7712121234567', '1', NULL, '최도윤', '콘도 골드회원',
     '051-888-9999', '612020', '부산광역시 해운대구 우동', '마린시티 101', '600010', '부산광역시 중구 중앙동', '무역빌딩 3층', '051-600-1000', '010-5555-6666'),
    ('D0001', '김관리', '10', '7003031234567', '1', NULL, NULL, '운영팀', NULL, NULL, NULL, NULL, NULL, NULL, NULL, '033-430-1001', '010-1001-1001'),
    ('D0002', '이대여', '10', '8104042234567', '2', NULL, NULL, '렌탈샵', NULL, NULL, NULL, NULL, NULL, NULL, NULL, '033-430-1002', '010-1002-1002'),
    ('D0003', '박예약', '10', '8505051234567', '1', NULL, NULL, '스키학교', NULL, NULL, NULL, NULL, NULL, NULL, NULL, '033-430-1003', '010-1003-1003'),
    ('D0004', '최순찰', '10', '7906061234567', '1', NULL, NULL, '패트롤', NULL, NULL, NULL, NULL, NULL, NULL, NULL, '033-430-1004', '010-1004-1004'),
    ('E1001', '정강사', '10', '7808081234567', '1', NULL, NULL, '스키학교 강사', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, '010-7001-7001'),
    ('E1002', '한보드', '10', '8809092234567', '2', NULL, NULL, '스키학교 강사', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, '010-7002-7002'),
    ('E1003', '오퇴직', '11', '6601011234567', '1', NULL, NULL, '협력사', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('4400000001', '한빛전자 스키동호회', '44', '1248100998', NULL, NULL, '한빛전자', '제휴 2005년', NULL, NULL, NULL, NULL, NULL, NULL, NULL, '02-777-8000', NULL),
    ('4400000002', '푸른대학교 스키부', '44', '1358200123', NULL, NULL, '푸른대학교', '제휴 2006년', NULL, NULL, NULL, NULL, NULL, NULL, NULL, '02-300-4000', NULL),
    ('4400000003', '옛날여행사', '44', '1108100777', NULL, '20051231', '옛날여행사', '제휴 종료', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL)
  ) AS m (member_no, member_name, member_group_code, id_no, sex_code, cancel_date,
          main_member_name, member_info, home_tel, home_post, home_address1, home_address2,
          office_post, office_address1, office_address2, office_tel, mobile_tel);

-- Employees: the demo employees may already be there without their work
-- codes; instructors work in '81' and are in service ('01').
INSERT INTO qa010ms (emp_no, emp_k_name, emp_name, emp_work_grp_code, emp_work_grp_duty_code,
                     emp_work_code, emp_stay_code, emp_pos_code) VALUES
    ('D0001', '김관리', '김관리', NULL, NULL, '10', '01', '11'),
    ('D0002', '이대여', '이대여', NULL, NULL, '20', '01', '21'),
    ('D0003', '박예약', '박예약', '01', '02', '81', '01', '11'),
    ('E1001', '정강사', '정강사', '01', '01', '81', '01', '11'),
    ('E1002', '한보드', '한보드', '02', '02', '81', '01', '21'),
    ('E1003', '오퇴직', '오퇴직', '03', '03', '81', '02', '11')
ON CONFLICT (emp_no) DO UPDATE
   SET emp_work_grp_code = EXCLUDED.emp_work_grp_code,
       emp_work_grp_duty_code = EXCLUDED.emp_work_grp_duty_code,
       emp_work_code = EXCLUDED.emp_work_code,
       emp_stay_code = EXCLUDED.emp_stay_code,
       emp_pos_code = EXCLUDED.emp_pos_code;

-- Day workers: two engaged (one without an end date), one whose
-- engagement has ended.
INSERT INTO qg010ms (lab_no, lab_k_name, lab_work_grp, lab_work_duty, lab_work_code, lab_end_date) VALUES
    ('L2001', '강알바', '02', '03', '81', to_char(CURRENT_DATE + 90, 'YYYYMMDD')),
    ('L2002', '윤시즌', '03', '03', '81', NULL),
    ('L2003', '장지난', '03', '03', '81', '20040301');

INSERT INTO zx030ms (zip_code, zip_seq, address1, address2, address3, post_box) VALUES
    ('100744', 1, '서울특별시', '중구', '남대문로5가', NULL),
    ('121210', 1, '서울특별시', '마포구', '서교동', NULL),
    ('135080', 1, '서울특별시', '강남구', '역삼동', NULL),
    ('135080', 2, '서울특별시', '강남구', '역삼동', '강남우체국사서함 1-100'),
    ('232901', 1, '강원도', '홍천군', '서면 팔봉리', NULL),
    ('232902', 1, '강원도', '홍천군', '서면 모곡리', NULL),
    -- The resort's own region, where most accidents happen.
    ('233950', 1, '강원도', '평창군', '대관령면 횡계리', NULL),
    ('463400', 1, '경기도', '성남시 분당구', '정자동', NULL),
    ('600010', 1, '부산광역시', '중구', '중앙동1가', NULL),
    ('612020', 1, '부산광역시', '해운대구', '우동', NULL);

INSERT INTO ja010ms (upjang_code, upjang_name, upjang_type) VALUES
    ('5010', '본관 렌탈샵',   '50'),
    ('5020', '별관 렌탈샵',   '50'),
    ('5030', '스키보관소',    '50'),
    ('5040', '스키학교',      '50'),
    ('5061', '곤도라 매표소', '50'),
    ('3010', '라운지 카페',   '30'),
    ('3020', '한식당',        '30');

-- Today's rentals at the main building.
INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun, equip_rent_yn, svrl_rent_yn) VALUES
    ('M', 'CS', '00001', '150', 'Y', 'N'),
    ('M', 'CS', '00002', '160', 'Y', 'N'),
    ('M', 'NS', '00001', '140', 'Y', 'N'),
    ('M', 'SB', '00001', '150', 'Y', 'N'),
    ('M', 'SB', '00002', '155', 'N', 'N');

INSERT INTO eb040ms (rent_date, area_gubun, rent_no, deal_name, keep_kind_gubun, keep_box_no) VALUES
    (to_char(CURRENT_DATE, 'YYYYMMDD'), 'M', 1, '이대여', '02', 'A-01'),
    (to_char(CURRENT_DATE, 'YYYYMMDD'), 'M', 2, '이대여', '04', 'A-02'),
    (to_char(CURRENT_DATE, 'YYYYMMDD'), 'M', 12, '김관리', '01', NULL);

INSERT INTO eb040dt (rent_date, area_gubun, rent_no, rent_seq, ticket_kind, rent_stat, equip_gubun, equip_no, rent_name) VALUES
    (to_char(CURRENT_DATE, 'YYYYMMDD'), 'M', 1, 1, '01', 'D', 'CS', '00001', '김민준'),
    (to_char(CURRENT_DATE, 'YYYYMMDD'), 'M', 1, 2, '01', 'D', 'SB', '00001', '김서윤'),
    (to_char(CURRENT_DATE, 'YYYYMMDD'), 'M', 2, 1, '02', 'R', 'NS', '00001', '이서연'),
    (to_char(CURRENT_DATE, 'YYYYMMDD'), 'M', 12, 1, '06', 'D', 'CS', '00002', '최도윤');

-- Ski school receipts of the seasons 2025-2026 and 2026-2027.
INSERT INTO ec020ms (season_gubun, receipt_no, enter_date, receipt_name) VALUES
    ('25', '0000000001', '20251220', '김민준'),
    ('25', '0000000002', '20251222', '한빛전자 스키동호회'),
    ('26', '0000000001', '20261201', '이서연'),
    ('26', '0000000002', '20261205', '최도윤');

INSERT INTO ec020dt (season_gubun, receipt_no, receipt_seq, trainer_name, sex, age,
                     lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun) VALUES
    ('25', '0000000001', 1, '김민준', '1', '38', '01', '01', '02'),
    ('25', '0000000001', 2, '김서윤', '2', '9',  '01', '03', '01'),
    ('25', '0000000002', 1, '박준호', '1', '29', '02', '02', '01'),
    ('25', '0000000002', 2, '정유진', '2', '27', '02', '02', '01'),
    ('26', '0000000001', 1, '이서연', '2', '43', '01', '01', '03'),
    ('26', '0000000002', 1, '최도윤', '1', '49', '02', '01', '01');

-- Badge test entrants.
INSERT INTO ed020ms (season_gubun, recv_no, apply_date, entry_name_kor, id_no, apply_class) VALUES
    ('25', 1, '20260105', '김민준', kest_private.enc('7501011234567'), '02'),
    ('25', 2, '20260106', '정강사', kest_private.enc('7808081234567'), '04'),
    ('26', 1, '20261210', '이서연', kest_private.enc('8203152234567'), '03'),
    ('26', 2, '20261211', '한보드', kest_private.enc('8809092234567'), '01');

-- Staff booking slots of the next week and a few bookings.
INSERT INTO ec040ms (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun, yaeyak_ability_cnt, remark)
SELECT to_char(CURRENT_DATE + d, 'YYYYMMDD'), i, '04', '01', 10, NULL
  FROM generate_series(1, 7) AS d, (VALUES ('01'), ('02')) AS k (i);

INSERT INTO ec050ms (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun, emp_no, emp_name, yaeyak_cnt) VALUES
    (to_char(CURRENT_DATE + 1, 'YYYYMMDD'), '01', '04', '01', 'D0003', '박예약', 2),
    (to_char(CURRENT_DATE + 1, 'YYYYMMDD'), '01', '04', '01', 'D0001', '김관리', 3);
