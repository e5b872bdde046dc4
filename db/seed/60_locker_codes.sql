-- Code groups of the season lockers. A site that keeps other rows under
-- these groups keeps them.

-- Locker zones and locker types.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('E0055', 'A', 'A구역'),
    ('E0055', 'B', 'B구역'),
    ('E0056', '1', '일반형'),
    ('E0056', '2', '대형')
ON CONFLICT DO NOTHING;

-- Payment classes: ITEM1 'Y' marks those the locker counter offers.
INSERT INTO zx010ms (head, detail, detail_name, item1) VALUES
    ('C0003', '1', '현금', 'Y'),
    ('C0003', '2', '카드', 'Y'),
    ('C0003', '3', '계좌이체', 'Y')
ON CONFLICT DO NOTHING;

-- Penalty of a cancelled season locker sale, by the days since the sale:
-- ITEM1 the last day a row covers (empty: every day after the others),
-- ITEM2 the rate in percent of the sale amount.
INSERT INTO zx010ms (head, detail, detail_name, item1, item2) VALUES
    ('E0091', '1', '7일 이내', '7', '10'),
    ('E0091', '2', '7일 초과', NULL, '30')
ON CONFLICT DO NOTHING;
