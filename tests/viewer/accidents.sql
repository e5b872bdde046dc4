-- Accidents the report viewer's tests read: the period 2026-12-01 to
-- 2027-02-28 and the same months a year before, each row placed on an edge
-- of some report (a child of 9, a 10-year-old, 60 and 75, no age, no sex,
-- no time, a postal code without an address, a code no group has);
-- telephone numbers stored sealed as the entry screen stores them.
INSERT INTO zx030ms (zip_code, zip_seq, address1, address2, address3) VALUES
    ('100744', 1, '서울특별시', '중구', '남대문로5가'),
    ('232901', 1, '강원도', '홍천군', '서면 팔봉리'),
    ('232901', 2, '강원특별자치도', '홍천군', '서면 팔봉리')
ON CONFLICT DO NOTHING;

INSERT INTO ee010ms (trob_date, trob_no, trob_time, peak_gubun, tp_course_gubun, in_sex, in_age, in_zip_code,
                     in_position_gubun, in_detail_gubun, in_stat_gubun, in_cause_gubun, in_lecture_gubun,
                     in_level_gubun, te_means_gubun, te_object_gubun, ev_method_gubun, ev_means_gubun, in_name,
                     in_tel_no, wi_trob_detail) VALUES
    ('20261205', 1, '0930', 'P1', '01', '1', '9',  '100744', '06', '12', '01', '01', '01', '01', '02', '03', '03', '03',
     '김민준', kest_private.enc('010-1111-2222'), '직활강 중 넘어짐'),
    ('20261205', 2, '1415', 'P1', '02', '2', '10', '232901', '07', '14', '02', '02', '02', '02', '01', '01', '01', '01',
     '이서연', NULL, NULL),
    ('20261231', 1, '1005', 'P1', '01', '1', '35', '100744', '06', '12', '01', '03', '03', '02', '03', '02', '04', '03',
     '윤서', kest_private.enc('010-5555-6666'), '펜스에 충돌'),
    ('20270110', 1, '1000', 'P2', '11', '1', '60', '100744', '01', '01', '07', '02', '01', '03', '03', '02', '04', '03',
     '박도윤', kest_private.enc('010-3333-4444'), '다른 스키어와 충돌'),
    ('20270215', 1, '2130', 'P3', '21', '2', '75', '999999', '03', '05', '04', '05', NULL, '04', NULL, NULL, '02', '01',
     '최하은', NULL, '점프 착지 실패'),
    ('20270228', 1, NULL,   NULL, NULL, NULL, NULL, NULL, NULL, NULL, '98', NULL, NULL, NULL, NULL, NULL, NULL, NULL,
     '정지호', NULL, NULL),
    ('20251210', 1, '1100', 'P1', '01', '1', '40', '100744', '06', '12', '01', '01', '01', '01', NULL, NULL, '01', '01',
     '강건우', NULL, NULL),
    ('20260115', 1, '1300', 'P2', '12', '2', '22', '232901', '07', '14', '02', '01', '02', '02', NULL, NULL, '01', '01',
     '조다은', NULL, NULL),
    ('20260115', 2, '1310', 'P2', '12', '1', '23', '232901', '07', '14', '02', '01', '02', '02', NULL, NULL, '01', '01',
     '한우진', NULL, NULL),
    ('20270301', 1, '1200', 'P1', '01', '1', '30', '100744', '06', '12', '01', '01', '01', '01', NULL, NULL, '01', '01',
     '오소율', NULL, NULL);
