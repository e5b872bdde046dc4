-- Invented competitions and badge tests: competitions on several days of
-- the running season over the courses, the entrants of season 26 in every
-- class (about forty, beside the two of the lookups' demo), and two judged
-- test days, today and a week ago. One judged entrant has a score written
-- missing, so that the empty totals of the judging report can be seen.
INSERT INTO ed010ms (game_date, seq_no, game_name, society_name, society_rep, tel_no, game_content, game_scale,
                     slope, slope_amt, problem, remark)
SELECT to_char(CURRENT_DATE - d.back, 'YYYYMMDD'), g.seq, g.name, g.society, g.rep, kest_private.enc(g.tel),
       g.content, g.scale, g.slope, g.amt, g.problem, g.remark
  FROM (VALUES (0), (1), (3), (7), (14)) AS d (back),
       (VALUES (1, '시즌 오픈 알파인 스키대회', '대한스키협회', '박대표', '02-555-1234', '대회전(GS) 2차 시기',
                '선수 120명, 임원 30명', '05', 3500000, NULL, '기록 계측 장비 점검'),
               (2, '도지사배 스노보드 대회', '도스노보드연맹', '김회장', '033-222-4567', '하프파이프, 슬로프스타일',
                '선수 60명', '06', 2000000, '오전 중 안개로 30분 지연', NULL),
               (3, '어린이 스키 축제', '스키학교 학부모회', '이서윤', '010-3333-7777', '초급 기문 통과 경기',
                '어린이 80명, 보호자 100명', '01', 500000, NULL, '간식 제공'),
               (4, '동호회 친선 레이스', '설원 스키 동호회', '최동호', '010-8888-1212', '회전(SL) 1차 시기',
                '회원 45명', '03', 800000, '리프트 대기 혼잡', NULL)) AS g (seq, name, society, rep, tel, content,
                                                                      scale, slope, amt, problem, remark)
 WHERE g.seq <= 1 + d.back % 4;

-- Entrants 3 to 42 of season 26, every class in turn.
INSERT INTO ed020ms (season_gubun, recv_no, apply_date, entry_name_kor, id_no, entry_name_chi, entry_name_eng,
                     ski_skill, home_tel_no, home_fax_no, home_zip_code, home_addr1, home_addr2, office_tel_no,
                     office_fax_no, office_zip_code, office_addr1, office_addr2, mobile_no, email, apply_class,
                     apply_amt)
SELECT '26', n,
       to_char(DATE '2026-11-20' + (n % 18), 'YYYYMMDD'),
       (ARRAY['김','이','박','최','정','강','조','윤','장','임'])[1 + n % 10]
           || (ARRAY['민준','서연','도윤','하은','지호','수아','예준','지우','현우','채원','건우','다은'])[1 + (n * 7) % 12],
       kest_private.enc(lpad((700101 + (n * 3917) % 290000)::text, 6, '0') || (1 + n % 4)::text
                        || lpad(((n * 104729) % 1000000)::text, 6, '0')),
       NULL,
       'ENTRANT ' || n,
       (1 + n % 15) || '년',
       kest_private.enc('02-' || (300 + n) || '-' || lpad((n * 37 % 10000)::text, 4, '0')),
       NULL,
       CASE WHEN n % 3 = 0 THEN '135080' ELSE '100011' END,
       kest_private.enc(CASE WHEN n % 3 = 0 THEN '서울 강남구 역삼동 ' ELSE '서울 중구 소공동 ' END),
       kest_private.enc((n * 13) || '번지 ' || (100 + n) || '호'),
       CASE WHEN n % 2 = 0 THEN kest_private.enc('02-' || (700 + n) || '-1000') END,
       NULL, NULL, NULL, NULL,
       kest_private.enc('010-' || (2000 + n * 37) || '-' || lpad((n * 211 % 10000)::text, 4, '0')),
       'entrant' || n || '@example.com',
       '0' || (1 + n % 5),
       (ARRAY[150000, 120000, 100000, 180000, 200000])[1 + n % 5]
  FROM generate_series(3, 42) AS n;

-- Two test days: a week ago the entrants 3 to 20, today 21 to 34.
INSERT INTO ed020dt (season_gubun, examine_date, recv_no,
                     examiner_a, pflug_bogen_a, stem_turn_a, parallel_turn_a, wedern_turn_a, middle_turn_a, gen_descent_a,
                     examiner_b, pflug_bogen_b, stem_turn_b, parallel_turn_b, wedern_turn_b, middle_turn_b, gen_descent_b,
                     examiner_c, pflug_bogen_c, stem_turn_c, parallel_turn_c, wedern_turn_c, middle_turn_c, gen_descent_c)
SELECT '26', to_char(CASE WHEN n <= 20 THEN CURRENT_DATE - 7 ELSE CURRENT_DATE END, 'YYYYMMDD'), n,
       '한심사', 60 + n % 30, 62 + n * 3 % 27, 58 + n * 7 % 31, 65 + n * 5 % 25, 61 + n * 11 % 29, 63 + n * 13 % 30,
       '오심사', 59 + n * 2 % 33, 64 + n % 26, 60 + n * 5 % 28, 62 + n * 3 % 30, 66 + n * 7 % 24, 60 + n * 17 % 31,
       '서심사', 61 + n * 19 % 29, 60 + n * 23 % 32, 63 + n % 27, 58 + n * 29 % 33, 64 + n * 3 % 26,
       CASE WHEN n = 25 THEN NULL ELSE 62 + n * 31 % 28 END
  FROM generate_series(3, 34) AS n;
