-- Sales lines the outlet reports read: two days of the rental shop (adult,
-- child and undivided menus, two discount rates, accounts of each class, a
-- menu the outlet lacks) and of the gondola with its gate passages.
INSERT INTO ja010ms (upjang_code, upjang_name, upjang_type) VALUES
    ('5003', '렌탈샵', '50'), ('5090', '곤도라 매표소', '50')
ON CONFLICT (upjang_code) DO NOTHING;

INSERT INTO jb010ms (upjang_code, menu_code, menu_name, type_code_1, ticket_kind, daeso_code) VALUES
    ('5003', 'R0000001', '카빙 대인', '01', '01', '1'),
    ('5003', 'R0000002', '카빙 소인', '01', '01', '2'),
    ('5003', 'R0000003', '보드셋트', '03', '02', 'Z'),
    ('5090', 'G0000001', '곤도라 왕복 대인', '01', '09', '1'),
    ('5090', 'G0000002', '곤도라 왕복 소인', '01', '09', '2')
ON CONFLICT DO NOTHING;

INSERT INTO ia010ms (sale_date, upjang_code, pos_no, bill_no, bill_seq, menu_code, ticket_kind, unit_amt, dc_rate,
                     sale_qty, sale_amt, accept_member_no) VALUES
    ('20261220', '5003', '01', 'R1', 1, 'R0000001', '01', 30000, 0,  2, 60000, NULL),
    ('20261220', '5003', '01', 'R1', 2, 'R0000002', '01', 20000, 0,  1, 20000, NULL),
    ('20261220', '5003', '51', 'R2', 1, 'R0000001', '01', 30000, 10, 1, 27000, '0012345678'),
    ('20261220', '5003', '51', 'R3', 1, 'R0000003', '02', 25000, 0,  1, 25000, '4110000001'),
    ('20261221', '5003', '02', 'R4', 1, 'R0000001', '01', 30000, 10, 3, 81000, '2510000001'),
    ('20261221', '5003', '02', 'R4', 2, 'R0000009', '01', 11000, 0,  1, 11000, NULL),
    ('20261221', '5003', '52', 'R5', 1, 'R0000002', '01', 20000, 20, 2, 32000, '4210000001'),
    ('20261222', '5003', '01', 'R6', 1, 'R0000001', '01', 30000, 0,  1, 30000, NULL),
    ('20261220', '5090', '01', 'G1', 1, 'G0000001', '09', 15000, 0,  4, 60000, NULL),
    ('20261220', '5090', '01', 'G1', 2, 'G0000002', '09', 10000, 0,  2, 20000, NULL),
    ('20261221', '5090', '01', 'G2', 1, 'G0000001', '09', 15000, 0,  1, 15000, NULL)
ON CONFLICT DO NOTHING;

-- Tickets read at the gates: a ticket may pass twice (there and back).
INSERT INTO ia020ms (pass_date, gate_code, pass_time, ticket_no, ticket_kind, upjang_code) VALUES
    ('20261220', 'G1', '093000', 'T0001', '09', '5090'),
    ('20261220', 'G2', '151500', 'T0001', '09', '5090'),
    ('20261220', 'G1', '100000', 'T0002', '09', '5090'),
    ('20261220', 'G1', '101000', 'T0003', '07', '5090'),
    ('20261221', 'G1', '090000', 'T0004', '09', '5090')
ON CONFLICT DO NOTHING;
