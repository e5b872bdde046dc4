-- Code groups of the patrol accident records. Lists show the rows in code
-- order, so each group's codes follow its display order.

-- Place class (peak area). The screens compare both codes and labels; the
-- digit of the code is the peak number that courses carry in ITEM2 of
-- "E0006".
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0027', 'P1', 'PEAKI'),
    ('E0027', 'P2', 'PEAKII'),
    ('E0027', 'P3', '기타');

-- Accident time class. The entry screen picks these by position from the
-- accident time: 1st 08:31-12:00, 2nd 12:01-16:30, 3rd 16:31-22:00,
-- 4th 06:30-08:30, 5th 22:01-24:00. Keep five rows in this order.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0028', '1', '오전'),
    ('E0028', '2', '오후'),
    ('E0028', '3', '야간'),
    ('E0028', '4', '새벽'),
    ('E0028', '5', '심야');

INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0029', '01', '맑음'),
    ('E0029', '02', '흐림'),
    ('E0029', '03', '눈'),
    ('E0029', '04', '비'),
    ('E0029', '05', '안개'),
    ('E0029', '06', '강풍');

-- Course difficulty, snow, kind of snow, course condition class.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0030', '01', '초급'),
    ('E0030', '02', '중급'),
    ('E0030', '03', '상급'),
    ('E0030', '04', '최상급'),
    ('E0031', '01', '자연설'),
    ('E0031', '02', '인공설'),
    ('E0031', '03', '혼합'),
    ('E0032', '01', '파우더'),
    ('E0032', '02', '습설'),
    ('E0032', '03', '빙판'),
    ('E0032', '04', '압설'),
    ('E0033', '01', '양호'),
    ('E0033', '02', '보통'),
    ('E0033', '03', '불량');

-- Injured region, injured part in detail, kind of injury, cause, factor.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0034', '01', '머리/얼굴'),
    ('E0034', '02', '목/척추'),
    ('E0034', '03', '어깨/팔'),
    ('E0034', '04', '손/손목'),
    ('E0034', '05', '몸통'),
    ('E0034', '06', '무릎'),
    ('E0034', '07', '다리/발목'),
    ('E0035', '01', '머리'),
    ('E0035', '02', '얼굴'),
    ('E0035', '03', '경추'),
    ('E0035', '04', '쇄골'),
    ('E0035', '05', '어깨'),
    ('E0035', '06', '팔꿈치'),
    ('E0035', '07', '손목'),
    ('E0035', '08', '엄지손가락'),
    ('E0035', '09', '갈비뼈'),
    ('E0035', '10', '허리'),
    ('E0035', '11', '골반'),
    ('E0035', '12', '무릎'),
    ('E0035', '13', '정강이'),
    ('E0035', '14', '발목'),
    ('E0036', '01', '골절'),
    ('E0036', '02', '염좌'),
    ('E0036', '03', '탈구'),
    ('E0036', '04', '타박상'),
    ('E0036', '05', '열상'),
    ('E0036', '06', '인대손상'),
    ('E0036', '07', '뇌진탕'),
    ('E0036', '99', '기타'),
    ('E0037', '01', '단독전도'),
    ('E0037', '02', '충돌(사람)'),
    ('E0037', '03', '충돌(시설물)'),
    ('E0037', '04', '리프트 승하차'),
    ('E0037', '05', '점프'),
    ('E0037', '99', '기타'),
    ('E0038', '01', '과속'),
    ('E0038', '02', '기술부족'),
    ('E0038', '03', '설면상태'),
    ('E0038', '04', '시야불량'),
    ('E0038', '05', '장비불량'),
    ('E0038', '99', '기타');

-- Skiing experience: level, time skied that day, days at this area, lessons.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0039', '01', '초급'),
    ('E0039', '02', '중급'),
    ('E0039', '03', '상급'),
    ('E0039', '04', '전문가'),
    ('E0040', '01', '1시간 미만'),
    ('E0040', '02', '1~3시간'),
    ('E0040', '03', '3시간 이상'),
    ('E0041', '01', '처음'),
    ('E0041', '02', '2~5일'),
    ('E0041', '03', '6일 이상'),
    ('E0042', '01', '강습 없음'),
    ('E0042', '02', '강습 이수'),
    ('E0042', '03', '강습 중');

-- Equipment: own or rented, binding test, ski released, binding setting.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0043', '01', '개인장비'),
    ('E0043', '02', '대여장비'),
    ('E0044', '01', '실시'),
    ('E0044', '02', '미실시'),
    ('E0045', '01', '풀림'),
    ('E0045', '02', '안풀림'),
    ('E0045', '03', '한쪽만 풀림'),
    ('E0046', '01', '적정'),
    ('E0046', '02', '강함'),
    ('E0046', '03', '약함');

-- Evacuation method and means, second transport means and destination,
-- photographs taken.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0047', '01', '자력'),
    ('E0047', '02', '부축'),
    ('E0047', '03', '썰매(아키아)'),
    ('E0047', '04', '스노모빌'),
    ('E0048', '01', '도보'),
    ('E0048', '02', '아키아'),
    ('E0048', '03', '스노모빌'),
    ('E0048', '04', '곤도라'),
    ('E0049', '01', '귀가(자가)'),
    ('E0049', '02', '앰블런스'),
    ('E0049', '03', '119 구급차'),
    ('E0049', '04', '택시'),
    ('E0050', '01', '귀가'),
    ('E0050', '02', '지역 병원'),
    ('E0050', '03', '대학 병원'),
    ('E0050', '04', '숙소'),
    ('E0051', 'Y', '촬영'),
    ('E0051', 'N', '미촬영');

-- Equipment used: the record keeps the label, not the code.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0053', '01', '스키'),
    ('E0053', '02', '스노보드'),
    ('E0053', '03', '텔레마크'),
    ('E0053', '04', '썰매'),
    ('E0053', '99', '기타');
