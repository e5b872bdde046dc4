-- The lesson procedures as the counters call them (login role).
\set ON_ERROR_STOP on
CREATE FUNCTION pg_temp.tomorrow() RETURNS text LANGUAGE sql AS $$ SELECT to_char(CURRENT_DATE + 1, 'YYYYMMDD') $$;
CREATE FUNCTION pg_temp.book(day text, item text, detail text, emp text, n text) RETURNS text LANGUAGE sql AS $$
    SELECT pg_temp.refusal(format('SELECT pr_eci050_01(ayaeyak_date => %L, alecture_item_gubun => %L, '
                                  'alecture_rec_gubun => ''04'', alecture_detail_gubun => %L, aemp_no => %L, '
                                  'aemp_name => ''직원'', ayaeyak_cnt => %L, au_emp_no => ''T0001'', '
                                  'au_ip => ''T0001 COUNTER-01'', aeditstatus => ''1'')', day, item, detail, emp, n))
$$;
CREATE FUNCTION pg_temp.cancel(day text, item text, detail text, emp text, why text) RETURNS text LANGUAGE sql AS $$
    SELECT pg_temp.refusal(format('SELECT pr_eci050_01(ayaeyak_date => %L, alecture_item_gubun => %L, '
                                  'alecture_rec_gubun => ''04'', alecture_detail_gubun => %L, aemp_no => %L, '
                                  'acancel_remark => %L, au_emp_no => ''T0002'', au_ip => ''T0002 COUNTER-02'', '
                                  'aeditstatus => ''2'')', day, item, detail, emp, why))
$$;
CREATE FUNCTION pg_temp.booked(item text, detail text) RETURNS text LANGUAGE sql AS $$
    SELECT COALESCE(sum(yaeyak_cnt), 0)::text FROM ec050ms
     WHERE yaeyak_date = pg_temp.tomorrow() AND lecture_item_gubun = item AND lecture_rec_gubun = '04'
       AND lecture_detail_gubun = detail
$$;
CREATE FUNCTION pg_temp.places(detail text, n text, status text) RETURNS text LANGUAGE sql AS $$
    SELECT pg_temp.refusal(format('SELECT pr_eci040_01(ayaeyak_date => %L, alecture_item_gubun => ''01'', '
                                  'alecture_rec_gubun => ''04'', alecture_detail_gubun => %L, '
                                  'ayaeyak_ability_cnt => %L, au_emp_no => ''T0001'', au_ip => ''X'', '
                                  'aeditstatus => %L)', pg_temp.tomorrow(), detail, n, status))
$$;

-- Booking rules, each refusal the screen's own text with the places the server counted.
SELECT pg_temp.expect(c.what, c.refusal, pg_temp.book(c.day, c.item, '01', c.emp, c.n))
  FROM (VALUES
    ('over the places left', pg_temp.tomorrow(), '01', 'E1', '4',
     '예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [3 명]입니다'),
    ('full slot', pg_temp.tomorrow(), '02', 'E1', '1', '예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [0 명]입니다'),
    ('same employee twice, whatever the count', pg_temp.tomorrow(), '01', ' E7 ', '1',
     '선택한신 강습은 이미 예약이 되었습니다'),
    ('today', to_char(CURRENT_DATE, 'YYYYMMDD'), '01', 'E1', '1', '지난일자[오늘일자 포함]는 예약할 수 없습니다'),
    ('a past day', '20200101', '01', 'E1', '1', '지난일자[오늘일자 포함]는 예약할 수 없습니다'),
    ('no slot that day', to_char(CURRENT_DATE + 3, 'YYYYMMDD'), '01', 'E1', '1',
     '예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [0 명]입니다'),
    ('no persons', pg_temp.tomorrow(), '01', 'E1', '0', '강습인원은(는) 1부터 9999까지의 숫자로 입력하십시오.'),
    ('the last places', pg_temp.tomorrow(), '01', 'E1', '3', NULL),
    ('then full', pg_temp.tomorrow(), '01', 'E2', '1', '예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [0 명]입니다')
  ) AS c (what, day, item, emp, n, refusal);
SELECT pg_temp.expect('employee number stored trimmed', 'E1',
                      (SELECT emp_no FROM ec050ms WHERE emp_name = '직원' AND yaeyak_cnt = 3));

-- A slot deleted after the search: its bookings keep the delete away; one
-- without bookings goes, and a booking then finds no places.
SELECT pg_temp.expect('delete refused with bookings', '예약된 인원이 10명 있어 삭제할 수 없습니다.',
                      pg_temp.places('01', '10', '3'));
SELECT pg_temp.expect('delete an empty slot', NULL, pg_temp.places('02', '5', '3'));
SELECT pg_temp.expect('slot deleted after the search', '예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [0 명]입니다',
                      pg_temp.book(pg_temp.tomorrow(), '01', '02', 'E1', '1'));
-- Places lowered below the booked count are refused; to it, taken.
SELECT pg_temp.expect('places below the booked', '예약가능인원을 이미 예약된 인원(10명)보다 적게 할 수 없습니다.',
                      pg_temp.places('01', '9', '1'));
SELECT pg_temp.expect('places down to the booked', NULL, pg_temp.places('01', '10', '1'));
SELECT pg_temp.expect('same slot twice', '기존 등록된 자료와 중복됩니다. 다시 입력하십시오.', pg_temp.places('01', '3', '2'));

-- A cancel frees its places at once and keeps its reason, who booked and who cancelled.
SELECT pg_temp.expect('cancel', NULL, pg_temp.cancel(pg_temp.tomorrow(), '01', '01', 'E1 ', '일정 변경'));
SELECT pg_temp.expect('places freed', '7', pg_temp.booked('01', '01'));
SELECT pg_temp.expect('history', 'E1/3/일정 변경/T0001/T0002/T0002 COUNTER-02',
                      (SELECT string_agg(concat_ws('/', emp_no, yaeyak_cnt, cancel_remark, booked_emp_no, au_emp_no, au_ip), ' ')
                         FROM ec050hs));
SELECT pg_temp.expect('cancelled twice', '이미 취소되었거나 없는 예약입니다. 다시 조회하십시오.',
                      pg_temp.cancel(pg_temp.tomorrow(), '01', '01', 'E1', NULL));
SELECT pg_temp.expect('a cancel with no reason', NULL, pg_temp.cancel(pg_temp.tomorrow(), '02', '01', 'E8', ''));
SELECT pg_temp.expect('no reason kept as none', '1', (SELECT count(*)::text FROM ec050hs WHERE cancel_remark IS NULL));
SELECT pg_temp.expect('the freed places booked again', NULL, pg_temp.book(pg_temp.tomorrow(), '01', '01', 'E1', '3'));

-- Trainees of a receipt: its number compared as a number, numbered per receipt, never deleted here.
CREATE FUNCTION pg_temp.trainee(receipt text, status text, seq text, name text) RETURNS text LANGUAGE sql AS $$
    SELECT pg_temp.refusal(format('SELECT pr_eci020_01(aseason_gubun => ''26'', areceipt_no => %L, areceipt_seq => %L, '
                                  'atrainer_name => %L, alecture_item_gubun => ''01'', alecture_rec_gubun => ''02'', '
                                  'aid_no => ''8001011234567'', au_emp_no => ''T0001'', au_ip => ''X'', '
                                  'aeditstatus => %L)', receipt, seq, name, status))
$$;
SELECT pg_temp.expect(c.what, c.refusal, pg_temp.trainee(c.receipt, c.status, c.seq, c.name))
  FROM (VALUES
    ('added by its short number', '7', '2', NULL, '하나', NULL),
    ('added by its stored number', '0000000007', '2', NULL, '둘', NULL),
    ('no such receipt', '8', '2', NULL, '셋', '접수번호 8은(는) 등록되어 있지 않습니다.'),
    ('a receipt number is digits', '7A', '2', NULL, '셋', '접수번호을(를) 정확히 입력하십시오.'),
    ('a trainee is never deleted here', '7', '3', '1', '하나', '작업구분이 올바르지 않습니다.'),
    ('a name is required', '7', '1', '1', '', '수강자명을(를) 입력하십시오.')
  ) AS c (what, receipt, status, seq, name, refusal);
SELECT pg_temp.expect('numbered within the receipt', '0000000007:1:하나 0000000007:2:둘',
                      (SELECT string_agg(receipt_no || ':' || receipt_seq || ':' || trainer_name, ' ' ORDER BY receipt_seq)
                         FROM ec020dt WHERE season_gubun = '26'));

-- A personal number stays as stored when another field is saved.
CREATE TEMP TABLE before_save AS SELECT id_no FROM ec020dt WHERE receipt_seq = 1;
SELECT pg_temp.expect('another field saved', NULL, pg_temp.trainee('7', '1', '1', '하나로'));
SELECT pg_temp.expect('cipher unchanged', 'true',
                      (SELECT (d.id_no = b.id_no)::text FROM ec020dt d, before_save b WHERE d.receipt_seq = 1));
SELECT pg_temp.expect('reads as typed', '8001011234567', (SELECT fn_za010ms_04(id_no) FROM ec020dt WHERE receipt_seq = 1));

-- Widths: 30 Hangul names and 500 Hangul memos are kept whole; one more is refused.
SELECT pg_temp.expect('30 Hangul characters', NULL, pg_temp.trainee('7', '1', '1', repeat('가', 30)));
SELECT pg_temp.expect('31 Hangul characters', '수강자명은(는) 60바이트(한글 30자)를 넘을 수 없습니다.',
                      pg_temp.trainee('7', '1', '1', repeat('가', 31)));
SELECT pg_temp.expect('500 Hangul characters', NULL, pg_temp.refusal(format(
    'SELECT pr_eci020_01(aseason_gubun => ''26'', areceipt_no => ''7'', areceipt_seq => ''2'', atrainer_name => ''둘'', '
    'alecture_item_gubun => ''01'', alecture_rec_gubun => ''02'', atrain_test => %L, aremark => %L, '
    'au_emp_no => ''T0001'', aeditstatus => ''1'')', repeat('한', 500), repeat('글', 500))));
SELECT pg_temp.expect('memo kept whole', '500/500',
                      (SELECT length(train_test) || '/' || length(remark) FROM ec020dt WHERE receipt_seq = 2));

-- Club enrolments numbered per season.
CREATE FUNCTION pg_temp.enrol(season text) RETURNS text LANGUAGE sql AS $$
    SELECT pg_temp.refusal(format('SELECT pr_eci010_01(aseason_gubun => %L, atrainer_name => ''회원'', '
                                  'aenter_date => ''20261201'', asex => ''1'', aage => ''20'', '
                                  'aid_no => ''9001011234567'', atel_no => ''02-1'', au_emp_no => ''T0001'', '
                                  'aeditstatus => ''2'')', season))
$$;
SELECT pg_temp.expect('enrol', NULL, pg_temp.enrol(s)) FROM (VALUES ('26'), ('26'), ('25')) AS v (s);
SELECT pg_temp.expect('numbers per season', '25:1 26:1 26:2',
                      (SELECT string_agg(season_gubun || ':' || lecture_no, ' ' ORDER BY season_gubun, lecture_no)
                         FROM ec010ms));

-- Instructor assignments: the remark is stored; a second row of one key is refused.
SELECT pg_temp.expect('assign', NULL, pg_temp.refusal(
    'SELECT pr_eci030_01(alecture_date => ''20261210'', alecturer_emp_no => ''L001'', aarea_gubun => ''M'', '
    'alecture_detail_gubun => ''01'', alecture_cnt => ''4'', aremark => ''오전만'', au_emp_no => ''T0001'', aeditstatus => ''2'')'));
SELECT pg_temp.expect('assigned twice', '기존 등록된 자료와 중복됩니다. 다시 입력하십시오.', pg_temp.refusal(
    'SELECT pr_eci030_01(alecture_date => ''20261210'', alecturer_emp_no => ''L001'', aarea_gubun => ''M'', '
    'alecture_detail_gubun => ''01'', au_emp_no => ''T0001'', aeditstatus => ''2'')'));
SELECT pg_temp.expect('remark kept', '오전만/4', (SELECT remark || '/' || lecture_cnt FROM ec030ms));
