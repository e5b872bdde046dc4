-- Code groups that several subsystems share. Lists show the rows in the
-- order the server returns them, so each group is inserted in display order.

-- Ski seasons: two characters, named after the winter they span.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0004', '24', '2024-2025 시즌'),
    ('E0004', '25', '2025-2026 시즌'),
    ('E0004', '26', '2026-2027 시즌');

-- Facility kinds. Courses and lifts name theirs in ITEM1, and the operation
-- records show this name.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0005', 'C', '코스'),
    ('E0005', 'L', '리프트');

-- Courses: ITEM1 the facility kind ('C'), ITEM2 the peak area the course
-- lies in ('1' PEAK I, '2' PEAK II, '3' other), which the patrol screens use
-- to offer the courses of one peak area.
INSERT INTO zx010ms (head, detail, detail_name, item1, item2) VALUES
    ('E0006', '01', '해오름(초급)',   'C', '1'),
    ('E0006', '02', '솔바람(초급)',   'C', '1'),
    ('E0006', '03', '별빛(중급)',     'C', '1'),
    ('E0006', '04', '은하수(중급)',   'C', '1'),
    ('E0006', '05', '독수리(상급)',   'C', '1'),
    ('E0006', '06', '모글(상급)',     'C', '1'),
    ('E0006', '11', '다람쥐(초급)',   'C', '2'),
    ('E0006', '12', '무지개(중급)',   'C', '2'),
    ('E0006', '13', '산마루(중급)',   'C', '2'),
    ('E0006', '14', '칼바람(상급)',   'C', '2'),
    ('E0006', '15', '정상(최상급)',   'C', '2'),
    ('E0006', '21', '연습코스',       'C', '3'),
    ('E0006', '22', '스노우파크',     'C', '3');

-- Lifts: ITEM1 the facility kind ('L').
INSERT INTO zx010ms (head, detail, detail_name, item1) VALUES
    ('E0007', '01', '곤도라',           'L'),
    ('E0007', '02', '해오름 리프트',    'L'),
    ('E0007', '03', '별빛 리프트',      'L'),
    ('E0007', '04', '독수리 리프트',    'L'),
    ('E0007', '05', '다람쥐 리프트',    'L'),
    ('E0007', '06', '산마루 리프트',    'L'),
    ('E0007', '07', '정상 리프트',      'L');

-- Areas: the two base buildings, each with a rental shop, a ski school desk
-- and season lockers. ITEM3 'Y' marks a locker location. The codes 'M' and
-- 'S' choose the size group tables of the equipment register.
INSERT INTO zx010ms (head, detail, detail_name, item3) VALUES
    ('E0017', 'M', '본관', 'Y'),
    ('E0017', 'S', '별관', 'Y');

-- Equipment kinds. 'CS', 'SB' and 'NS' carry sizes of "E0010" (filtered on
-- ITEM1, ITEM2 and ITEM3 there); the other kinds have no size list.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0009', 'CS', '카빙스키'),
    ('E0009', 'NS', '일반스키'),
    ('E0009', 'SB', '스노보드'),
    ('E0009', 'BT', '스키부츠'),
    ('E0009', 'BB', '보드부츠'),
    ('E0009', 'PL', '스키폴'),
    ('E0009', 'HM', '헬멧');

-- Boot sizes in millimetres, 220 to 300 in steps of 5.
INSERT INTO zx010ms (head, detail, detail_name)
SELECT 'E0011', s::text, s::text
  FROM generate_series(220, 300, 5) AS s
 ORDER BY s;

-- Ticket kinds of the ticketing system. ITEM9 'Y' offers the kind as a
-- filter in the outlet sales statistics.
INSERT INTO zx010ms (head, detail, detail_name, item9) VALUES
    ('I0005', '01', '주간권',        'Y'),
    ('I0005', '02', '오전권',        'Y'),
    ('I0005', '03', '오후권',        'Y'),
    ('I0005', '04', '야간권',        'Y'),
    ('I0005', '05', '심야권',        'Y'),
    ('I0005', '06', '종일권',        'Y'),
    ('I0005', '07', '시즌권',        'Y'),
    ('I0005', '08', '리프트1회권',   'Y'),
    ('I0005', '09', '곤도라왕복권',  'Y'),
    ('I0005', '10', '단체권',        'Y'),
    ('I0005', '11', '초대권',        'N'),
    ('I0005', '99', '기타',          'N');

-- Sex. The member screen compares the labels "남" and "여".
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('Z0008', '1', '남'),
    ('Z0008', '2', '여');

-- Lesson discipline, booking class and detail class: together with a date
-- they make a lesson slot.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0022', '01', '스키'),
    ('E0022', '02', '스노보드');

INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0023', '01', '개인강습'),
    ('E0023', '02', '단체강습'),
    ('E0023', '03', '어린이강습'),
    ('E0023', '04', '직원강습');

INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0024', '01', '입문'),
    ('E0024', '02', '초급'),
    ('E0024', '03', '중급'),
    ('E0024', '04', '상급');

-- The skill a club trainee wants to learn.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0025', '01', '기초 자세'),
    ('E0025', '02', '회전'),
    ('E0025', '03', '모굴'),
    ('E0025', '04', '레이싱');

-- Display names of the database users, keyed by the user name in upper case.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('Z9999', 'KTUSER', '스포츠운영');

-- Weekday names, "1" Sunday to "7" Saturday.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('Z0011', '1', '일요일'),
    ('Z0011', '2', '월요일'),
    ('Z0011', '3', '화요일'),
    ('Z0011', '4', '수요일'),
    ('Z0011', '5', '목요일'),
    ('Z0011', '6', '금요일'),
    ('Z0011', '7', '토요일');
