-- Menus of this module (project KEST_E), one per subsystem, and the screens
-- under each. A screen's DISPLAY_SEQ is its place in the dispatch table.
-- A "(&x)" suffix gives the entry an accelerator; the tab drops it.

INSERT INTO za040ms (project_id, menu_id, menu_name, display_seq) VALUES
    ('KEST_E', 'EA', '기상관리(&A)',      10),
    ('KEST_E', 'EB', '장비대여/보관(&B)', 20),
    ('KEST_E', 'EC', '강습관리(&C)',      30),
    ('KEST_E', 'ED', '대회관리(&D)',      40),
    ('KEST_E', 'EE', '패트롤(&E)',        50),
    ('KEST_E', 'EF', '영업통계(&F)',      60),
    ('KEST_E', 'EG', '회원관리(&G)',      70),
    ('KEST_E', 'EH', '락카관리(&H)',      80);

INSERT INTO za050ms (project_id, menu_id, program_id, program_name, display_seq) VALUES
    ('KEST_E', 'EA', 'EAS020', '기상정보 현황',                 1),
    ('KEST_E', 'EA', 'EAS010', '시간대별 기상정보 현황',        2),
    ('KEST_E', 'EA', 'EAS030', '월별 평균 기상정보',            3),

    ('KEST_E', 'EB', 'EBI010', '코스/리프트 운영정보 등록',     4),
    ('KEST_E', 'EB', 'EBI020', '장비등록(&A)',                  5),
    ('KEST_E', 'EB', 'EBI030', '부츠 기준재고 등록',            6),
    ('KEST_E', 'EB', 'EBI040', '장비 대여/반납(&R)',            7),
    ('KEST_E', 'EB', 'EBI050', '장비 보관/불출(&K)',            8),
    ('KEST_E', 'EB', 'EBS060', '일일 장비대여 현황',            9),
    ('KEST_E', 'EB', 'EBS070', '연일 장비대여 현황',           10),
    ('KEST_E', 'EB', 'EBS080', '시간대별 장비대여 현황',       11),
    ('KEST_E', 'EB', 'EBS090', '기간별 장비대여 현황',         12),
    ('KEST_E', 'EB', 'EBS100', '장비보관 현황',                13),
    ('KEST_E', 'EB', 'EBS110', '미출고 장비보관 현황',         14),
    ('KEST_E', 'EB', 'EBS120', '보관종류별 현황',              15),
    ('KEST_E', 'EB', 'EBS130', '지역별 보관 현황',             16),

    ('KEST_E', 'EC', 'ECI010', '스키클럽 수강/기록 등록',      17),
    ('KEST_E', 'EC', 'ECI020', '스키학교 수강/기록 등록',      18),
    ('KEST_E', 'EC', 'ECI030', '강사배정 등록',                19),
    ('KEST_E', 'EC', 'ECI040', '직원예약 기준정보 등록',       20),
    ('KEST_E', 'EC', 'ECI050', '직원예약 등록',                21),
    ('KEST_E', 'EC', 'ECI060', '사설강습 등록',                22),
    ('KEST_E', 'EC', 'ECI070', '강습사고 등록',                23),
    ('KEST_E', 'EC', 'ECI080', '제휴단체강습 등록',            24),
    ('KEST_E', 'EC', 'ECI170', '인터스키 강사 수강인원',       25),
    ('KEST_E', 'EC', 'ECI190', '인터스키 접수 관리',           26),
    ('KEST_E', 'EC', 'ECS090', '스키클럽 수강 현황',           27),
    ('KEST_E', 'EC', 'ECS100', '스키학교 수강생 현황',         28),
    ('KEST_E', 'EC', 'ECS110', '강사배정 현황',                29),
    ('KEST_E', 'EC', 'ECS120', '기간별 강사출역 현황',         30),
    ('KEST_E', 'EC', 'ECS130', '직원예약 현황',                31),
    ('KEST_E', 'EC', 'ECS140', '사설강습 현황',                32),
    ('KEST_E', 'EC', 'ECS150', '강습사고 현황',                33),
    ('KEST_E', 'EC', 'ECS160', '제휴단체 강습 현황',           34),
    ('KEST_E', 'EC', 'ECS180', '인터스키 접수 현황',           35),

    ('KEST_E', 'ED', 'EDI010', '스키대회 등록',                36),
    ('KEST_E', 'ED', 'EDI020', '뱃지테스트 참가자 등록',       37),
    ('KEST_E', 'ED', 'EDI030', '뱃지테스트 심사 등록',         38),
    ('KEST_E', 'ED', 'EDS040', '스키대회 현황',                39),
    ('KEST_E', 'ED', 'EDS050', '뱃지테스트 참가자 현황',       40),
    ('KEST_E', 'ED', 'EDS060', '뱃지테스트 심사 현황',         41),

    ('KEST_E', 'EE', 'EEI010', '사고기록 등록(&P)',            42),
    ('KEST_E', 'EE', 'EEI021', '이름별 사고기록 조회',         43),
    ('KEST_E', 'EE', 'EES001', '부상자 통계 보고서',           44),
    ('KEST_E', 'EE', 'EES010', '사고기록 조회',                45),
    ('KEST_E', 'EE', 'EES020', '일일 사고 현황',               46),
    ('KEST_E', 'EE', 'EES030', '요일별 사고발생시간 현황',     47),
    ('KEST_E', 'EE', 'EES040', '요일별 부상상태 현황',         48),
    ('KEST_E', 'EE', 'EES140', '요일별 부상상태 현황 2',       49),
    ('KEST_E', 'EE', 'EES050', '월별 부상발생시간 현황',       50),
    ('KEST_E', 'EE', 'EES060', '월별 부상형태 현황',           51),
    ('KEST_E', 'EE', 'EES070', '성별 부상발생시간 현황',       52),
    ('KEST_E', 'EE', 'EES080', '성별 부상형태 현황',           53),
    ('KEST_E', 'EE', 'EES090', '연령별 부상발생시간 현황',     54),
    ('KEST_E', 'EE', 'EES120', '기간별 사고 현황',             55),
    ('KEST_E', 'EE', 'EES003', '전년대비 부상자 현황(로컬)',   56),
    ('KEST_E', 'EE', 'EES004', '전년대비 부상자 현황',         57),
    -- Never in the menu: the grant to record where an accident happened
    -- (EES010 saves the course map and body-chart markers), given personally.
    ('KEST_E', 'EE', 'EES010W', '사고기록 조회 - 사고지점 기록', 0),

    ('KEST_E', 'EF', 'EFS010', '영업장 분류별 매출 현황',      58),
    ('KEST_E', 'EF', 'EFS020', '고객구분별 매출 현황',         59),
    ('KEST_E', 'EF', 'EFS030', 'DC율/권종별 매출 현황',        60),
    ('KEST_E', 'EF', 'EFS040', '메뉴/POS별 매출 현황',         61),
    ('KEST_E', 'EF', 'EFS050', '곤도라 발권/게이트 통과 현황', 62),
    ('KEST_E', 'EF', 'EFS060', '고객구분/권종별 매출 보고서',  63),
    ('KEST_E', 'EF', 'EFS070', '매출 상세 내역',               64),

    ('KEST_E', 'EG', 'EGI020', '회원 등록',                    65),

    ('KEST_E', 'EH', 'EHI010', '시즌락카 생성',                66),
    ('KEST_E', 'EH', 'EHI020', '시즌락카 판매/키 관리',        67),
    ('KEST_E', 'EH', 'EHI040', '시즌락카 위약금 관리',         68),
    ('KEST_E', 'EH', 'EHS030', '시즌락카 현황',                69),
    ('KEST_E', 'EH', 'EHS040', '시즌락카 판매 집계',           70);

-- Permission levels: '9' everything; the others one department each.
INSERT INTO za140ms (project_id, project_level, program_id)
SELECT project_id, lvl.project_level, program_id
  FROM za050ms
  JOIN (VALUES ('9', 'E'),     -- all screens
               ('2', 'EB'),    -- rental shop and storage
               ('3', 'EC'),    -- ski school and ski club
               ('4', 'EE'),    -- ski patrol
               ('5', 'ED'),    -- competition office
               ('6', 'EH')     -- locker office
       ) AS lvl (project_level, id_prefix)
    ON program_id LIKE lvl.id_prefix || '%'
 WHERE project_id = 'KEST_E';

-- The locker office also registers the members it sells lockers to.
INSERT INTO za140ms (project_id, project_level, program_id) VALUES
    ('KEST_E', '6', 'EGI020');
