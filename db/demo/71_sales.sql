-- Invented sales of the sports outlets: the outlets the statistics name,
-- their sales types and menus, and sixty days of sales lines up to today
-- over every POS group and customer account prefix.
INSERT INTO ja010ms (upjang_code, upjang_name, upjang_type) VALUES
    ('5001', '매표소',           '50'),
    ('5003', '렌탈샵',           '50'),
    ('5005', '유아방/코인락카',  '50'),
    ('5007', '스키수리/보관소',  '50'),
    ('5061', '의류렌탈',         '50'),
    ('5090', '곤도라 매표소',    '50')
ON CONFLICT (upjang_code) DO NOTHING;

INSERT INTO jb020ms (upjang_code, type_code, type_name) VALUES
    ('5003', '01', '카빙셋트'), ('5003', '02', '일반렌탈'), ('5003', '03', '보드셋트'), ('5003', '04', '블레이드'),
    ('5061', '01', '의류렌탈'),
    ('5007', '01', '스키수리'), ('5007', '02', '스키보관'), ('5007', '03', '스키파손'),
    ('5005', '01', '유아방'), ('5005', '02', '코인락카'),
    ('5001', '01', '리프트권'),
    ('5090', '01', '곤도라');

INSERT INTO jb010ms (upjang_code, menu_code, menu_name, type_code_1, ticket_kind, daeso_code) VALUES
    ('5003', '10000001', '카빙셋트 대인', '01', '01', '1'), ('5003', '10000002', '카빙셋트 소인', '01', '01', '2'),
    ('5003', '10000003', '일반렌탈 대인', '02', '01', '1'), ('5003', '10000004', '일반렌탈 소인', '02', '01', '2'),
    ('5003', '10000005', '보드셋트', '03', '01', 'Z'), ('5003', '10000006', '블레이드', '04', '01', 'Z'),
    ('5061', '20000001', '스키복 상하', '01', '01', '1'), ('5061', '20000002', '아동 스키복', '01', '01', '2'),
    ('5007', '30000001', '왁싱', '01', '01', 'Z'), ('5007', '30000002', '1일 보관', '02', '01', 'Z'),
    ('5007', '30000003', '파손 변상', '03', '01', 'Z'),
    ('5005', '40000001', '유아방 1시간', '01', '01', '2'), ('5005', '40000002', '코인락카', '02', '01', 'Z'),
    ('5001', '50000001', '리프트 주간권', '01', '01', '1'), ('5001', '50000002', '리프트 주간권 소인', '01', '01', '2'),
    ('5001', '50000003', '리프트 오후권', '01', '03', '1'), ('5001', '50000004', '리프트 야간권', '01', '04', 'Z'),
    ('5090', '60000001', '곤도라 왕복 대인', '01', '09', '1'), ('5090', '60000002', '곤도라 왕복 소인', '01', '09', '2');

-- The customer accounts the lines name, and the events of the group accounts: a camp and a club outing.
INSERT INTO bb010ms (member_no, member_name, member_group_code) VALUES
    ('0012345678', '김정회원', '00'), ('2510000001', '스키연합회', '25'), ('4110000001', '겨울캠프단', '41'),
    ('4110000002', '산악회', '41'), ('4210000001', '일일스키', '42'), ('6000000001', '시즌권 고객', '60'),
    ('5000000001', '쿠폰 고객', '50'), ('7000000001', '제휴 쿠폰', '70')
ON CONFLICT (member_no) DO NOTHING;
INSERT INTO fa010ms (event_no, event_name, market_code) VALUES
    ('4110000001', '겨울 스키캠프', '024'), ('4110000002', '산악회 단체', '011')
ON CONFLICT (event_no) DO NOTHING;

-- Each day: every menu sold at three POS of its outlet, for accounts of each prefix in turn.
INSERT INTO ia010ms (sale_date, upjang_code, pos_no, bill_no, bill_seq, menu_code, ticket_kind, unit_amt, dc_rate,
                     sale_qty, sale_amt, accept_member_no)
SELECT to_char(CURRENT_DATE - d, 'YYYYMMDD'), m.upjang_code,
       CASE WHEN m.upjang_code = '5061' THEN (ARRAY['11','12','21'])[p] ELSE (ARRAY['01','24','55'])[p] END,
       lpad((d * 100 + p)::text, 10, '0'), row_number() OVER (PARTITION BY d, p ORDER BY m.menu_code),
       m.menu_code, m.ticket_kind, 10000 * (1 + length(m.menu_code) % 3), (ARRAY[0, 10, 20, 30])[1 + (d + p) % 4],
       1 + (d + p) % 3,
       (1 + (d + p) % 3) * 10000 * (1 + length(m.menu_code) % 3) * (100 - (ARRAY[0, 10, 20, 30])[1 + (d + p) % 4]) / 100,
       (ARRAY[NULL, '0012345678', '4210000001', '4110000001', '2510000001', '6000000001', '5000000001',
              '1000000001', '9900000001', '4110000002', '7000000001'])[1 + (d * 3 + p) % 11]
  FROM generate_series(0, 59) AS d, generate_series(1, 3) AS p, jb010ms m;

-- The gondola's tickets read at its two gates: most pass up and down,
-- some only once.
INSERT INTO ia020ms (pass_date, gate_code, pass_time, ticket_no, ticket_kind, upjang_code)
SELECT to_char(CURRENT_DATE - d, 'YYYYMMDD'), g.gate,
       to_char(time '09:00' + (t * 7 % 420) * interval '1 minute' + g.later, 'HH24MISS'),
       lpad((d * 1000 + t)::text, 10, '0'), '09', '5090'
  FROM generate_series(0, 59) AS d, generate_series(1, 40) AS t,
       (VALUES ('G1', interval '0'), ('G2', interval '3 hours')) AS g(gate, later)
 WHERE g.gate = 'G1' OR t % 4 <> 0;
