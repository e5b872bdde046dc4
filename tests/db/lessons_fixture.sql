-- Slots of tomorrow (10 places, 7 booked; an empty one; a full one), one of
-- today, and a receipt whose number is stored with leading zeros.
INSERT INTO ec040ms (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun, yaeyak_ability_cnt) VALUES
    (to_char(CURRENT_DATE + 1, 'YYYYMMDD'), '01', '04', '01', 10),
    (to_char(CURRENT_DATE + 1, 'YYYYMMDD'), '01', '04', '02', 5),
    (to_char(CURRENT_DATE + 1, 'YYYYMMDD'), '02', '04', '01', 2),
    (to_char(CURRENT_DATE, 'YYYYMMDD'), '01', '04', '01', 10);
INSERT INTO ec050ms (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun, emp_no, emp_name, yaeyak_cnt) VALUES
    (to_char(CURRENT_DATE + 1, 'YYYYMMDD'), '01', '04', '01', 'E7', '칠직원', 7),
    (to_char(CURRENT_DATE + 1, 'YYYYMMDD'), '02', '04', '01', 'E8', '팔직원', 2);
INSERT INTO ec020ms (season_gubun, receipt_no, enter_date, receipt_name) VALUES ('26', '0000000007', '20261201', '칠접수');
