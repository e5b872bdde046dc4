-- Two entrants of season 26, the second judged on 2026-12-20, and a
-- competition day with two competitions.
INSERT INTO ktuser.ed020ms (season_gubun, recv_no, apply_date, entry_name_kor, id_no, mobile_no, apply_class)
VALUES ('26', 122, '20261201', '김판정', kest_private.enc('8001011234567'), kest_private.enc('010-1-1'), '01'),
       ('26', 123, '20261202', '이심사', kest_private.enc('8102022345678'), kest_private.enc('010-2-2'), '02');
INSERT INTO ktuser.ed020dt (season_gubun, examine_date, recv_no, examiner_a, examiner_b, examiner_c)
VALUES ('26', '20261220', 123, '가', '나', '다');
INSERT INTO ktuser.ed010ms (game_date, seq_no, game_name) VALUES ('20261215', 1, '첫 대회'), ('20261215', 2, '둘째 대회');
-- Season 25 has issued up to 999998.
INSERT INTO kest_private.counters (series, last_no) VALUES ('ed020ms:25', 999998);
