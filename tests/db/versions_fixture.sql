-- One stored row per table the counters edit, each at version 3: another
-- counter changed it twice since version 1 was read.
INSERT INTO eb010ms (run_date, fac_gubun, fac_detail_gubun, run_yn, row_ver) VALUES ('20250110', '01', '01', 'Y', 3);
INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun, row_ver) VALUES ('M', 'CS', 'C0001', '150', 3);
INSERT INTO eb030ms (area_gubun, boots_size_gubun, stock_qty, row_ver) VALUES ('M', '250', 4, 3);
INSERT INTO eb040ms (rent_date, area_gubun, rent_no, deal_name, row_ver) VALUES ('20250110', 'M', 1, '갑', 3);
INSERT INTO eb040dt (rent_date, area_gubun, rent_no, rent_seq, rent_stat, equip_gubun, equip_no, rent_name, row_ver)
VALUES ('20250110', 'M', 1, 1, 'R', 'CS', 'C0001', '을', 3);
INSERT INTO eb050ms (season_gubun, area_gubun, keep_no, keep_stat, ipgo_date, keep_gubun, equip_gubun, equip_name_gubun,
                     native_no, keep_name, keep_box_no, row_ver)
VALUES ('26', 'M', 1, 'K', '20261201', '01', 'CS', '01', 'SN-1', '병', 'A-1', 3);
INSERT INTO ee010ms (trob_date, trob_no, in_name, trob_time, row_ver) VALUES ('20250105', 1, '정', '1010', 3);
