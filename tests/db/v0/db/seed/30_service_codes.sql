-- Code groups the shared services and lookups read.

-- Member groups. An employee's group begins with '10'; partner groups are '44'.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('B0001', '10', '임직원'),
    ('B0001', '11', '협력사직원'),
    ('B0001', '20', '일반회원'),
    ('B0001', '30', '시즌권회원'),
    ('B0001', '44', '제휴단체'),
    ('B0001', '50', '콘도회원');

-- Equipment sizes: DETAIL_NAME is the size in centimetres. The size list of
-- an equipment kind takes the sizes marked 'Y' in its attribute: ITEM1
-- carving skis ('CS'), ITEM2 snowboards ('SB'), ITEM3 standard skis ('NS').
INSERT INTO zx010ms (head, detail, detail_name, item1, item2, item3)
SELECT 'E0010', s::text, s::text,
       CASE WHEN s BETWEEN 100 AND 180 THEN 'Y' ELSE 'N' END,
       CASE WHEN s BETWEEN 120 AND 165 THEN 'Y' ELSE 'N' END,
       CASE WHEN s BETWEEN 100 AND 190 THEN 'Y' ELSE 'N' END
  FROM generate_series(100, 190, 5) AS s
 ORDER BY s;

-- Rental states.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0012', 'D', '일일대여'),
    ('E0012', 'R', '반납'),
    ('E0012', 'S', '연일대여');

-- What the customers of a rental left in storage.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0013', '01', '없음'),
    ('E0013', '02', '신발'),
    ('E0013', '03', '가방'),
    ('E0013', '04', '신발+가방');

-- Storage kinds: ITEM1 is the number of days a storage of the kind lasts.
INSERT INTO zx010ms (head, detail, detail_name, item1) VALUES
    ('E0016', '01', '당일보관',   '0'),
    ('E0016', '02', '3일보관',    '3'),
    ('E0016', '03', '주간보관',   '7'),
    ('E0016', '04', '월간보관',   '30'),
    ('E0016', '05', '시즌보관',   '150');

-- Size groups of the equipment register, ITEM1 to ITEM2 inclusive in
-- centimetres: skis of the main building ('E0018'), skis of the annex
-- ('E0019'), snowboards of either ('E0020'). The annex keeps no skis over
-- 180 cm.
INSERT INTO zx010ms (head, detail, detail_name, item1, item2) VALUES
    ('E0018', '01', '아동용 스키', '100', '129'),
    ('E0018', '02', '단척 스키',   '130', '154'),
    ('E0018', '03', '장척 스키',   '155', '190'),
    ('E0019', '01', '아동용 스키', '100', '129'),
    ('E0019', '02', '성인용 스키', '130', '180'),
    ('E0020', '01', '소형 보드',   '120', '144'),
    ('E0020', '02', '대형 보드',   '145', '165');

-- Badge test classes.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0026', '01', '1급'),
    ('E0026', '02', '2급'),
    ('E0026', '03', '3급'),
    ('E0026', '04', '준지도자'),
    ('E0026', '05', '지도자');
