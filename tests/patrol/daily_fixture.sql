-- Two accidents of one day for the daily lists, one of them told in full
-- (its second transport by a code of "E0049", as the entry screen stores it).
INSERT INTO ee010ms (trob_date, trob_no, trob_time, peak_gubun, weather_stat_gubun, temperature, tp_course_gubun,
                     tp_lift_gubun, in_name, in_sex, in_age, in_id_no, in_position_gubun, in_detail_gubun,
                     in_stat_gubun, in_cause_gubun, ev_method_gubun, te_means_gubun, te_object_gubun) VALUES
    ('20250110', 1, '1015', 'P2', '01', -5, '01', '01', '홍길동', '1', '34', kest_private.enc('9001011234567'),
     '01', '01', '01', '01', '01', '01', '01'),
    ('20250110', 2, '1320', 'P1', NULL, NULL, NULL, NULL, '김영희', '2', NULL, NULL,
     NULL, NULL, '02', NULL, NULL, NULL, NULL);
