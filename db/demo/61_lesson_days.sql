-- Private lessons and lesson accidents over the last weeks (today's
-- included), lesson days of two partner groups, and the Interski register
-- of this and last season year with weekday places and bookings in every
-- state; the confirmed ones hold their places.

INSERT INTO ec060ms (lecture_date, seq_no, lecturer_name, tel_no, issue_no, lecture_item_gubun, lecture_rec_gubun,
                     lecture_detail_gubun, lecture_amt, remark)
SELECT to_char(CURRENT_DATE - d.back, 'YYYYMMDD'), d.seq, d.name, d.tel, d.issue, d.item, d.rec, d.detail, d.amt,
       d.remark
  FROM (VALUES
    (0, 1, '오준호', '010-3100-1001', 'KSIA-2-1187', '01', '01', '02', 120000, '오전 2시간'),
    (0, 2, '백하늘', '010-3100-1002', 'KSIA-1-0420', '02', '01', '03', 150000, NULL),
    (0, 3, '남궁솔', '010-3100-1003', NULL, '01', '03', '01', 90000, '어린이 1명'),
    (1, 1, '오준호', '010-3100-1001', 'KSIA-2-1187', '01', '02', '02', 240000, '가족 3명'),
    (3, 1, '백하늘', '010-3100-1002', 'KSIA-1-0420', '02', '01', '04', 150000, NULL),
    (7, 1, '오준호', '010-3100-1001', 'KSIA-2-1187', '01', '01', '03', 120000, NULL),
    (7, 2, '서은별', '010-3100-1004', 'KSIA-3-2290', '01', '01', '01', 100000, '야간')
  ) AS d (back, seq, name, tel, issue, item, rec, detail, amt, remark);

INSERT INTO ec070ms (trob_date, seq_no, trob_name, lecturer_emp_no, lecturer_name, trob_time, trob_place,
                     loss_name, loss_job, loss_tel_no, loss_id_no, loss_zip_code, loss_addr1, loss_addr2,
                     offense_name, offense_job, offense_tel_no, offense_id_no, offense_zip_code, offense_addr1,
                     offense_addr2, trob_remark, trob_injury, trob_after, trob_witnesses)
SELECT to_char(CURRENT_DATE - a.back, 'YYYYMMDD'), a.seq, a.name, a.emp, a.emp_name, a.at, a.place,
       a.loss, a.loss_job, kest_private.enc(a.loss_tel), kest_private.enc(a.loss_id), a.loss_zip,
       kest_private.enc(a.loss_addr1), kest_private.enc(a.loss_addr2),
       a.offense, NULL, kest_private.enc(a.offense_tel), kest_private.enc(a.offense_id), NULL, NULL, NULL,
       a.remark, a.injury, a.after, a.witness
  FROM (VALUES
    (0, 1, '강습 중 충돌', 'E1001', '정강사', '1035', '초급 슬로프 중간', '김민준', '회사원', '010-1234-5678',
     '7501011234567', '135080', '서울특별시 강남구 역삼동', '123-4', '이현우', '010-9876-5432', '9002021234567',
     '뒤에서 내려오던 스키어와 충돌', '왼쪽 무릎 타박상', '의무실 응급처치 후 귀가', '강습생 2명'),
    (2, 1, '리프트 하차 중 넘어짐', 'E1002', '한보드', '1420', '리프트 3번 하차장', '한겨울', '학생', '033-111-2222',
     '1406154234567', NULL, NULL, NULL, NULL, NULL, NULL,
     '하차 시 균형을 잃음', '손목 염좌', '부목 고정, 병원 안내', '리프트 요원'),
    (5, 1, '급정지 중 전도', 'E1001', '정강사', '0950', '중급 슬로프 하단', '이서연', '교사', '010-2222-3333',
     '8203152234567', '463400', '경기도 성남시 분당구 정자동', '45-6', NULL, NULL, NULL,
     '회전 연습 중 급정지', '허리 통증', '휴식 후 강습 계속', NULL)
  ) AS a (back, seq, name, emp, emp_name, at, place, loss, loss_job, loss_tel, loss_id, loss_zip, loss_addr1,
          loss_addr2, offense, offense_tel, offense_id, remark, injury, after, witness);

INSERT INTO ec080ms (event_no, lecture_date, trainer_cnt_ski_am, trainer_cnt_ski_pm, trainer_cnt_ski_nt,
                     trainer_cnt_board_am, trainer_cnt_board_pm, trainer_cnt_baby_am, lecturer_cnt_ski_am,
                     lecturer_cnt_ski_pm, lecturer_cnt_board_am, lecturer_cnt_baby_am)
SELECT g.event_no, to_char(CURRENT_DATE - g.back, 'YYYYMMDD'), g.ski_am, g.ski_pm, g.ski_nt, g.board_am,
       g.board_pm, g.baby_am, g.l_ski_am, g.l_ski_pm, g.l_board_am, g.l_baby_am
  FROM (VALUES
    ('4400000001', 0, 12, 10, 4, 6, 5, 3, 2, 2, 1, 1),
    ('4400000001', 6, 20, 18, 0, 8, 8, 0, 3, 3, 1, 0),
    ('4400000001', 13, 15, 12, 6, 4, 4, 2, 2, 2, 1, 1),
    ('4400000002', 2, 30, 25, 10, 12, 10, 0, 4, 4, 2, 0)
  ) AS g (event_no, back, ski_am, ski_pm, ski_nt, board_am, board_pm, baby_am, l_ski_am, l_ski_pm, l_board_am,
          l_baby_am);

-- The Interski register of this season year (the year of the date 180 days
-- back) and the last.
INSERT INTO ec090ms (season_year, coach_no, coach_name, coach_level, use_yn)
SELECT to_char(CURRENT_DATE - 180 - y.back * 365, 'YYYY'), c.no, c.name, c.level, c.use_yn
  FROM (VALUES (0), (1)) AS y (back),
       (VALUES (101, '최인터', '상', 'Y'), (102, '윤설경', '중', 'Y'), (103, '문하진', '하', 'Y'),
               (104, '조쉼표', '중', 'N')) AS c (no, name, level, use_yn);

INSERT INTO ec090dt (season_year, coach_no, class_day_code, tot_cls_cnt, re_cls_cnt)
SELECT m.season_year, m.coach_no, d.code::text, p.most, p.most
  FROM ec090ms m
  CROSS JOIN generate_series(1, 7) AS d (code)
  JOIN (VALUES (101, 4), (102, 3), (103, 2)) AS p (coach_no, most) ON p.coach_no = m.coach_no;

INSERT INTO ec100ms (season_year, rsv_no, status_code, fix_yn, app_date, guest_name, guest_id, student_name,
                     guest_tel, student_age, coach_no, class_day_code, remarks)
SELECT to_char(CURRENT_DATE - 180 - b.back * 365, 'YYYY'), b.no, b.state, b.fix,
       to_char(CURRENT_DATE - b.back * 365 - b.no % 20, 'YYYY-MM-DD'), b.guest, b.guest_id, b.student,
       b.tel, b.age, b.coach, b.day, b.remarks
  FROM (VALUES
    (0, 1, 'R', 'Y', '김보호', 'kimbh', '김하늘', '010-4000-0001', '9', 101, '7', '토요일 오전'),
    (0, 2, 'R', 'Y', '이부모', 'leebm', '이바다', '010-4000-0002', '11', 101, '7', NULL),
    (0, 3, 'U', 'Y', '박신청', 'parksc', '박구름', '010-4000-0003', '8', 102, '1', '형제 함께'),
    (0, 4, 'U', 'N', '최접수', 'choijs', '최눈송', '010-4000-0004', '12', 102, '1', NULL),
    (0, 5, 'R', 'N', '정예약', 'jungyy', '정겨울', '010-4000-0005', '10', NULL, NULL, '강사 미배정'),
    (0, 6, 'C', 'N', '한취소', 'hancs', '한여름', '010-4000-0006', '7', 103, '2', '일정 변경으로 취소'),
    (0, 7, 'R', 'Y', '오토요', 'ohty', '오솔길', '010-4000-0007', '13', 103, '7', NULL),
    (0, 8, 'R', 'Y', '유일요', 'yuiy', '유채꽃', '010-4000-0008', '10', 103, '7', '마지막 자리'),
    (1, 1, 'R', 'Y', '김보호', 'kimbh', '김하늘', '010-4000-0001', '8', 101, '7', '지난 시즌'),
    (1, 2, 'C', 'N', '이부모', 'leebm', '이바다', '010-4000-0002', '10', 102, '1', '지난 시즌 취소')
  ) AS b (back, no, state, fix, guest, guest_id, student, tel, age, coach, day, remarks);

-- Confirmed bookings hold their places.
UPDATE ec090dt d
   SET re_cls_cnt = d.tot_cls_cnt - h.held
  FROM (SELECT season_year, coach_no, class_day_code, count(*) AS held
          FROM ec100ms
         WHERE fix_yn = 'Y' AND status_code <> 'C' AND coach_no IS NOT NULL AND class_day_code IS NOT NULL
         GROUP BY season_year, coach_no, class_day_code) h
 WHERE h.season_year = d.season_year AND h.coach_no = d.coach_no AND h.class_day_code = d.class_day_code;

-- The numbers go on from the demo's highest.
INSERT INTO kest_private.counters (series, last_no)
SELECT 'ec060ms:' || lecture_date, max(seq_no) FROM ec060ms GROUP BY lecture_date
UNION ALL
SELECT 'ec070ms:' || trob_date, max(seq_no) FROM ec070ms GROUP BY trob_date
ON CONFLICT (series) DO UPDATE SET last_no = GREATEST(kest_private.counters.last_no, excluded.last_no);
