-- Every change and delete the counters send carries the version of the row
-- as they read it: an older one is refused and changes nothing, the current
-- one is taken and raises the version. Called as the login role.
\set ON_ERROR_STOP on
CREATE TEMP TABLE calls (what text, call text, state_of text, version_of text);
INSERT INTO calls VALUES
 ('operation', $$SELECT pr_ebi010_02(arun_date => '20250110', afac_gubun => '01', afac_detail_gubun => '01',
                  arun_yn => 'S', arow_ver => %L, au_emp_no => 'T1', aeditstatus => '1')$$,
  $$SELECT run_yn || row_ver FROM eb010ms$$,
  $$SELECT row_ver::text FROM eb010ms$$),
 ('register change', $$SELECT pr_ebi020_01(aarea_gubun => 'M', aequip_gubun => 'CS', aequip_no => 'C0001',
                  aequip_size_gubun => '160', aequip_rent_yn => 'Y', arow_ver => %L, au_emp_no => 'T1',
                  aeditstatus => '1')$$,
  $$SELECT equip_size_gubun || row_ver FROM eb020ms$$,
  $$SELECT row_ver::text FROM eb020ms$$),
 ('stock change', $$SELECT pr_ebi030_01(aarea_gubun => 'M', aboots_size_gubun => '250', astock_qty => '9',
                  arow_ver => %L, au_emp_no => 'T1', aeditstatus => '1')$$,
  $$SELECT stock_qty || '/' || row_ver FROM eb030ms$$,
  $$SELECT row_ver::text FROM eb030ms$$),
 ('rental head change', $$SELECT pr_ebi040_01(arent_date => '20250110', aarea_gubun => 'M', arent_no => '1',
                  adeal_name => '정', arow_ver => %L, au_emp_no => 'T1', aeditstatus => '1')$$,
  $$SELECT deal_name || row_ver FROM eb040ms$$,
  $$SELECT row_ver::text FROM eb040ms$$),
 ('rental row change', $$SELECT pr_ebi040_02(arent_date => '20250110', aarea_gubun => 'M', arent_no => '1',
                  arent_seq => '1', arent_stat => 'R', aequip_gubun => 'CS', aequip_no => 'C0001',
                  arent_name => '무', arow_ver => %L, au_emp_no => 'T1', aeditstatus => '1')$$,
  $$SELECT rent_name || row_ver FROM eb040dt$$,
  $$SELECT row_ver::text FROM eb040dt$$),
 ('storage change', $$SELECT pr_ebi050_01(aseason_gubun => '26', aarea_gubun => 'M', akeep_no => '1',
                  akeep_stat => 'K', aipgo_date => '20261201', akeep_gubun => '01', aequip_gubun => 'CS',
                  aequip_name_gubun => '01', anative_no => 'SN-1', akeep_name => '기', akeep_box_no => 'A-1',
                  arow_ver => %L, au_emp_no => 'T1', aeditstatus => '1')$$,
  $$SELECT keep_name || row_ver FROM eb050ms$$,
  $$SELECT row_ver::text FROM eb050ms$$),
 ('rental row delete', $$SELECT pr_ebi040_02(arent_date => '20250110', aarea_gubun => 'M', arent_no => '1',
                  arent_seq => '1', arow_ver => %L, au_emp_no => 'T1', aeditstatus => '3')$$,
  $$SELECT count(*)::text FROM eb040dt$$,
  $$SELECT row_ver::text FROM eb040dt$$),
 ('storage delete', $$SELECT pr_ebi050_01(aseason_gubun => '26', aarea_gubun => 'M', akeep_no => '1',
                  arow_ver => %L, au_emp_no => 'T1', aeditstatus => '3')$$,
  $$SELECT count(*)::text FROM eb050ms$$,
  $$SELECT row_ver::text FROM eb050ms$$),
 ('stock delete', $$SELECT pr_ebi030_01(aarea_gubun => 'M', aboots_size_gubun => '250', arow_ver => %L,
                  au_emp_no => 'T1', aeditstatus => '3')$$,
  $$SELECT count(*)::text FROM eb030ms$$,
  $$SELECT row_ver::text FROM eb030ms$$),
 ('accident delete', $$SELECT pr_eei010_01(atrob_date => '20250105', atrob_no => '1', arow_ver => %L,
                  au_emp_no => 'T1', aeditstatus => '3')$$,
  $$SELECT count(*)::text FROM ee010ms$$, $$SELECT row_ver::text FROM ee010ms$$),
 ('register delete', $$SELECT pr_ebi020_01(aarea_gubun => 'M', aequip_gubun => 'CS', aequip_no => 'C0001',
                  arow_ver => %L, au_emp_no => 'T1', aeditstatus => '3')$$,
  $$SELECT count(*)::text FROM eb020ms$$,
  $$SELECT row_ver::text FROM eb020ms$$);

DO $$
DECLARE
    c       record;
    before  text;
    after   text;
    version text;
BEGIN
    FOR c IN SELECT * FROM calls LOOP
        EXECUTE c.state_of INTO before;
        PERFORM pg_temp.expect(c.what || ' from an older read', '다른 작업대에서 먼저 변경한 자료입니다. 다시 조회하십시오.',
                               pg_temp.refusal(format(c.call, '1')));
        EXECUTE c.state_of INTO after;
        PERFORM pg_temp.expect(c.what || ' refused changes nothing', before, after);
        EXECUTE c.version_of INTO version;
        PERFORM pg_temp.expect(c.what || ' from the current read', NULL, pg_temp.refusal(format(c.call, version)));
        EXECUTE c.state_of INTO after;
        IF after = before THEN
            RAISE EXCEPTION '% from the current read changed nothing', c.what;
        END IF;
    END LOOP;
END
$$;
