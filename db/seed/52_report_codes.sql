-- The accident reports of the report viewer: code, the name the list shows.
-- The definition files of the codes are the client's; a site that renames
-- a report keeps its code. Left alone where an install already has them.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0054', '01', '전년대비 부상자 전체현황'),
    ('E0054', '02', '시간대별 부상자 현황'),
    ('E0054', '03', '부상자의 성별 현황'),
    ('E0054', '04', '부상자의 연령별 현황'),
    ('E0054', '05', '부상자의 지역별 현황'),
    ('E0054', '06', '부상자의 부상부위별 현황'),
    ('E0054', '07', '부상자의 부상종류별 현황'),
    ('E0054', '08', '슬로프별 부상자 현황'),
    ('E0054', '09', '부상자 중 스키학교 강습여부 현황'),
    ('E0054', '10', '부상자의 사고요지 현황'),
    ('E0054', '11', '스키경력별 부상자 현황'),
    ('E0054', '12', '앰블런스 후송 현황'),
    ('E0054', '13', '패트롤 후송 현황'),
    ('E0054', '14', '부상종류별 부상부위 현황')
ON CONFLICT (head, detail) DO NOTHING;
