-- The season locker procedures as the counters call them.
\set ON_ERROR_STOP on
CREATE FUNCTION pg_temp.call(sql text) RETURNS text LANGUAGE sql AS $$
    SELECT pg_temp.refusal('SELECT ' || sql)
$$;

-- Batch creation: once; a second press is refused; the block then changes only its fees.
SELECT pg_temp.expect('first batch', NULL, pg_temp.call('pr_ehi010_02(aseason_year => ''2026'', aseq_no => ''1'', au_emp_no => ''T1'', au_ip => ''C1'')'));
SELECT pg_temp.expect('lockers created', '101,102,103',
                      (SELECT string_agg(locker_no, ',' ORDER BY locker_no::integer) FROM eh020ms WHERE season_year = '2026' AND location = 'M'));
SELECT pg_temp.expect('second batch', '시즌락카 일괄처리 작업이 이미 완료되었습니다. 확인바랍니다.',
                      pg_temp.call('pr_ehi010_02(aseason_year => ''2026'', aseq_no => ''1'')'));
SELECT pg_temp.expect('range moved after creation', '락카가 생성된 블록은 요금만 변경할 수 있습니다. (순번 1)',
                      pg_temp.call('pr_ehi010_01(aseason_year => ''2026'', aseq_no => ''1'', alocation => ''M'', aarea_zone => ''A'', alocker_type => ''1'', aunit_amt => ''100000'', amember_amt => ''80000'', abeginning_no => ''102'', alocker_qty => ''3'', aeditstatus => ''1'')'));
SELECT pg_temp.expect('delete after creation', '락카가 생성된 블록은 삭제할 수 없습니다. (순번 1)',
                      pg_temp.call('pr_ehi010_01(aseason_year => ''2026'', aseq_no => ''1'', aeditstatus => ''3'')'));
SELECT pg_temp.expect('overlapping block', '락카번호 103부터 105까지는 다른 블록과 겹칩니다.',
                      pg_temp.call('pr_ehi010_01(aseason_year => ''2026'', alocation => ''S'', aarea_zone => ''A'', alocker_type => ''1'', aunit_amt => ''1'', amember_amt => ''1'', abeginning_no => ''103'', alocker_qty => ''3'', aeditstatus => ''2'')'));
SELECT pg_temp.expect('fees only', NULL,
                      pg_temp.call('pr_ehi010_01(aseason_year => ''2026'', aseq_no => ''1'', alocation => ''M'', aarea_zone => ''A'', alocker_type => ''1'', aunit_amt => ''110000'', amember_amt => ''90000'', abeginning_no => ''101'', alocker_qty => ''3'', aeditstatus => ''1'')'));
SELECT pg_temp.expect('unsold lockers take the fees', '110000',
                      (SELECT string_agg(DISTINCT unit_amt::text, ',') FROM eh020ms WHERE season_year = '2026' AND location = 'M'));
SELECT pg_temp.expect('second block', NULL, pg_temp.call('pr_ehi010_02(aseason_year => ''2026'', aseq_no => ''2'')'));

-- A sale is priced by the server; another customer is refused.
SELECT pg_temp.expect('sale', NULL, pg_temp.call('pr_ehi020_01(aseason_year => ''2026'', alocker_no => ''101'', asale_date => ''20261201'', am_name => ''김손님'', am_idno => ''9001011234567'', apay_code => ''현금'', asale_amt => ''1'', aipgum_amt => ''110000'', aeditstatus => ''1'')'));
SELECT pg_temp.expect('priced and stored', '110000/Y/Y/9001011234567',
                      (SELECT sale_amt || '/' || ipgum_yn || '/' || use_yn || '/' || fn_za010ms_04(m_idno) FROM eh020ms WHERE locker_no = '101'));
SELECT pg_temp.expect('sold to another', '락카번호 101 은(는) 이미 다른 고객에게 판매된 락카입니다. 다시 조회하십시오.',
                      pg_temp.call('pr_ehi020_01(aseason_year => ''2026'', alocker_no => ''101'', asale_date => ''20261201'', am_name => ''이손님'', am_idno => ''9101011234567'', apay_code => ''현금'', aeditstatus => ''1'')'));
SELECT pg_temp.expect('sale without customer', '고객성명을(를) 입력하십시오.',
                      pg_temp.call('pr_ehi020_01(aseason_year => ''2026'', alocker_no => ''102'', asale_date => ''20261201'', aeditstatus => ''1'')'));
SELECT pg_temp.expect('insert refused', '작업구분이 올바르지 않습니다.',
                      pg_temp.call('pr_ehi020_01(aseason_year => ''2026'', alocker_no => ''102'', aeditstatus => ''2'')'));
SELECT pg_temp.expect('fee lookup', '110000',
                      (SELECT pr_ehi020_02(am_idno => '9001011234567', aseason_year => '2026', alocker_no => '102')));
-- The member fee for a member valid today (the fixture's members), found by the resident number's keyed hash.
SELECT pg_temp.expect('fee of ' || m.what, m.fee,
                      (SELECT pr_ehi020_02(am_idno => m.idno, aseason_year => '2026', alocker_no => '102')))
  FROM (VALUES ('a member valid to today', '9101011234567', '90000'),
               ('a member whose period ended yesterday', '9201011234567', '110000'),
               ('a member from tomorrow', '9301011234567', '110000')) m(what, idno, fee);

-- Moves: the checks in order, then a move carrying the card columns.
SELECT pg_temp.expect(c.what, c.refusal,
                      pg_temp.call(format('pr_ehi020_03(aseason_year => ''2026'', alocker_no => ''301'', alocker_no_change => %L, aeditstatus => ''4'')', c.target)))
  FROM (VALUES ('short number', '12', '변경 락카번호 입력을 확인하세요.'),
               ('sold target', '101', '이미 판매된 락카번호로는 변경이 불가합니다.'),
               ('other type', '201', '변경 락카번호의 락카형이 달라서 변경할수 없습니다.확인하세요'),
               ('missing', '999', '변경 락카번호의 락카형이 달라서 변경할수 없습니다.확인하세요')) AS c(what, target, refusal);
SELECT pg_temp.expect('move', NULL, pg_temp.call('pr_ehi020_03(aseason_year => ''2026'', alocker_no => ''301'', alocker_no_change => ''302'', aeditstatus => ''4'')'));
SELECT pg_temp.expect('moved with card columns', '301:N/302:Y:AP1:카드손님',
                      (SELECT string_agg(concat_ws(':', locker_no, use_yn, approval_no, m_name), '/' ORDER BY locker_no) FROM eh020ms WHERE locker_no IN ('301', '302')));

-- Cancel: penalty by the rule (10 % within seven days), card columns kept.
SELECT pg_temp.expect('cancel', NULL, pg_temp.call('pr_ehi020_03(aseason_year => ''2026'', alocker_no => ''302'', aeditstatus => ''3'')'));
SELECT pg_temp.expect('penalty record', '1/10000/10000/90000/N',
                      (SELECT concat_ws('/', seq_no, penalty_amt, ipgum_amt, return_amt, penalty_yn) FROM eh030ms WHERE season_year = '2026'));
SELECT pg_temp.expect('locker freed, card kept', 'C/AP1/',
                      (SELECT concat(use_yn, '/', approval_no, '/', sale_date) FROM eh020ms WHERE locker_no = '302'));
SELECT pg_temp.expect('cancel unsold', '락카번호 302 은(는) 판매되지 않은 락카입니다. 다시 조회하십시오.',
                      pg_temp.call('pr_ehi020_03(aseason_year => ''2026'', alocker_no => ''302'', aeditstatus => ''3'')'));

-- Penalty dates.
SELECT pg_temp.expect(c.what, c.refusal,
                      pg_temp.call(format('pr_ehi040_01(aseason_year => ''2026'', aseq_no => ''1'', aipgum_date => %L, areturn_date => %L, aeditstatus => ''1'')', c.paid, c.ret)))
  FROM (VALUES ('paid date', '20261210', '', NULL),
               ('impossible date', '20260230', '', '위약금 입금일자을(를) 정확히 입력하십시오.'),
               ('refund date with hyphens', '', '2026-12-10', '환불일자을(를) 정확히 입력하십시오.')) AS c(what, paid, ret, refusal);
SELECT pg_temp.expect('paid flag', 'Y/20261210', (SELECT penalty_yn || '/' || ipgum_date FROM eh030ms WHERE seq_no = 1));
