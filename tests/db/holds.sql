-- Item holds as the counters meet them, called as the login role.
\set ON_ERROR_STOP on
CREATE FUNCTION pg_temp.hold(item text, emp text, ip text) RETURNS text LANGUAGE sql AS $$
    SELECT pg_temp.refusal(format('SELECT pr_ebi040_03(arent_date => %L, aarea_gubun => %L, aequip_gubun => %L, '
                                  'aequip_no => %L, au_emp_no => %L, au_ip => %L, aeditstatus => %L)',
                                  '20250110', 'M', 'CS', item, emp, ip, '2'))
$$;
CREATE FUNCTION pg_temp.live() RETURNS text LANGUAGE sql AS $$
    SELECT string_agg(rent_date || '/' || equip_no || '/' || au_emp_no, ' ' ORDER BY rent_date, equip_no) FROM eb020tm_live
$$;

-- The free-item list sees the holds in force only: a hold lapses after 30 minutes.
SELECT pg_temp.expect('holds in force', '20250110/C0002/E9 20250110/C0003/E9 20250110/C0004/T1 20250110/C0006/T1',
                      pg_temp.live());
-- A lapsed hold gives way to another counter; one in force refuses it.
SELECT pg_temp.expect('hold over a lapsed one', NULL, pg_temp.hold('C0001', 'T1', 'T1 COUNTER-01'));
SELECT pg_temp.expect('lapsed hold taken over', 'T1', (SELECT au_emp_no FROM eb020tm WHERE equip_no = 'C0001'));
SELECT pg_temp.expect('hold in force refuses', '장비번호 [C0002]은(는) 다른 작업대에서 선택한 장비입니다.',
                      pg_temp.hold('C0002', 'T1', 'T1 COUNTER-01'));
-- A counter's own hold is "already selected", also under the same employee at another workstation.
SELECT pg_temp.expect('own hold', '장비번호 [C0004]은(는) 이미 선택된 장비입니다.', pg_temp.hold('C0004', 'T1', 'T1 COUNTER-01'));
SELECT pg_temp.expect('same employee elsewhere', '장비번호 [C0004]은(는) 다른 작업대에서 선택한 장비입니다.',
                      pg_temp.hold('C0004', 'T1', 'T1 COUNTER-02'));
-- No workstation address: the hold is taken, and its own release finds it.
SELECT pg_temp.expect('hold without an address', NULL, pg_temp.hold('C0007', 'T2', NULL));
SELECT pg_temp.expect('held without an address', 'T2/-',
                      (SELECT au_emp_no || '/' || COALESCE(au_ip, '-') FROM eb020tm_live WHERE equip_no = 'C0007'));
SELECT pr_ebi040_03(arent_date => '20250110', aarea_gubun => 'M', aequip_gubun => 'CS', aequip_no => 'C0007',
                    au_emp_no => 'T2', au_ip => '', aeditstatus => '3');
SELECT pg_temp.expect('released without an address', '0', (SELECT count(*)::text FROM eb020tm WHERE equip_no = 'C0007'));
-- Releasing another counter's hold changes nothing and raises nothing.
SELECT pr_ebi040_03(arent_date => '20250110', aarea_gubun => 'M', aequip_gubun => 'CS', aequip_no => 'C0003',
                    au_emp_no => 'T1', au_ip => 'T1 COUNTER-01', aeditstatus => '3');
SELECT pg_temp.expect('another counter''s hold stays', 'E9', (SELECT au_emp_no FROM eb020tm WHERE equip_no = 'C0003'));
-- On opening, a counter releases its holds taken before a moment, of every date, and only its own.
SELECT pr_ebi040_04(au_emp_no => 'T1', au_ip => 'T1 COUNTER-01',
                    aheld_before => to_char(LOCALTIMESTAMP(0) - interval '30 minutes', 'YYYYMMDDHH24MISS'));
SELECT pg_temp.expect('older holds of the counter released', 'C0001 C0002 C0003 C0004 C0006',
                      (SELECT string_agg(equip_no, ' ' ORDER BY equip_no) FROM eb020tm));
SELECT pr_ebi040_04(au_emp_no => 'T1', au_ip => 'T1 COUNTER-01');
SELECT pg_temp.expect('all holds of the counter released', 'C0002 C0003 C0006',
                      (SELECT string_agg(equip_no, ' ' ORDER BY equip_no) FROM eb020tm));
