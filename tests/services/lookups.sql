-- Rows the service and lookup tests read, beside the seed's code groups.

INSERT INTO zx010ms (head, detail, detail_name, item1, item2) VALUES
    ('T0001', 'B',   '둘째',     'Y', '1'),
    ('T0001', 'A',   '첫째',     'Y', '2'),
    ('T0001', '   ', '공백코드', 'Y', '1'),
    ('T0001', 'C',   '셋째',     'N', '1'),
    ('T0001', 'D',   '따옴표',   'it''s', NULL),
    ('T0001', 'E ',  '뒤공백',   'N', NULL),
    ('E0016', 'T3',  '시험 3일', '3', NULL),
    ('E0016', 'TN',  '일수없음', NULL, NULL),
    ('E0016', 'TX',  '일수글자', '사흘', NULL);

INSERT INTO zx900dt (grp_no, code_no, code_name) VALUES
    ('Q043', '01', '1조'),
    ('Q043', '02', '2조'),
    ('Q044', '02', '정강사'),
    ('Q044', '03', '보조강사');

INSERT INTO bb010ms (member_no, member_name, member_group_code, id_no, sex_code, cancel_date,
                     main_member_name, home_tel, home_post, home_address1, mobile_tel) VALUES
    ('M001', '홍길동', '20', kest_private.enc('7001011234567'), '1', NULL, '홍대표',
     kest_private.enc('02-555-1234'), '123456', kest_private.enc('서울특별시 강남구 역삼동'), kest_private.enc('010-1111-2222')),
    ('M002', '홍길순', '20', kest_private.enc('7202022234567'), '2', '20040115', NULL, NULL, NULL, NULL, NULL),
    ('M003', '50%할인', '20', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('M004', '5000할인', '20', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('P001', '시험단체', '44', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('P002', '해지단체', '44', NULL, NULL, '20050101', NULL, NULL, NULL, NULL, NULL),
    ('E001', '김직원', '10', NULL, '1', NULL, NULL, NULL, NULL, NULL, NULL),
    ('E002', '이직원', '1001', NULL, '2', NULL, NULL, NULL, NULL, NULL, NULL),
    ('E003', '박협력직원', '20', NULL, '1', NULL, NULL, NULL, NULL, NULL, NULL);

INSERT INTO qa010ms (emp_no, emp_k_name, emp_work_grp_code, emp_work_grp_duty_code,
                     emp_work_code, emp_stay_code, emp_pos_code) VALUES
    ('I001', '강사일', '01', '02', '81', '01', '21'),
    ('I002', '퇴직강사', '01', '02', '81', '02', '11'),
    ('I003', '사무강사', '01', '02', '10', '01', '11');

INSERT INTO qg010ms (lab_no, lab_k_name, lab_work_grp, lab_work_duty, lab_work_code, lab_end_date) VALUES
    ('I001', '같은번호알바', '02', '03', '81', NULL),
    ('L001', '알바강사', '02', '03', '81', NULL),
    ('L002', '끝난강사', '02', '03', '81', '20040101'),
    ('L003', '계약강사', '02', '03', '81', to_char(CURRENT_DATE + 10, 'YYYYMMDD')),
    ('L004', '오늘끝강사', '02', '03', '81', to_char(CURRENT_DATE, 'YYYYMMDD'));

INSERT INTO zx030ms (zip_code, zip_seq, address1, address2, address3, post_box) VALUES
    ('123456', 1, '서울특별시', '강남구', '역삼동', NULL),
    ('123456', 2, '서울특별시', '강남구', '역삼동', '사서함 1'),
    ('654321', 1, '강원도', '홍천군', '서면', NULL);

INSERT INTO ja010ms (upjang_code, upjang_name, upjang_type) VALUES
    ('5010', '본관 렌탈샵', '50'),
    ('5020', '별관 렌탈샵', '50'),
    ('3010', '카페', '30');

INSERT INTO ec020ms (season_gubun, receipt_no, enter_date, receipt_name) VALUES
    ('04', '0000000001', '20040115', '김접수'),
    ('04', '0000000002', '20040116', '이접수'),
    ('05', '0000000001', '20050110', '박접수');

INSERT INTO ec020dt (season_gubun, receipt_no, receipt_seq, trainer_name, sex, age,
                     lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun) VALUES
    ('04', '0000000001', 1, '김수강', '1', '30', '01', '01', '02'),
    ('04', '0000000001', 2, '김어린', '2', '8', '02', '03', '01'),
    ('04', '0000000002', 1, '이수강', '1', '41', '01', '02', '03');

INSERT INTO ed020ms (season_gubun, recv_no, apply_date, entry_name_kor, id_no, apply_class) VALUES
    ('04', 7, '20040115', '박참가', kest_private.enc('8001011234567'), '01'),
    ('04', 8, '20040116', '최참가', kest_private.enc('8102022345678'), '02'),
    ('05', 7, '20050110', '정참가', kest_private.enc('8203033456789'), '03');

INSERT INTO eb010ms (run_date, fac_gubun, fac_detail_gubun, run_yn) VALUES
    ('20040110', 'C', '01', 'Y');

-- Items of the main building on 2004-01-10: 00001 free, 00002 not for
-- rent, 00003 out on a multi-day rental, 00004 on a day rental, 00005 held
-- by a counter, 00006 returned (free again).
INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun, equip_rent_yn, svrl_rent_yn) VALUES
    ('M', 'CS', '00001', '150', 'Y', 'N'),
    ('M', 'CS', '00002', '150', 'N', 'N'),
    ('M', 'CS', '00003', '150', 'Y', 'Y'),
    ('M', 'CS', '00004', '150', 'Y', 'N'),
    ('M', 'CS', '00005', '150', 'Y', 'N'),
    ('M', 'CS', '00006', '150', 'Y', 'N');

-- Rental 12 keeps a storage kind without a label and is never listed;
-- rental 21 has a row whose ticket kind has no label.
INSERT INTO eb040ms (rent_date, area_gubun, rent_no, deal_name, keep_kind_gubun, keep_box_no) VALUES
    ('20040110', 'M', 1, '대여담당', '02', 'A01'),
    ('20040110', 'M', 2, '대여담당', '01', NULL),
    ('20040110', 'M', 12, '대여담당', '99', NULL),
    ('20040110', 'M', 21, '반납담당', '03', 'B07'),
    ('20040111', 'M', 1, '대여담당', '01', NULL);

INSERT INTO eb040dt (rent_date, area_gubun, rent_no, rent_seq, ticket_kind, rent_stat, equip_gubun, equip_no, rent_name) VALUES
    ('20040110', 'M', 1, 1, '01', 'D', 'CS', '00004', '김대여'),
    ('20040110', 'M', 2, 1, '01', 'R', 'CS', '00006', '이대여'),
    ('20040110', 'M', 12, 1, '01', 'D', 'CS', '00007', '박대여'),
    ('20040110', 'M', 21, 1, '02', 'D', 'NS', '00001', '최대여'),
    ('20040110', 'M', 21, 2, '77', 'D', 'SB', '00001', '최동행'),
    ('20040111', 'M', 1, 1, '01', 'D', 'CS', '00001', '김대여');

INSERT INTO eb020tm (rent_date, area_gubun, equip_gubun, equip_no, au_emp_no, au_ip) VALUES
    ('20040110', 'M', 'CS', '00005', 'E9', '10.0.0.9');

INSERT INTO ec040ms (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun, yaeyak_ability_cnt) VALUES
    ('20040120', '01', '04', '01', 10);

INSERT INTO ec050ms (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun, emp_no, emp_name, yaeyak_cnt) VALUES
    ('20040120', '01', '04', '01', 'E001 ', '김직원', 3),
    ('20040120', '01', '04', '01', 'E004', '최직원', 4);
