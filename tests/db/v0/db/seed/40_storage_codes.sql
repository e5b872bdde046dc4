-- The code groups only the storage counter reads: storage state and
-- equipment name kind. Left alone where an install already has them.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0015', 'K', '보관'),
    ('E0015', 'R', '불출'),
    ('E0021', '01', '스키'),
    ('E0021', '02', '스노보드'),
    ('E0021', '03', '스키폴'),
    ('E0021', '04', '스키부츠'),
    ('E0021', '05', '보드부츠'),
    ('E0021', '99', '기타')
ON CONFLICT (head, detail) DO NOTHING;
