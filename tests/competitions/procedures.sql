-- The competition, entrant and judging procedures as the counters call them.
\set ON_ERROR_STOP on
CREATE FUNCTION pg_temp.game(args text) RETURNS text LANGUAGE sql AS $$
    SELECT pg_temp.refusal('SELECT pr_edi010_01(agame_date => ''20261215'', au_emp_no => ''T1'', au_ip => ''C1'', '
                           || args || ')')
$$;
CREATE FUNCTION pg_temp.entrant(args text) RETURNS text LANGUAGE sql AS $$
    SELECT pg_temp.refusal('SELECT pr_edi020_01(aseason_gubun => ''26'', au_emp_no => ''T1'', au_ip => ''C1'', '
                           || args || ')')
$$;
CREATE FUNCTION pg_temp.judging(args text) RETURNS text LANGUAGE sql AS $$
    SELECT pg_temp.refusal('SELECT pr_edi030_01(aseason_gubun => ''26'', aexamine_date => ''20261220'', '
                           || 'aexaminer_a => ''가'', aexaminer_b => ''나'', aexaminer_c => ''다'', '
                           || 'au_emp_no => ''T1'', au_ip => ''C1'', ' || args || ')')
$$;

-- Competitions: numbered within the date after the highest stored; the fee digits only, at most ten.
SELECT pg_temp.expect('new competition', NULL,
                      pg_temp.game('agame_name => ''셋째'', aseq_no => ''77'', aslope => ''01'', aslope_amt => ''9999999999'', aeditstatus => ''2'''));
SELECT pg_temp.expect('numbered after the stored ones', '3/9999999999',
                      (SELECT seq_no || '/' || slope_amt FROM ed010ms WHERE game_name = '셋째'));
SELECT pg_temp.expect('another date counts from 1', NULL,
                      pg_temp.refusal('SELECT pr_edi010_01(agame_date => ''20261216'', agame_name => ''다른 날'', aeditstatus => ''2'')'));
SELECT pg_temp.expect('another date numbered 1', '1', (SELECT seq_no::text FROM ed010ms WHERE game_date = '20261216'));
SELECT pg_temp.expect('fee with separators', '슬로프사용료을(를) 정확히 입력하십시오.',
                      pg_temp.game('agame_name => ''x'', aslope_amt => ''1,000'', aeditstatus => ''2'''));
SELECT pg_temp.expect('fee of eleven digits', '슬로프사용료을(를) 정확히 입력하십시오.',
                      pg_temp.game('agame_name => ''x'', aslope_amt => ''10000000000'', aeditstatus => ''2'''));
SELECT pg_temp.expect('name required', '대회명을(를) 입력하십시오.', pg_temp.game('aeditstatus => ''2'''));
SELECT pg_temp.expect('unknown slope', '슬로프을(를) 정확히 입력하십시오.',
                      pg_temp.game('agame_name => ''x'', aslope => ''99'', aeditstatus => ''2'''));
-- Forty Hangul characters are eighty bytes and kept whole; one more is refused.
SELECT pg_temp.expect('forty Hangul characters', NULL,
                      pg_temp.game(format('agame_name => %L, aeditstatus => ''2''', repeat('대', 40))));
SELECT pg_temp.expect('kept whole', '40', (SELECT length(game_name)::text FROM ed010ms WHERE game_name LIKE '대%'));
SELECT pg_temp.expect('forty-one Hangul characters', '대회명은(는) 80바이트(한글 40자)를 넘을 수 없습니다.',
                      pg_temp.game(format('agame_name => %L, aeditstatus => ''2''', repeat('대', 41))));
SELECT pg_temp.expect('changed', NULL, pg_temp.game('aseq_no => ''2'', agame_name => ''고친 대회'', aeditstatus => ''1'''));
SELECT pg_temp.expect('deleted', NULL, pg_temp.game('aseq_no => ''1'', aeditstatus => ''3'''));
SELECT pg_temp.expect('the day after', '2:고친 대회 3:셋째 4:' || repeat('대', 40),
                      (SELECT string_agg(seq_no || ':' || game_name, ' ' ORDER BY seq_no) FROM ed010ms
                        WHERE game_date = '20261215'));

-- Entrants: numbered within the season; "1" and "3" name the entrant as shown.
SELECT pg_temp.expect('new entrant', NULL, pg_temp.entrant(
    'aapply_date => ''20261203'', aentry_name_kor => ''박신규'', aid_no => ''9001011234567'', '
    'amobile_no => ''010-3-3'', ahome_addr2 => ''101호'', aapply_class => ''03'', aapply_amt => ''150000'', aeditstatus => ''2'''));
SELECT pg_temp.expect('numbered after the highest', '124', (SELECT recv_no::text FROM ed020ms WHERE entry_name_kor = '박신규'));
SELECT pg_temp.expect('personal columns stored encrypted', 'false/9001011234567/101호',
                      (SELECT (id_no LIKE '%9001011234567%')::text || '/' || fn_za010ms_04(id_no) || '/'
                              || fn_za010ms_04(home_addr2) FROM ed020ms WHERE recv_no = 124));
SELECT pg_temp.expect('change by the number as shown', NULL, pg_temp.entrant(
    'arecv_no => ''000124'', aapply_date => ''20261203'', aentry_name_kor => ''박바뀜'', aid_no => ''9001011234567'', '
    'amobile_no => ''010-3-3'', aeditstatus => ''1'''));
SELECT pg_temp.expect('changed, the personal number as it was', '박바뀜/9001011234567',
                      (SELECT entry_name_kor || '/' || fn_za010ms_04(id_no) FROM ed020ms WHERE recv_no = 124));
SELECT pg_temp.expect('impossible date', '신청일을(를) 정확히 입력하십시오.', pg_temp.entrant(
    'aapply_date => ''20270230'', aentry_name_kor => ''x'', aid_no => ''9001011234567'', amobile_no => ''1'', aeditstatus => ''2'''));
SELECT pg_temp.expect('short personal number', '주민등록번호을(를) 정확히 입력하십시오.', pg_temp.entrant(
    'aapply_date => ''20261203'', aentry_name_kor => ''x'', aid_no => ''900101'', amobile_no => ''1'', aeditstatus => ''2'''));
SELECT pg_temp.expect('no mobile phone', '핸드폰번호을(를) 입력하십시오.', pg_temp.entrant(
    'aapply_date => ''20261203'', aentry_name_kor => ''x'', aid_no => ''9001011234567'', aeditstatus => ''2'''));
SELECT pg_temp.expect('unknown season', '시즌을(를) 정확히 입력하십시오.',
                      pg_temp.refusal('SELECT pr_edi020_01(aseason_gubun => ''99'', aeditstatus => ''2'')'));
-- A judged entrant stays, and so do its scores; an unjudged one goes.
SELECT pg_temp.expect('judged entrant kept', '접수번호 000123 은(는) 심사 자료가 있으므로 삭제할 수 없습니다.',
                      pg_temp.entrant('arecv_no => ''000123'', aeditstatus => ''3'''));
SELECT pg_temp.expect('unjudged entrant deleted', NULL, pg_temp.entrant('arecv_no => ''000122'', aeditstatus => ''3'''));
SELECT pg_temp.expect('entrants left', '123 124', (SELECT string_agg(recv_no::text, ' ' ORDER BY recv_no) FROM ed020ms));
-- The last number of a season is 999999.
SELECT pg_temp.expect('highest number', NULL, pg_temp.refusal(
    'SELECT pr_edi020_01(aseason_gubun => ''25'', aapply_date => ''20251203'', aentry_name_kor => ''끝'', '
    'aid_no => ''9001011234567'', amobile_no => ''1'', aeditstatus => ''2'')'));
SELECT pg_temp.expect('numbered 999999', '999999', (SELECT recv_no::text FROM ed020ms WHERE entry_name_kor = '끝'));
SELECT pg_temp.expect('past the highest', '접수번호가 모두 사용되었습니다. (시즌 25)', pg_temp.refusal(
    'SELECT pr_edi020_01(aseason_gubun => ''25'', aapply_date => ''20251203'', aentry_name_kor => ''넘침'', '
    'aid_no => ''9001011234567'', amobile_no => ''1'', aeditstatus => ''2'')'));

-- Judging: the entrant must exist; its columns sent along are ignored; scores 0 to 999.
SELECT pg_temp.expect('unknown entrant', '접수번호 000999 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.',
                      pg_temp.judging('arecv_no => ''999'', aeditstatus => ''2'''));
SELECT pg_temp.expect('judged with the entrant columns', NULL, pg_temp.judging(
    'arecv_no => ''000124'', aentry_name_kor => ''딴이름'', aapply_date => ''19990101'', aid_no => ''x'', '
    'aapply_class_gubun_name => ''1급'', apflug_bogen_a => ''999'', agen_descent_c => ''0'', aeditstatus => ''2'''));
SELECT pg_temp.expect('entrant unchanged', '박바뀜/20261203/9001011234567',
                      (SELECT entry_name_kor || '/' || apply_date || '/' || fn_za010ms_04(id_no) FROM ed020ms WHERE recv_no = 124));
SELECT pg_temp.expect('scores kept', '999/0',
                      (SELECT pflug_bogen_a || '/' || gen_descent_c FROM ed020dt WHERE recv_no = 124));
SELECT pg_temp.expect('judged twice on one day', '기존 등록된 자료와 중복됩니다. 다시 입력하십시오.',
                      pg_temp.judging('arecv_no => ''124'', aeditstatus => ''2'''));
SELECT pg_temp.expect('judged again on another day', NULL, pg_temp.refusal(
    'SELECT pr_edi030_01(aseason_gubun => ''26'', aexamine_date => ''20261221'', arecv_no => ''124'', '
    'aexaminer_a => ''가'', aexaminer_b => ''나'', aexaminer_c => ''다'', aeditstatus => ''2'')'));
SELECT pg_temp.expect('score above 999', '종합활강(B)은(는) 0부터 999까지의 숫자로 입력하십시오.',
                      pg_temp.judging('arecv_no => ''123'', agen_descent_b => ''1000'', aeditstatus => ''1'''));
SELECT pg_temp.expect('negative score', '미들턴(A)은(는) 0부터 999까지의 숫자로 입력하십시오.',
                      pg_temp.judging('arecv_no => ''123'', amiddle_turn_a => ''-1'', aeditstatus => ''1'''));
SELECT pg_temp.expect('judge C required', '심사자 C을(를) 입력하십시오.', pg_temp.refusal(
    'SELECT pr_edi030_01(aseason_gubun => ''26'', aexamine_date => ''20261220'', arecv_no => ''123'', '
    'aexaminer_a => ''가'', aexaminer_b => ''나'', aeditstatus => ''1'')'));
SELECT pg_temp.expect('scores changed', NULL,
                      pg_temp.judging('arecv_no => ''000123'', apflug_bogen_a => ''7'', aeditstatus => ''1'''));
SELECT pg_temp.expect('judging deleted', NULL, pg_temp.judging('arecv_no => ''123'', aeditstatus => ''3'''));
SELECT pg_temp.expect('judging left', '20261220/124 20261221/124',
                      (SELECT string_agg(examine_date || '/' || recv_no, ' ' ORDER BY examine_date) FROM ed020dt));
