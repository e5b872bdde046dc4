-- Weather stations and facility run states. Left alone where an install
-- already has them.

-- Weather stations; the hourly weather screen names them by these codes.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0001', 'A1', 'BASE1'),
    ('E0001', 'A2', 'BASE2'),
    ('E0001', 'A3', 'JUMP'),
    ('E0001', 'A4', 'PEAK1'),
    ('E0001', 'A5', 'MIDPEAK1'),
    ('E0001', 'A6', 'KESTCC'),
    ('E0001', 'A7', 'NEWPEAK2')
ON CONFLICT (head, detail) DO NOTHING;

-- Run states of courses and lifts: 'S' does not run that day (drawn in
-- red); a new day starts with every facility on 'Y'.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0008', 'Y', '운행'),
    ('E0008', 'S', '운행중지')
ON CONFLICT (head, detail) DO NOTHING;
