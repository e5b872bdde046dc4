-- Stored and released items of the 2026-2027 season in both areas.
-- Personal columns are stored encrypted, as the procedure stores them.
INSERT INTO eb050ms (season_gubun, area_gubun, keep_no, keep_stat, ipgo_date, chulgo_date,
                     keep_gubun, equip_gubun, equip_name_gubun, equip_name_etc, native_no,
                     poels_yn, poels_name, member_no, keep_name, zip_code, addr1, addr2,
                     tel_no, mobile_no, keep_box_no, remark, conf_question, conf_answer,
                     au_emp_no, au_ip)
SELECT '26', s.area, s.no, s.stat, s.ipgo, s.chulgo, s.kind, s.equip, s.name_kind, s.etc, s.native,
       s.poles, s.poles_name, s.member, s.keeper, s.zip, kest_private.enc(s.addr1),
       kest_private.enc(s.addr2), kest_private.enc(s.tel), kest_private.enc(s.mobile), s.box,
       s.remark, s.question, s.answer, 'E0001', '127.0.0.1'
  FROM (VALUES
    ('M', 1::bigint, 'K', '20261201', '20270430', '05', 'CS', '01', '로시뇰 히어로', 'RS-2291-0341',
     'Y', '레키 카본', '2000000101', '김민준', '135080', '서울특별시 강남구 역삼동 ', '123-4',
     '02-555-1234', '010-1234-5678', 'A-012', NULL, '첫 스키장은?', '용평'),
    ('M', 2, 'K', '20261205', '20261212', '03', 'SB', '02', '버튼 커스텀', 'BT-77812',
     'N', NULL, NULL, '최지우', NULL, NULL, NULL, '031-444-5555', '010-4444-5555', 'A-013',
     '바인딩 포함', NULL, NULL),
    ('M', 3, 'R', '20261203', '20261206', '02', 'NS', '01', NULL, 'HD-5521',
     'Y', '일반 폴', NULL, '정하늘', NULL, NULL, NULL, '02-321-7654', NULL, 'A-020', NULL, NULL, NULL),
    ('S', 1, 'K', '20261208', '20261208', '01', 'BT', '04', '살로몬 부츠', 'SL-270-118',
     'N', NULL, NULL, '한소희', NULL, NULL, NULL, '033-330-1000', '010-9876-5432', 'B-003', NULL,
     '가방 색은?', '빨강'),
    ('S', 2, 'R', '20261202', '20261209', '03', 'SB', '02', NULL, 'K2-BRD-009',
     'N', NULL, NULL, '오세훈', NULL, NULL, NULL, '02-888-1212', NULL, 'B-007', NULL, NULL, NULL)
  ) AS s(area, no, stat, ipgo, chulgo, kind, equip, name_kind, etc, native, poles, poles_name,
         member, keeper, zip, addr1, addr2, tel, mobile, box, remark, question, answer);
