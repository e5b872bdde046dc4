-- Bad input through every procedure, called as the login role calls them.
-- Each case starts from a valid call on the fixture's rows and changes one
-- parameter. Expected: the Korean refusal (SQLSTATE P0001, the client shows
-- the primary message) with the tables unchanged; or, where no refusal is
-- given, the value stored verbatim (SQL metacharacters are data, never
-- code), or for a release that is not this counter's, no change at all.
\set ON_ERROR_STOP on
DO $test$
DECLARE
    state_sql constant text := $$
        SELECT md5(string_agg(r, E'\n' ORDER BY r)) FROM (
            SELECT 'eb020ms' || t::text AS r FROM eb020ms t UNION ALL
            SELECT 'eb030ms' || t::text FROM eb030ms t UNION ALL
            SELECT 'eb010ms' || t::text FROM eb010ms t UNION ALL
            SELECT 'eb040ms' || t::text FROM eb040ms t UNION ALL
            SELECT 'eb040dt' || t::text FROM eb040dt t UNION ALL
            SELECT 'eb020tm' || t::text FROM eb020tm t UNION ALL
            SELECT 'eb050ms' || t::text FROM eb050ms t) x $$;
    c        record;
    call     text;
    got      text;
    got_code text;
    stored   text;
    unchanged boolean;
    before   text;
    after    text;
    failures text[] := '{}';
    n_cases  integer := 0;
BEGIN
    FOR c IN
        WITH
        me(args) AS (VALUES (jsonb_build_object('au_emp_no', 'T0001', 'au_ip', 'T0001 COUNTER-01'))),
        -- A valid call per procedure and edit status.
        base(proc, status, args) AS (
            SELECT b.proc, b.status, me.args || b.args FROM me, (VALUES
            ('pr_ebi020_01', '1', '{"aarea_gubun": "M", "aequip_gubun": "NS", "aequip_no": "00001",
                                    "aequip_size_gubun": "150", "aequip_rent_yn": "Y", "abuy_date": "20240301",
                                    "aremark": "비고"}'::jsonb),
            ('pr_ebi030_01', '1', '{"aarea_gubun": "M", "aboots_size_gubun": "250", "astock_qty": "7"}'),
            ('pr_ebi010_01', NULL, '{"arun_date": "20250110"}'),
            ('pr_ebi010_02', '1', '{"arun_date": "20250110", "afac_gubun": "C", "afac_detail_gubun": "01", "arun_yn": "S"}'),
            ('pr_ebi040_01', '1', '{"arent_date": "20250110", "aarea_gubun": "M", "arent_no": "1",
                                    "adeal_name": "김대여", "akeep_kind_gubun": "01", "akeep_box_no": "A1"}'),
            ('pr_ebi040_01', '2', '{"arent_date": "20250110", "aarea_gubun": "M", "adeal_name": "김대여",
                                    "akeep_kind_gubun": "01", "akeep_box_no": "A1"}'),
            ('pr_ebi040_02', '1', '{"arent_date": "20250110", "aarea_gubun": "M", "arent_no": "1", "arent_seq": "1",
                                    "aticket_kind": "01", "arent_stat": "D", "aequip_gubun": "NS",
                                    "aequip_no": "00001", "arent_name": "홍길동", "atel_no": "010-1111-2222",
                                    "aheight": "170", "aweight": "60", "ashoes_size": "250", "abinding": "5",
                                    "azip_code": "123456", "aaddr1": "강원도 평창군", "aaddr2": "101호",
                                    "aremark": "비고"}'),
            ('pr_ebi040_02', '2', '{"arent_date": "20250110", "aarea_gubun": "M", "arent_no": "1",
                                    "aticket_kind": "01", "arent_stat": "D", "aequip_gubun": "CS",
                                    "aequip_no": "C0001", "arent_name": "임꺽정", "ashoes_size": "250"}'),
            ('pr_ebi040_03', '2', '{"arent_date": "20250110", "aarea_gubun": "M", "aequip_gubun": "CS",
                                    "aequip_no": "C0001"}'),
            -- The item another counter holds: releasing it is a no-op here.
            ('pr_ebi040_03', '3', '{"arent_date": "20250110", "aarea_gubun": "M", "aequip_gubun": "CS",
                                    "aequip_no": "C0002"}'),
            ('pr_ebi040_04', NULL, '{}'),
            ('pr_ebi050_01', '1', '{"aseason_gubun": "26", "aarea_gubun": "M", "akeep_no": "0000000001",
                                    "akeep_stat": "K", "aipgo_date": "20261201", "achulgo_date": "20270430",
                                    "akeep_gubun": "01", "aequip_gubun": "CS", "aequip_name_gubun": "01",
                                    "anative_no": "SN-1", "akeep_name": "김보관", "atel_no": "02-555-1234",
                                    "akeep_box_no": "A-1"}'),
            ('pr_ebi050_01', '2', '{"aseason_gubun": "26", "aarea_gubun": "M", "akeep_stat": "K",
                                    "aipgo_date": "20261201", "akeep_gubun": "01", "aequip_gubun": "CS",
                                    "aequip_name_gubun": "01", "anative_no": "SN-2", "akeep_name": "이보관",
                                    "atel_no": "02-555-1234", "akeep_box_no": "A-2"}')
            ) AS b(proc, status, args)),
        dates(proc, status, arg, label) AS (VALUES
            ('pr_ebi010_01', NULL, 'arun_date', '운행일자'), ('pr_ebi010_02', '1', 'arun_date', '운행일자'),
            ('pr_ebi020_01', '1', 'abuy_date', '구입일자'),
            ('pr_ebi040_01', '2', 'arent_date', '대여일자'),
            ('pr_ebi040_02', '1', 'arent_date', '대여일자'),
            ('pr_ebi040_02', '1', 'asvrl_rent_from_date', '연일대여 시작일'),
            ('pr_ebi040_02', '1', 'asvrl_rent_to_date', '연일대여 종료일'),
            ('pr_ebi040_03', '2', 'arent_date', '대여일자'),
            ('pr_ebi050_01', '2', 'aipgo_date', '입고일자'),
            ('pr_ebi050_01', '1', 'achulgo_date', '출고일자')),
        bad_dates(val) AS (VALUES ('20250230'), ('20230229'), ('20251301'), ('20250100'), ('00000000'),
                                  ('abcdefgh'), ('2025011'), ('202501101'), ('2025-1-10'), ('２０２５０１１０')),
        -- Keys, codes and names that may not be blank.
        required(proc, status, arg, label) AS (VALUES
            ('pr_ebi010_01', NULL, 'arun_date', '운행일자'), ('pr_ebi010_02', '1', 'afac_gubun', '코스,리프트구분'),
            ('pr_ebi010_02', '1', 'afac_detail_gubun', '세부구분'), ('pr_ebi010_02', '1', 'arun_yn', '운행여부'),
            ('pr_ebi020_01', '1', 'aarea_gubun', '지역구분'), ('pr_ebi020_01', '1', 'aequip_gubun', '장비구분'),
            ('pr_ebi020_01', '1', 'aequip_no', '장비번호'), ('pr_ebi020_01', '1', 'aequip_size_gubun', '사이즈'),
            ('pr_ebi020_01', '1', 'aequip_rent_yn', '장비대여 가능여부'),
            ('pr_ebi030_01', '1', 'aarea_gubun', '지역구분'), ('pr_ebi030_01', '1', 'aboots_size_gubun', '사이즈'),
            ('pr_ebi040_01', '1', 'arent_date', '대여일자'), ('pr_ebi040_01', '1', 'aarea_gubun', '지역구분'),
            ('pr_ebi040_01', '1', 'arent_no', '대여번호'),
            ('pr_ebi040_02', '1', 'arent_date', '대여일자'), ('pr_ebi040_02', '1', 'aarea_gubun', '지역구분'),
            ('pr_ebi040_02', '1', 'arent_no', '대여번호'), ('pr_ebi040_02', '1', 'arent_seq', '대여순번'),
            ('pr_ebi040_02', '1', 'aequip_gubun', '장비구분'), ('pr_ebi040_02', '1', 'aequip_no', '장비번호'),
            ('pr_ebi040_02', '1', 'arent_stat', '대여상태'), ('pr_ebi040_02', '2', 'arent_name', '대여자명'),
            ('pr_ebi040_03', '2', 'arent_date', '대여일자'), ('pr_ebi040_03', '2', 'aarea_gubun', '지역구분'),
            ('pr_ebi040_03', '2', 'aequip_gubun', '장비구분'), ('pr_ebi040_03', '2', 'aequip_no', '장비번호'),
            ('pr_ebi040_03', '2', 'au_emp_no', '작업자 사번'),
            ('pr_ebi040_04', NULL, 'au_emp_no', '작업자 사번'),
            ('pr_ebi050_01', '1', 'aseason_gubun', '시즌'), ('pr_ebi050_01', '1', 'aarea_gubun', '지역구분'),
            ('pr_ebi050_01', '1', 'akeep_no', '보관번호'), ('pr_ebi050_01', '1', 'akeep_stat', '보관상태'),
            ('pr_ebi050_01', '2', 'aipgo_date', '입고일자'), ('pr_ebi050_01', '2', 'akeep_gubun', '보관구분'),
            ('pr_ebi050_01', '2', 'aequip_gubun', '장비구분'), ('pr_ebi050_01', '2', 'aequip_name_gubun', '장비명'),
            ('pr_ebi050_01', '2', 'anative_no', '고유번호'), ('pr_ebi050_01', '2', 'akeep_name', '보관자명'),
            ('pr_ebi050_01', '2', 'akeep_box_no', '보관함번호')),
        blanks(val) AS (VALUES (NULL), (''), ('   '), (E'\t'), (E'\u3000')),
        -- Texts with their widths in CP949 bytes; read: the stored text
        -- after a call that passed (NULL for keys and codes of a group, which
        -- are not read back).
        texts(proc, status, arg, label, width, read) AS (VALUES
            ('pr_ebi010_02', '1', 'afac_gubun', '코스,리프트구분', 2, NULL),
            ('pr_ebi010_02', '1', 'afac_detail_gubun', '세부구분', 10, NULL),
            ('pr_ebi020_01', '1', 'aarea_gubun', '지역구분', 2, NULL),
            ('pr_ebi020_01', '1', 'aequip_no', '장비번호', 5, NULL),
            ('pr_ebi020_01', '1', 'aremark', '비고', 60, $$SELECT remark FROM eb020ms WHERE equip_no = '00001'$$),
            ('pr_ebi030_01', '1', 'aboots_size_gubun', '사이즈', 10, NULL),
            ('pr_ebi030_01', '1', 'au_emp_no', '작업자 사번', 20,
             $$SELECT au_emp_no FROM eb030ms WHERE boots_size_gubun = '250'$$),
            ('pr_ebi030_01', '1', 'au_ip', '작업대 주소', 60, $$SELECT au_ip FROM eb030ms WHERE boots_size_gubun = '250'$$),
            ('pr_ebi040_01', '1', 'adeal_name', '취급자', 30, $$SELECT deal_name FROM eb040ms$$),
            ('pr_ebi040_01', '1', 'akeep_kind_gubun', '보관내용구분', 10, NULL),
            ('pr_ebi040_01', '1', 'akeep_box_no', '보관함번호', 5, $$SELECT keep_box_no FROM eb040ms$$),
            ('pr_ebi040_02', '1', 'aequip_gubun', '장비구분', 2, NULL),
            ('pr_ebi040_02', '1', 'aticket_kind', '권종', 10, NULL),
            ('pr_ebi040_02', '1', 'arent_name', '대여자명', 30, $$SELECT rent_name FROM eb040dt$$),
            ('pr_ebi040_02', '1', 'atel_no', '연락처', 20, $$SELECT fn_za010ms_04(tel_no) FROM eb040dt$$),
            ('pr_ebi040_02', '1', 'ashoes_size', '부츠사이즈', 10, NULL),
            ('pr_ebi040_02', '1', 'azip_code', '우편번호', 6, $$SELECT zip_code FROM eb040dt$$),
            ('pr_ebi040_02', '1', 'aaddr1', '주소', 60, $$SELECT fn_za010ms_04(addr1) FROM eb040dt$$),
            ('pr_ebi040_02', '1', 'aaddr2', '상세주소', 60, $$SELECT fn_za010ms_04(addr2) FROM eb040dt$$),
            ('pr_ebi040_02', '1', 'aremark', '비고', 60, $$SELECT remark FROM eb040dt$$),
            ('pr_ebi040_03', '2', 'au_ip', '작업대 주소', 60, $$SELECT au_ip FROM eb020tm WHERE equip_no = 'C0001'$$),
            ('pr_ebi050_01', '1', 'aseason_gubun', '시즌', 2, NULL),
            ('pr_ebi050_01', '1', 'aguest_no', '우대번호', 10, $$SELECT guest_no FROM eb050ms$$),
            ('pr_ebi050_01', '1', 'aguest_name', '우대명', 30, $$SELECT guest_name FROM eb050ms$$),
            ('pr_ebi050_01', '1', 'aequip_name_etc', '장비명기타', 40, $$SELECT equip_name_etc FROM eb050ms$$),
            ('pr_ebi050_01', '1', 'anative_no', '고유번호', 40, $$SELECT native_no FROM eb050ms$$),
            ('pr_ebi050_01', '1', 'apoels_name', '폴명', 40, $$SELECT poels_name FROM eb050ms$$),
            ('pr_ebi050_01', '1', 'amember_no', '회원번호', 10, $$SELECT member_no FROM eb050ms$$),
            ('pr_ebi050_01', '1', 'akeep_name', '보관자명', 30, $$SELECT keep_name FROM eb050ms$$),
            ('pr_ebi050_01', '1', 'azip_code', '우편번호', 6, $$SELECT zip_code FROM eb050ms$$),
            ('pr_ebi050_01', '1', 'aaddr1', '주소', 60, $$SELECT fn_za010ms_04(addr1) FROM eb050ms$$),
            ('pr_ebi050_01', '1', 'aaddr2', '상세주소', 60, $$SELECT fn_za010ms_04(addr2) FROM eb050ms$$),
            ('pr_ebi050_01', '1', 'atel_no', '연락처(자택)', 20, $$SELECT fn_za010ms_04(tel_no) FROM eb050ms$$),
            ('pr_ebi050_01', '1', 'amobile_no', '연락처(핸드폰)', 20, $$SELECT fn_za010ms_04(mobile_no) FROM eb050ms$$),
            ('pr_ebi050_01', '1', 'akeep_box_no', '보관함번호', 10, $$SELECT keep_box_no FROM eb050ms$$),
            ('pr_ebi050_01', '1', 'aremark', '비고', 60, $$SELECT remark FROM eb050ms$$),
            ('pr_ebi050_01', '1', 'aconf_question', '질문', 80, $$SELECT conf_question FROM eb050ms$$),
            ('pr_ebi050_01', '1', 'aconf_answer', '답변', 80, $$SELECT conf_answer FROM eb050ms$$)),
        -- Values each text takes: over its width (Hangul, ASCII, characters
        -- CP949 lacks, sent as one byte each), at its width, and SQL
        -- metacharacters.
        text_values(proc, status, arg, label, width, read, val) AS (
            SELECT t.*, v.val FROM texts t, LATERAL (VALUES
                (repeat('가', t.width / 2 + 1)),
                (repeat('x', t.width + 1)),
                (repeat('가', t.width / 2) || repeat('x', t.width % 2 + 1)),
                (repeat('😀', t.width + 1)),
                (repeat('가', t.width / 2) || repeat('x', t.width % 2)),
                (repeat('😀', t.width)),
                ($$'; DROP TABLE eb020ms; --$$),
                ($$O'Brien$$),
                ($$x'); DELETE FROM eb050ms; --$$),
                ($$\'"`%_;/*$$)) AS v(val)),
        numbers(proc, status, arg, label, lo, hi) AS (VALUES
            ('pr_ebi030_01', '1', 'astock_qty', '기준재고수량', 0, 9999),
            ('pr_ebi040_01', '1', 'arent_no', '대여번호', 1, 9999999999),
            ('pr_ebi040_02', '1', 'arent_no', '대여번호', 1, 9999999999),
            ('pr_ebi040_02', '1', 'arent_seq', '대여순번', 1, 9999),
            ('pr_ebi040_02', '1', 'aheight', '신장', 0, 250),
            ('pr_ebi040_02', '1', 'aweight', '체중', 0, 250),
            ('pr_ebi040_02', '1', 'abinding', '바인딩강도', 0, 30),
            ('pr_ebi050_01', '1', 'akeep_no', '보관번호', 1, 9999999999)),
        number_values(proc, status, arg, label, lo, hi, val) AS (
            SELECT n.*, v.val FROM numbers n, LATERAL (VALUES
                ((n.lo - 1)::text), ((n.hi + 1)::text), ('-99999'), ('abc'), ('1.5'), ('1e3'), ('１２'),
                ('99999999999999999999'), ('1; DROP TABLE eb020ms'), ('1 OR 1=1')) AS v(val)),
        codes(proc, status, arg, label, val) AS (VALUES
            ('pr_ebi010_02', '1', 'arun_yn', '운행여부', 'X'), ('pr_ebi010_02', '1', 'arun_yn', '운행여부', 'y'),
            ('pr_ebi020_01', '1', 'aequip_rent_yn', '장비대여 가능여부', 'y'),
            ('pr_ebi020_01', '1', 'aequip_rent_yn', '장비대여 가능여부', 'YN'),
            ('pr_ebi040_02', '1', 'arent_stat', '대여상태', 'X'),
            ('pr_ebi040_02', '1', 'arent_stat', '대여상태', $$D' OR '1'='1$$),
            ('pr_ebi050_01', '1', 'akeep_stat', '보관상태', 'k'),
            ('pr_ebi050_01', '1', 'apoels_yn', '폴유무', '유'),
            -- codes their common-code group lacks
            ('pr_ebi040_01', '1', 'aarea_gubun', '지역구분', 'Z'),
            ('pr_ebi040_01', '1', 'akeep_kind_gubun', '보관내용구분', '99'),
            ('pr_ebi040_02', '1', 'aarea_gubun', '지역구분', 'm'),
            ('pr_ebi040_02', '1', 'aequip_gubun', '장비구분', 'ZZ'),
            ('pr_ebi040_02', '1', 'aticket_kind', '권종', $$01' --$$),
            ('pr_ebi040_02', '1', 'ashoes_size', '부츠사이즈', '251'),
            ('pr_ebi050_01', '1', 'aseason_gubun', '시즌', '99'),
            ('pr_ebi050_01', '1', 'aarea_gubun', '지역구분', 'Z'),
            ('pr_ebi050_01', '2', 'akeep_gubun', '보관구분', '99'),
            ('pr_ebi050_01', '2', 'aequip_gubun', '장비구분', 'ZZ'),
            ('pr_ebi050_01', '2', 'aequip_name_gubun', '장비명', '98')),
        statuses(val) AS (VALUES ('4'), ('0'), (''), (NULL), ('12'), ('１'), ($$1'; --$$)),
        cases(name, proc, status, extra, arg, val, expect, read) AS (
            SELECT format('%s %s: %s', d.proc, d.arg, b.val), d.proc, d.status, '{}'::jsonb, d.arg, b.val,
                   format('%s을(를) 정확히 입력하십시오.', d.label), NULL
              FROM dates d, bad_dates b
            UNION ALL
            SELECT format('%s %s blank: %L', r.proc, r.arg, b.val), r.proc, r.status, '{}', r.arg, b.val,
                   format('%s을(를) 입력하십시오.', r.label), NULL
              FROM required r, blanks b
            UNION ALL
            SELECT format('%s %s: %s', t.proc, t.arg, left(t.val, 12)), t.proc, t.status, '{}', t.arg, t.val,
                   CASE WHEN octet_length(convert_to(replace(t.val, '😀', '?'), 'UHC')) > t.width
                        THEN format('%s은(는) %s바이트(한글 %s자)를 넘을 수 없습니다.', t.label, t.width, t.width / 2)
                   END,
                   t.read
              FROM text_values t
             -- keys are only refused here: a key that fits finds no row
             WHERE t.read IS NOT NULL OR octet_length(convert_to(replace(t.val, '😀', '?'), 'UHC')) > t.width
            UNION ALL
            SELECT format('%s %s: %s', n.proc, n.arg, n.val), n.proc, n.status, '{}', n.arg, n.val,
                   format('%s은(는) %s부터 %s까지의 숫자로 입력하십시오.', n.label, n.lo, n.hi), NULL
              FROM number_values n
            UNION ALL
            SELECT format('%s %s: %s', cd.proc, cd.arg, cd.val), cd.proc, cd.status, '{}', cd.arg, cd.val,
                   format('%s을(를) 정확히 입력하십시오.', cd.label), NULL
              FROM codes cd
            UNION ALL
            SELECT format('%s edit status %L', p.proc, s.val), p.proc, p.status, '{}', 'aeditstatus', s.val,
                   '작업구분이 올바르지 않습니다.', NULL
              FROM (SELECT DISTINCT ON (proc) proc, status FROM base WHERE status IS NOT NULL ORDER BY proc, status) p,
                   statuses s
            UNION ALL
            SELECT x.* FROM (VALUES
                ('run state of a day not created', 'pr_ebi010_02', '1', '{}'::jsonb, 'afac_detail_gubun', '01',
                 '운영정보가 등록되어 있지 않습니다. 다시 조회하십시오. (C, 01)', NULL::text),
                ('head: delete is no head procedure', 'pr_ebi040_01', '1', '{}'::jsonb, 'aeditstatus', '3',
                 '작업구분이 올바르지 않습니다.', NULL::text),
                ('hold: update is no hold procedure', 'pr_ebi040_03', '2', '{}', 'aeditstatus', '1',
                 '작업구분이 올바르지 않습니다.', NULL),
                ('rental period ends before it starts', 'pr_ebi040_02', '1',
                 '{"arent_stat": "S", "asvrl_rent_from_date": "20250112"}', 'asvrl_rent_to_date', '20250111',
                 '연일대여 종료일이(가) 연일대여 시작일보다 앞설 수 없습니다.', NULL),
                ('multi-day rental without its period', 'pr_ebi040_02', '1', '{}', 'arent_stat', 'S',
                 '대여상태가 [연일대여]일 경우 연일대여기간을 입력하십시오.', NULL),
                ('storage released before it was deposited', 'pr_ebi050_01', '1', '{}', 'achulgo_date', '20261130',
                 '출고일자이(가) 입고일자보다 앞설 수 없습니다.', NULL),
                ('released storage without a release date', 'pr_ebi050_01', '1', '{"achulgo_date": null}',
                 'akeep_stat', 'R', '보관상태가 [불출]일 경우 출고일을 입력하십시요', NULL),
                ('hold of an item another counter holds', 'pr_ebi040_03', '2', '{}', 'aequip_no', 'C0002',
                 '장비번호 [C0002]은(는) 다른 작업대에서 선택한 장비입니다.', NULL),
                ('hold of an item number with a quote', 'pr_ebi040_03', '2', '{}', 'aequip_no', $$'--$$,
                 $$장비번호 ['--]은(는) 등록되지 않은 장비입니다.$$, NULL),
                ('register change under an area with a quote', 'pr_ebi020_01', '1', '{}', 'aarea_gubun', $$M'$$,
                 '장비번호 00001 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', NULL),
                ('release of another counter''s hold', 'pr_ebi040_03', '3', '{}', 'aequip_no', 'C0002', NULL, NULL),
                ('release with a date that is none', 'pr_ebi040_03', '3', '{}', 'arent_date', 'abcdefgh', NULL, NULL),
                ('release with SQL in the item number', 'pr_ebi040_03', '3', '{}', 'aequip_no',
                 $$'; DELETE FROM eb020tm; --$$, NULL, NULL),
                ('release of all holds of a counter that has none', 'pr_ebi040_04', NULL, '{}', 'aheld_before',
                 '20991231235959', NULL, NULL),
                ('release of all holds before 24 o''clock', 'pr_ebi040_04', NULL, '{}', 'aheld_before',
                 '20250110240000', '해제 기준시각을(를) 정확히 입력하십시오.', NULL),
                ('release of all holds before 30 February', 'pr_ebi040_04', NULL, '{}', 'aheld_before',
                 '20250230120000', '해제 기준시각을(를) 정확히 입력하십시오.', NULL),
                ('release of all holds before a word', 'pr_ebi040_04', NULL, '{}', 'aheld_before',
                 'now', '해제 기준시각을(를) 정확히 입력하십시오.', NULL)
            ) AS x)
        SELECT cases.*, base.args
          FROM cases LEFT JOIN base ON base.proc = cases.proc AND base.status IS NOT DISTINCT FROM cases.status
         ORDER BY cases.proc, cases.name
    LOOP
        n_cases := n_cases + 1;
        IF c.args IS NULL THEN
            failures := failures || format('%s: no valid call of %s with status %s', c.name, c.proc, c.status);
            CONTINUE;
        END IF;
        SELECT format('SELECT * FROM %I(%s)', c.proc,
                      string_agg(format('%I => %L', a.key, a.value), ', '))
          INTO call
          FROM jsonb_each_text(c.args || CASE WHEN c.status IS NULL THEN '{}'::jsonb
                                              ELSE jsonb_build_object('aeditstatus', c.status) END
                               || c.extra || jsonb_build_object(c.arg, c.val)) AS a;
        EXECUTE state_sql INTO before;
        got := NULL;
        got_code := NULL;
        stored := NULL;
        unchanged := NULL;
        BEGIN
            EXECUTE call;
            IF c.read IS NOT NULL THEN
                EXECUTE c.read INTO stored;
            END IF;
            EXECUTE state_sql INTO after;
            unchanged := before = after;
            -- Every case starts from the fixture as it was.
            RAISE EXCEPTION USING ERRCODE = 'KT999', MESSAGE = 'accepted';
        EXCEPTION
            WHEN SQLSTATE 'KT999' THEN
                NULL;
            WHEN OTHERS THEN
                got := SQLERRM;
                got_code := SQLSTATE;
        END;
        IF c.expect IS NOT NULL THEN
            EXECUTE state_sql INTO after;
            IF got IS NULL THEN
                failures := failures || format('%s: accepted, expected "%s"', c.name, c.expect);
            ELSIF got IS DISTINCT FROM c.expect OR got_code <> 'P0001' THEN
                failures := failures || format('%s: "%s" (%s), expected "%s"', c.name, got, got_code, c.expect);
            ELSIF before <> after THEN
                failures := failures || format('%s: refused, but the tables changed', c.name);
            END IF;
        ELSIF got IS NOT NULL THEN
            failures := failures || format('%s: refused with "%s" (%s)', c.name, got, got_code);
        ELSIF c.read IS NOT NULL AND stored IS DISTINCT FROM c.val THEN
            failures := failures || format('%s: stored "%s"', c.name, stored);
        ELSIF c.read IS NULL AND NOT unchanged THEN
            failures := failures || format('%s: the tables changed', c.name);
        END IF;
    END LOOP;

    IF cardinality(failures) > 0 THEN
        RAISE EXCEPTION E'% of % bad-input cases failed:\n%', cardinality(failures), n_cases,
            array_to_string(failures, E'\n');
    END IF;
    RAISE NOTICE '% bad-input cases passed', n_cases;
END
$test$;

-- The patrol accident procedure, walked the same way: each case changes one
-- parameter of a valid call; expected the Korean refusal with the table
-- unchanged, or the value stored as sent.
DO $test$
DECLARE
    state_sql constant text := $$ SELECT md5(string_agg(t::text, E'\n' ORDER BY t::text)) FROM ee010ms t $$;
    c        record;
    call     text;
    got      text;
    got_code text;
    stored   text;
    before   text;
    after    text;
    failures text[] := '{}';
    n_cases  integer := 0;
BEGIN
    FOR c IN
        WITH
        base(status, args) AS (VALUES
            ('1', '{"atrob_date": "20250105", "atrob_no": "0001", "apeak_gubun": "P1", "ain_name": "김부상",
                    "atrob_time": "0930", "atrob_time_gubun": "1", "ain_age": "23", "ain_id_no": "9001011234567",
                    "ain_tel_no": "010-1111-2222", "ain_sex": "1", "atp_course_gubun": "01", "atemperature": "-5",
                    "ain_binding_left_f": "7", "atrob_point_x": "10", "ame_spot_time": "0940",
                    "au_emp_no": "T0001", "au_ip": "T0001 COUNTER-01"}'::jsonb),
            ('2', '{"atrob_date": "20250106", "apeak_gubun": "P2", "ain_name": "이부상", "atrob_time": "1400",
                    "ain_age": "7", "ain_id_no": "1801014123456", "ain_tel_no": "010-3333-4444",
                    "au_emp_no": "T0001", "au_ip": "T0001 COUNTER-01"}')),
        cases(name, status, arg, val, expect, read) AS (
            -- Dates, times of day, digits.
            SELECT format('date %s', v), '2', 'atrob_date', v, '사고일자을(를) 정확히 입력하십시오.', NULL::text
              FROM unnest('{20250230,20251301,abcdefgh,2025011,２０２５０１１０}'::text[]) v
            UNION ALL
            SELECT format('%s %s', a.arg, v), '1', a.arg, v, a.label || '을(를) 정확히 입력하십시오.', NULL
              FROM (VALUES ('atrob_time', '사고시간'), ('ame_spot_time', '현장도착시간'),
                           ('ame_medical_time', '의무실 도착시간')) a(arg, label),
                   unnest('{2400,0960,930,09:30,abcd,0930x}'::text[]) v
            UNION ALL
            SELECT format('%s %s', a.arg, v), '1', a.arg, v, a.label || '을(를) 정확히 입력하십시오.', NULL
              FROM (VALUES ('ain_age', '나이', '{1a,1234,-1,１２}'::text[]),
                           ('ain_height', '신장', '{17O,1800}'), ('ain_id_no', '주민번호',
                            '{123,12345678901234,900101-1234567,900101123456x}'),
                           ('awi_id_no', '목격자 주민등록번호', '{12345}'),
                           ('ain_zip_code', '우편번호', '{12345,12-345,1234567}'),
                           ('aco_zip_code', '충돌자 우편번호', '{abcdef}')) a(arg, label, vals),
                   unnest(a.vals) v
            UNION ALL
            -- Blanks where a value is required.
            SELECT format('%s blank %L', r.arg, b), r.status, r.arg, b, r.label || '을(를) 입력하십시오.', NULL
              FROM (VALUES ('2', 'atrob_date', '사고일자'), ('1', 'atrob_no', '사고번호'),
                           ('2', 'atrob_time', '사고시간'), ('2', 'ain_name', '부상자명'), ('2', 'ain_age', '나이'),
                           ('2', 'ain_id_no', '주민번호'), ('1', 'ain_tel_no', '연락처')) r(status, arg, label),
                   unnest(ARRAY[NULL, '', '   ', E'\u3000']) b
            UNION ALL
            -- Codes that are no rows of their groups.
            SELECT format('%s %s', k.arg, k.val), '1', k.arg, k.val, k.label || '을(를) 정확히 입력하십시오.', NULL
              FROM (VALUES ('apeak_gubun', 'PEAK구분', 'P9'), ('apeak_gubun', 'PEAK구분', $$P1' OR '1'='1$$),
                           ('ain_sex', '성별', '3'), ('atrob_time_gubun', '사고시간구분', '9'),
                           ('atp_course_gubun', '코스구분', '99'), ('ate_means_gubun', '2차후송수단', '99'),
                           ('ain_ski_size_gubun', '스키사이즈', 'XL')) k(arg, label, val)
            UNION ALL
            -- Numbers out of range.
            SELECT format('%s %s', n.arg, v), '1', n.arg, v,
                   format('%s은(는) %s부터 %s까지의 숫자로 입력하십시오.', n.label, n.lo, n.hi), NULL
              FROM (VALUES ('atrob_no', '사고번호', 1, 9999), ('atemperature', '기온', -50, 50),
                           ('ain_binding_left_f', '바인딩강도(좌앞)', 0, 30),
                           ('atrob_point_x', '사고발생지점 X좌표', 0, 9999),
                           ('aregion_b_y', '부상부위(뒤) Y좌표', 0, 9999)) n(arg, label, lo, hi),
                   LATERAL unnest(ARRAY[(n.lo - 1)::text, (n.hi + 1)::text, 'abc', '1.5', '1; DROP TABLE ee010ms']) v
            UNION ALL
            -- Texts over their width in CP949 bytes, and at it, stored as sent.
            SELECT format('%s %s', t.arg, left(v, 12)), '1', t.arg, v,
                   CASE WHEN octet_length(convert_to(v, 'UHC')) > t.width
                        THEN format('%s은(는) %s바이트(한글 %s자)를 넘을 수 없습니다.', t.label, t.width, t.width / 2) END,
                   t.read
              FROM (VALUES ('ain_name', '부상자명', 30, 'SELECT in_name FROM ee010ms'),
                           ('ame_tel_no', '처리자 연락처', 30, 'SELECT fn_za010ms_04(me_tel_no) FROM ee010ms'),
                           ('ain_tel_no', '연락처', 20, 'SELECT fn_za010ms_04(in_tel_no) FROM ee010ms'),
                           ('awi_tel_no', '목격자 연락처', 20, 'SELECT fn_za010ms_04(wi_tel_no) FROM ee010ms'),
                           ('ain_addr1', '주소1', 60, 'SELECT fn_za010ms_04(in_addr1) FROM ee010ms'),
                           ('aco_addr2', '충돌자 주소2', 60, 'SELECT fn_za010ms_04(co_addr2) FROM ee010ms'),
                           ('atp_detail_desc', '구체적기술', 80, 'SELECT tp_detail_desc FROM ee010ms'),
                           ('ain_ski_name', '사용장비', 40, 'SELECT in_ski_name FROM ee010ms')) t(arg, label, width, read),
                   LATERAL unnest(ARRAY[repeat('가', t.width / 2 + 1), repeat('x', t.width + 1),
                                        repeat('가', t.width / 2), $$'; DROP TABLE ee010ms; --$$, $$O'Brien$$]) v
            UNION ALL
            SELECT format('edit status %L', s), '1', 'aeditstatus', s, '작업구분이 올바르지 않습니다.', NULL
              FROM unnest(ARRAY['4', '0', '', NULL, '12', $$1'; --$$]) s
            UNION ALL
            SELECT 'change of a record another counter deleted', '1', 'atrob_no', '9',
                   '사고번호 0009 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', NULL)
        SELECT cases.*, base.args FROM cases JOIN base USING (status) ORDER BY cases.name
    LOOP
        n_cases := n_cases + 1;
        SELECT format('SELECT * FROM pr_eei010_01(%s)', string_agg(format('%I => %L', a.key, a.value), ', '))
          INTO call
          FROM jsonb_each_text(c.args || jsonb_build_object('aeditstatus', c.status) || jsonb_build_object(c.arg, c.val)) a;
        EXECUTE state_sql INTO before;
        got := NULL;
        got_code := NULL;
        stored := NULL;
        BEGIN
            EXECUTE call;
            IF c.read IS NOT NULL THEN
                EXECUTE c.read INTO stored;
            END IF;
            RAISE EXCEPTION USING ERRCODE = 'KT999', MESSAGE = 'accepted';
        EXCEPTION
            WHEN SQLSTATE 'KT999' THEN
                NULL;
            WHEN OTHERS THEN
                got := SQLERRM;
                got_code := SQLSTATE;
        END;
        EXECUTE state_sql INTO after;
        IF c.expect IS NOT NULL THEN
            IF got IS NULL THEN
                failures := failures || format('%s: accepted, expected "%s"', c.name, c.expect);
            ELSIF got IS DISTINCT FROM c.expect OR got_code <> 'P0001' THEN
                failures := failures || format('%s: "%s" (%s), expected "%s"', c.name, got, got_code, c.expect);
            ELSIF before <> after THEN
                failures := failures || format('%s: refused, but the table changed', c.name);
            END IF;
        ELSIF got IS NOT NULL THEN
            failures := failures || format('%s: refused with "%s" (%s)', c.name, got, got_code);
        ELSIF c.read IS NOT NULL AND stored IS DISTINCT FROM c.val THEN
            failures := failures || format('%s: stored "%s"', c.name, stored);
        END IF;
    END LOOP;

    IF cardinality(failures) > 0 THEN
        RAISE EXCEPTION E'% of % accident cases failed:\n%', cardinality(failures), n_cases,
            array_to_string(failures, E'\n');
    END IF;
    RAISE NOTICE '% accident cases passed', n_cases;
END
$test$;

-- The markers of an accident belong to the holder of the grant: without it
-- a new record keeps their start (or none), a change the stored positions.
DO $test$
DECLARE
    state_sql constant text := $$ SELECT md5(string_agg(t::text, E'\n' ORDER BY t::text)) FROM ee010ms t $$;
    c        record;
    call     text;
    got      text;
    stored   text;
    before   text;
    after    text;
    failures text[] := '{}';
    n_cases  integer := 0;
    refusal  constant text := '사고발생지점과 부상부위를 기록할 권한이 없습니다.';
BEGIN
    -- Accident 0002, its markers placed by the holder; taken away at the end.
    PERFORM pr_eei010_01(atrob_date => '20250105', apeak_gubun => 'P2', ain_name => '박부상', atrob_time => '1100',
                         ain_age => '41', ain_id_no => '8001011234567', ain_tel_no => '010-2222-3333',
                         atrob_point_x => '300', atrob_point_y => '200', aregion_f_x => '120', aregion_f_y => '90',
                         aregion_b_x => '8', aregion_b_y => '8', au_emp_no => 'T0001', au_ip => 'COUNTER-01',
                         aeditstatus => '2');
    FOR c IN
        SELECT * FROM (VALUES
            ('new record without markers', '2', 'T0002', '{}'::jsonb, NULL::text),
            ('new record at the start', '2', 'T0002',
             '{"atrob_point_x": "0", "atrob_point_y": "0", "aregion_f_x": "8", "aregion_f_y": "8",
               "aregion_b_x": "8", "aregion_b_y": "8"}', NULL),
            ('new record placed', '2', 'T0002', '{"atrob_point_x": "120", "atrob_point_y": "40"}', refusal),
            ('new record, one body marker moved', '2', 'T0002', '{"aregion_b_y": "9"}', refusal),
            ('new record placed by the holder', '2', 'T0001', '{"atrob_point_x": "120", "atrob_point_y": "40"}',
             '120/40'),
            ('change keeping the positions', '1', 'T0002',
             '{"atrob_point_x": "300", "atrob_point_y": "200", "aregion_f_x": "120", "aregion_f_y": "90",
               "aregion_b_x": "8", "aregion_b_y": "8"}', NULL),
            ('change moving the place', '1', 'T0002',
             '{"atrob_point_x": "301", "atrob_point_y": "200", "aregion_f_x": "120", "aregion_f_y": "90",
               "aregion_b_x": "8", "aregion_b_y": "8"}', refusal),
            ('change clearing the positions', '1', 'T0002', '{}', refusal),
            ('change by a withdrawn holder', '1', 'T0003',
             '{"atrob_point_x": "10", "atrob_point_y": "200", "aregion_f_x": "120", "aregion_f_y": "90",
               "aregion_b_x": "8", "aregion_b_y": "8"}', refusal),
            ('change by a holder of another module', '1', 'T0004',
             '{"atrob_point_x": "10", "atrob_point_y": "200", "aregion_f_x": "120", "aregion_f_y": "90",
               "aregion_b_x": "8", "aregion_b_y": "8"}', refusal),
            ('change by the holder', '1', 'T0001',
             '{"atrob_point_x": "10", "atrob_point_y": "20", "aregion_f_x": "30", "aregion_f_y": "40",
               "aregion_b_x": "50", "aregion_b_y": "60"}', '10/20/30/40/50/60'),
            ('holder named with blanks around', '1', ' T0001 ',
             '{"atrob_point_x": "11", "atrob_point_y": "200", "aregion_f_x": "120", "aregion_f_y": "90",
               "aregion_b_x": "8", "aregion_b_y": "8"}', '11/200/120/90/8/8')
        ) v(name, status, emp, markers, expect)
    LOOP
        n_cases := n_cases + 1;
        SELECT format('SELECT * FROM pr_eei010_01(%s)', string_agg(format('%I => %L', a.key, a.value), ', '))
          INTO call
          FROM jsonb_each_text(jsonb_build_object(
                   'atrob_date', '20250105', 'atrob_no', '0002', 'apeak_gubun', 'P2', 'ain_name', '박부상',
                   'atrob_time', '1100', 'ain_age', '41', 'ain_id_no', '8001011234567',
                   'ain_tel_no', '010-2222-3333', 'au_ip', 'COUNTER-01', 'au_emp_no', c.emp,
                   'aeditstatus', c.status) || c.markers) a;
        EXECUTE state_sql INTO before;
        got := NULL;
        stored := NULL;
        BEGIN
            EXECUTE call;
            SELECT concat_ws('/', trob_point_x, trob_point_y, region_f_x, region_f_y, region_b_x, region_b_y)
              INTO stored
              FROM ee010ms
             WHERE trob_date = '20250105' AND trob_no = (SELECT max(trob_no) FROM ee010ms WHERE trob_date = '20250105'
                                                           AND (c.status = '2' OR trob_no = 2));
            RAISE EXCEPTION USING ERRCODE = 'KT999', MESSAGE = 'accepted';
        EXCEPTION
            WHEN SQLSTATE 'KT999' THEN
                NULL;
            WHEN OTHERS THEN
                got := SQLERRM;
        END;
        EXECUTE state_sql INTO after;
        IF c.expect = refusal THEN
            IF got IS DISTINCT FROM refusal THEN
                failures := failures || format('%s: got "%s", expected the refusal', c.name, coalesce(got, 'accepted'));
            ELSIF before <> after THEN
                failures := failures || format('%s: refused, but the table changed', c.name);
            END IF;
        ELSIF got IS NOT NULL THEN
            failures := failures || format('%s: refused with "%s"', c.name, got);
        ELSIF c.expect IS NOT NULL AND stored IS DISTINCT FROM c.expect THEN
            failures := failures || format('%s: stored "%s", expected "%s"', c.name, stored, c.expect);
        END IF;
    END LOOP;

    PERFORM pr_eei010_01(atrob_date => '20250105', atrob_no => '0002', au_emp_no => 'T0001', aeditstatus => '3');

    IF cardinality(failures) > 0 THEN
        RAISE EXCEPTION E'% of % marker cases failed:\n%', cardinality(failures), n_cases,
            array_to_string(failures, E'\n');
    END IF;
    RAISE NOTICE '% marker cases passed', n_cases;
END
$test$;

-- The competition, entrant and judging procedures, walked the same way.
DO $test$
DECLARE
    state_sql constant text := $$
        SELECT md5(string_agg(r, E'\n' ORDER BY r)) FROM (
            SELECT 'ed010ms' || t::text AS r FROM ed010ms t UNION ALL
            SELECT 'ed020ms' || t::text FROM ed020ms t UNION ALL
            SELECT 'ed020dt' || t::text FROM ed020dt t) x $$;
    c        record;
    call     text;
    got      text;
    got_code text;
    stored   text;
    before   text;
    after    text;
    failures text[] := '{}';
    n_cases  integer := 0;
BEGIN
    FOR c IN
        WITH
        base(proc, status, args) AS (VALUES
            ('pr_edi010_01', '1', '{"agame_date": "20261215", "aseq_no": "1", "agame_name": "첫 대회",
                                    "aslope": "01", "aslope_amt": "1000", "au_emp_no": "T0001",
                                    "au_ip": "T0001 COUNTER-01"}'::jsonb),
            ('pr_edi010_01', '2', '{"agame_date": "20261215", "agame_name": "새 대회", "au_emp_no": "T0001",
                                    "au_ip": "T0001 COUNTER-01"}'),
            ('pr_edi020_01', '1', '{"aseason_gubun": "26", "arecv_no": "000001", "aapply_date": "20261201",
                                    "aentry_name_kor": "김참가", "aid_no": "8001011234567",
                                    "amobile_no": "010-1111-2222", "aapply_class": "01", "aapply_amt": "150000",
                                    "au_emp_no": "T0001", "au_ip": "T0001 COUNTER-01"}'),
            ('pr_edi020_01', '3', '{"aseason_gubun": "26", "arecv_no": "000001", "au_emp_no": "T0001",
                                    "au_ip": "T0001 COUNTER-01"}'),
            ('pr_edi030_01', '1', '{"aseason_gubun": "26", "aexamine_date": "20261220", "arecv_no": "000001",
                                    "aexaminer_a": "가", "aexaminer_b": "나", "aexaminer_c": "다",
                                    "apflug_bogen_a": "7", "au_emp_no": "T0001", "au_ip": "T0001 COUNTER-01"}'),
            ('pr_edi030_01', '2', '{"aseason_gubun": "26", "aexamine_date": "20261220", "arecv_no": "000001",
                                    "aexaminer_a": "가", "aexaminer_b": "나", "aexaminer_c": "다",
                                    "au_emp_no": "T0001", "au_ip": "T0001 COUNTER-01"}')),
        cases(name, proc, status, arg, val, expect, read) AS (
            SELECT format('%s %s %s', d.proc, d.arg, v), d.proc, '1', d.arg, v,
                   d.label || '을(를) 정확히 입력하십시오.', NULL::text
              FROM (VALUES ('pr_edi010_01', 'agame_date', '대회일자'), ('pr_edi020_01', 'aapply_date', '신청일'),
                           ('pr_edi030_01', 'aexamine_date', '심사일자')) d(proc, arg, label),
                   unnest('{20260230,20270229,20261301,abcdefgh,2026120,2026-12-01,２０２６１２０１}'::text[]) v
            UNION ALL
            SELECT format('%s %s blank %L', r.proc, r.arg, b), r.proc, '1', r.arg, b,
                   r.label || '을(를) 입력하십시오.', NULL
              FROM (VALUES ('pr_edi010_01', 'agame_date', '대회일자'), ('pr_edi010_01', 'aseq_no', '순번'),
                           ('pr_edi010_01', 'agame_name', '대회명'), ('pr_edi020_01', 'aseason_gubun', '시즌'),
                           ('pr_edi020_01', 'arecv_no', '접수번호'), ('pr_edi020_01', 'aapply_date', '신청일'),
                           ('pr_edi020_01', 'aentry_name_kor', '참가자명'),
                           ('pr_edi020_01', 'aid_no', '주민등록번호'), ('pr_edi020_01', 'amobile_no', '핸드폰번호'),
                           ('pr_edi030_01', 'aseason_gubun', '시즌'), ('pr_edi030_01', 'aexamine_date', '심사일자'),
                           ('pr_edi030_01', 'arecv_no', '접수번호'), ('pr_edi030_01', 'aexaminer_a', '심사자 A'),
                           ('pr_edi030_01', 'aexaminer_c', '심사자 C')) r(proc, arg, label),
                   unnest(ARRAY[NULL, '', '   ', E'\u3000']) b
            UNION ALL
            SELECT format('%s %s %s', k.proc, k.arg, k.val), k.proc, '1', k.arg, k.val,
                   k.label || '을(를) 정확히 입력하십시오.', NULL
              FROM (VALUES ('pr_edi010_01', 'aslope', '슬로프', '99'), ('pr_edi010_01', 'aslope', '슬로프', $$0'$$),
                           ('pr_edi010_01', 'aslope_amt', '슬로프사용료', '1,000'),
                           ('pr_edi010_01', 'aslope_amt', '슬로프사용료', '-1'),
                           ('pr_edi010_01', 'aslope_amt', '슬로프사용료', '10000000000'),
                           ('pr_edi010_01', 'aslope_amt', '슬로프사용료', '1e3'),
                           ('pr_edi020_01', 'aseason_gubun', '시즌', '99'),
                           ('pr_edi020_01', 'aapply_class', '신청급수', '09'),
                           ('pr_edi020_01', 'aapply_amt', '참가비', '15만'),
                           ('pr_edi020_01', 'aid_no', '주민등록번호', '800101-1234567'),
                           ('pr_edi020_01', 'aid_no', '주민등록번호', '80010112345678'),
                           ('pr_edi020_01', 'ahome_zip_code', '우편번호(자택)', '12345'),
                           ('pr_edi020_01', 'aoffice_zip_code', '우편번호(직장)', '123-456'),
                           ('pr_edi030_01', 'aseason_gubun', '시즌', $$2'$$)) k(proc, arg, label, val)
            UNION ALL
            SELECT format('%s %s %s', n.proc, n.arg, v), n.proc, '1', n.arg, v,
                   format('%s은(는) %s부터 %s까지의 숫자로 입력하십시오.', n.label, n.lo, n.hi), NULL
              FROM (VALUES ('pr_edi020_01', 'arecv_no', '접수번호', 1, 999999),
                           ('pr_edi030_01', 'arecv_no', '접수번호', 1, 999999),
                           ('pr_edi030_01', 'apflug_bogen_a', '프로그보겐(A)', 0, 999),
                           ('pr_edi030_01', 'agen_descent_c', '종합활강(C)', 0, 999)) n(proc, arg, label, lo, hi),
                   LATERAL unnest(ARRAY[(n.lo - 1)::text, (n.hi + 1)::text, 'abc', '1.5',
                                        '1; DROP TABLE ed020ms']) v
            UNION ALL
            SELECT format('%s %s %s', t.proc, t.arg, left(v, 12)), t.proc, '1', t.arg, v,
                   CASE WHEN octet_length(convert_to(v, 'UHC')) > t.width
                        THEN format('%s은(는) %s바이트(한글 %s자)를 넘을 수 없습니다.', t.label, t.width, t.width / 2) END,
                   t.read
              FROM (VALUES ('pr_edi010_01', 'agame_name', '대회명', 80, 'SELECT game_name FROM ed010ms'),
                           ('pr_edi010_01', 'atel_no', '연락처', 40, 'SELECT fn_za010ms_04(tel_no) FROM ed010ms'),
                           ('pr_edi010_01', 'aremark', '비고', 160, 'SELECT remark FROM ed010ms'),
                           ('pr_edi020_01', 'aentry_name_kor', '참가자명', 60, 'SELECT entry_name_kor FROM ed020ms'),
                           ('pr_edi020_01', 'ahome_addr2', '주소2(자택)', 120,
                            'SELECT fn_za010ms_04(home_addr2) FROM ed020ms'),
                           ('pr_edi020_01', 'aemail', '이메일', 80, 'SELECT email FROM ed020ms'),
                           ('pr_edi030_01', 'aexaminer_b', '심사자 B', 60, 'SELECT examiner_b FROM ed020dt'))
                       t(proc, arg, label, width, read),
                   LATERAL unnest(ARRAY[repeat('가', t.width / 2 + 1), repeat('x', t.width + 1),
                                        repeat('가', t.width / 2), $$'; DROP TABLE ed020ms; --$$, $$O'Brien$$]) v
            UNION ALL
            SELECT format('%s edit status %L', p, s), p, '1', 'aeditstatus', s, '작업구분이 올바르지 않습니다.', NULL
              FROM unnest('{pr_edi010_01,pr_edi020_01,pr_edi030_01}'::text[]) p,
                   unnest(ARRAY['4', '0', '', NULL, '12', $$1'; --$$]) s
            UNION ALL
            SELECT x.* FROM (VALUES
                ('competition changed after another counter deleted it', 'pr_edi010_01', '1', 'aseq_no', '9',
                 '순번 9 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', NULL::text),
                ('judged entrant deleted', 'pr_edi020_01', '3', 'arecv_no', '1',
                 '접수번호 000001 은(는) 심사 자료가 있으므로 삭제할 수 없습니다.', NULL),
                ('entrant judged twice on a day', 'pr_edi030_01', '2', 'arecv_no', '1',
                 '기존 등록된 자료와 중복됩니다. 다시 입력하십시오.', NULL),
                ('judging of an entrant nobody registered', 'pr_edi030_01', '2', 'arecv_no', '77',
                 '접수번호 000077 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', NULL),
                ('judging of an entrant of another season', 'pr_edi030_01', '2', 'aseason_gubun', '25',
                 '접수번호 000001 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', NULL)) AS x)
        SELECT cases.*, base.args FROM cases JOIN base USING (proc, status) ORDER BY cases.proc, cases.name
    LOOP
        n_cases := n_cases + 1;
        SELECT format('SELECT * FROM %I(%s)', c.proc, string_agg(format('%I => %L', a.key, a.value), ', '))
          INTO call
          FROM jsonb_each_text(c.args || jsonb_build_object('aeditstatus', c.status) || jsonb_build_object(c.arg, c.val)) a;
        EXECUTE state_sql INTO before;
        got := NULL;
        got_code := NULL;
        stored := NULL;
        BEGIN
            EXECUTE call;
            IF c.read IS NOT NULL THEN
                EXECUTE c.read INTO stored;
            END IF;
            RAISE EXCEPTION USING ERRCODE = 'KT999', MESSAGE = 'accepted';
        EXCEPTION
            WHEN SQLSTATE 'KT999' THEN
                NULL;
            WHEN OTHERS THEN
                got := SQLERRM;
                got_code := SQLSTATE;
        END;
        EXECUTE state_sql INTO after;
        IF c.expect IS NOT NULL THEN
            IF got IS NULL THEN
                failures := failures || format('%s: accepted, expected "%s"', c.name, c.expect);
            ELSIF got IS DISTINCT FROM c.expect OR got_code <> 'P0001' THEN
                failures := failures || format('%s: "%s" (%s), expected "%s"', c.name, got, got_code, c.expect);
            ELSIF before <> after THEN
                failures := failures || format('%s: refused, but the tables changed', c.name);
            END IF;
        ELSIF got IS NOT NULL THEN
            failures := failures || format('%s: refused with "%s" (%s)', c.name, got, got_code);
        ELSIF c.read IS NOT NULL AND stored IS DISTINCT FROM c.val THEN
            failures := failures || format('%s: stored "%s"', c.name, stored);
        END IF;
    END LOOP;

    IF cardinality(failures) > 0 THEN
        RAISE EXCEPTION E'% of % competition cases failed:\n%', cardinality(failures), n_cases,
            array_to_string(failures, E'\n');
    END IF;
    RAISE NOTICE '% competition cases passed', n_cases;
END
$test$;

-- The lesson procedures, walked the same way: each case changes one
-- parameter of a valid call; expected the Korean refusal with the tables
-- unchanged, or the value stored as sent.
DO $test$
DECLARE
    state_sql constant text := $$
        SELECT md5(string_agg(r, E'\n' ORDER BY r)) FROM (
            SELECT 'ec010ms' || t::text AS r FROM ec010ms t UNION ALL
            SELECT 'ec020dt' || t::text FROM ec020dt t UNION ALL
            SELECT 'ec030ms' || t::text FROM ec030ms t UNION ALL
            SELECT 'ec040ms' || t::text FROM ec040ms t UNION ALL
            SELECT 'ec050ms' || t::text FROM ec050ms t UNION ALL
            SELECT 'ec050hs' || t::text FROM ec050hs t) x $$;
    tomorrow constant text := to_char(CURRENT_DATE + 1, 'YYYYMMDD');
    c        record;
    call     text;
    got      text;
    got_code text;
    stored   text;
    before   text;
    after    text;
    failures text[] := '{}';
    n_cases  integer := 0;
BEGIN
    FOR c IN
        WITH
        me(args) AS (VALUES (jsonb_build_object('au_emp_no', 'T0001', 'au_ip', 'T0001 COUNTER-01'))),
        base(proc, status, args) AS (
            SELECT b.proc, b.status, me.args || b.args FROM me, (VALUES
            ('pr_eci010_01', '1', '{"aseason_gubun": "26", "alecture_no": "1", "atrainer_name": "김수강",
                                    "aenter_date": "20261201", "asex": "1", "aage": "30",
                                    "aid_no": "9001011234567", "atel_no": "02-1"}'::jsonb),
            ('pr_eci010_01', '2', '{"aseason_gubun": "26", "atrainer_name": "이수강", "aenter_date": "20261202",
                                    "asex": "2", "aage": "8", "aid_no": "1801014123456", "atel_no": "02-2"}'),
            ('pr_eci020_01', '1', '{"aseason_gubun": "26", "areceipt_no": "1", "areceipt_seq": "1",
                                    "atrainer_name": "김학생", "alecture_item_gubun": "01",
                                    "alecture_rec_gubun": "01"}'),
            ('pr_eci030_01', '1', '{"alecture_date": "20261210", "alecturer_emp_no": "L001", "aarea_gubun": "M",
                                    "alecture_detail_gubun": "01", "alecturer_name": "알바강사",
                                    "alecture_cnt": "3"}'),
            ('pr_eci040_01', '1', '{"ayaeyak_date": "20261210", "alecture_item_gubun": "01",
                                    "alecture_rec_gubun": "04", "alecture_detail_gubun": "01",
                                    "ayaeyak_ability_cnt": "10"}'),
            ('pr_eci050_01', '1', jsonb_build_object('ayaeyak_date', tomorrow, 'alecture_item_gubun', '01',
                                    'alecture_rec_gubun', '04', 'alecture_detail_gubun', '01', 'aemp_no', 'E5',
                                    'aemp_name', '오직원', 'ayaeyak_cnt', '1')),
            ('pr_eci050_01', '2', jsonb_build_object('ayaeyak_date', tomorrow, 'alecture_item_gubun', '01',
                                    'alecture_rec_gubun', '04', 'alecture_detail_gubun', '01', 'aemp_no', 'E1',
                                    'acancel_remark', '사유'))
            ) AS b(proc, status, args)),
        cases(name, proc, status, arg, val, expect, read) AS (
            SELECT format('%s %s: %s', d.proc, d.arg, v), d.proc, d.status, d.arg, v,
                   d.label || '을(를) 정확히 입력하십시오.', NULL::text
              FROM (VALUES ('pr_eci010_01', '1', 'aenter_date', '등록일자'),
                           ('pr_eci030_01', '1', 'alecture_date', '배정일자'),
                           ('pr_eci040_01', '1', 'ayaeyak_date', '기준일자'),
                           ('pr_eci050_01', '1', 'ayaeyak_date', '예약일자')) d(proc, status, arg, label),
                   unnest('{20260431,20251301,abcdefgh,2025011,２０２５０１１０}'::text[]) v
            UNION ALL
            SELECT format('%s %s blank %L', r.proc, r.arg, b), r.proc, r.status, r.arg, b,
                   r.label || '을(를) 입력하십시오.', NULL
              FROM (VALUES ('pr_eci010_01', '2', 'aseason_gubun', '시즌'),
                           ('pr_eci010_01', '1', 'alecture_no', '수강번호'),
                           ('pr_eci010_01', '2', 'atrainer_name', '수강자명'),
                           ('pr_eci010_01', '2', 'aenter_date', '등록일자'),
                           ('pr_eci010_01', '2', 'asex', '성별'), ('pr_eci010_01', '2', 'aage', '나이'),
                           ('pr_eci010_01', '2', 'aid_no', '주민등록번호'),
                           ('pr_eci010_01', '2', 'atel_no', '연락처(자택)'),
                           ('pr_eci020_01', '1', 'areceipt_no', '접수번호'),
                           ('pr_eci020_01', '1', 'areceipt_seq', '순번'),
                           ('pr_eci020_01', '1', 'atrainer_name', '수강자명'),
                           ('pr_eci020_01', '1', 'alecture_item_gubun', '강습종목구분'),
                           ('pr_eci020_01', '1', 'alecture_rec_gubun', '강습접수구분'),
                           ('pr_eci030_01', '1', 'alecturer_emp_no', '강사사번'),
                           ('pr_eci030_01', '1', 'aarea_gubun', '강습지역구분'),
                           ('pr_eci040_01', '1', 'ayaeyak_ability_cnt', '예약가능인원'),
                           ('pr_eci040_01', '1', 'alecture_detail_gubun', '강습세부구분'),
                           ('pr_eci050_01', '1', 'aemp_no', '사번'), ('pr_eci050_01', '1', 'aemp_name', '사원명'),
                           ('pr_eci050_01', '1', 'ayaeyak_cnt', '강습인원'),
                           ('pr_eci050_01', '2', 'aemp_no', '사번')) r(proc, status, arg, label),
                   unnest(ARRAY[NULL, '', '   ', E'\u3000']) b
            UNION ALL
            SELECT format('%s %s %s', k.proc, k.arg, k.val), k.proc, k.status, k.arg, k.val,
                   k.label || '을(를) 정확히 입력하십시오.', NULL
              FROM (VALUES ('pr_eci010_01', '2', 'aseason_gubun', '시즌', '99'),
                           ('pr_eci010_01', '1', 'asex', '성별', '3'),
                           ('pr_eci010_01', '1', 'awant_skill_gubun', '희망습득기술구분', '99'),
                           ('pr_eci010_01', '1', 'aid_no', '주민등록번호', '900101-1234567'),
                           ('pr_eci010_01', '1', 'aage', '나이', '1234'),
                           ('pr_eci010_01', '1', 'azip_code', '우편번호', '12-345'),
                           ('pr_eci020_01', '1', 'alecture_item_gubun', '강습종목구분', $$1'$$),
                           ('pr_eci020_01', '1', 'alecture_detail_gubun', '강습세부구분', '99'),
                           ('pr_eci020_01', '1', 'areceipt_no', '접수번호', '1A'),
                           ('pr_eci020_01', '1', 'areceipt_no', '접수번호', $$1'; --$$),
                           ('pr_eci030_01', '1', 'aarea_gubun', '강습지역구분', 'Z'),
                           ('pr_eci030_01', '1', 'alecture_rec_gubun', '강습접수구분', '99'),
                           ('pr_eci040_01', '1', 'alecture_rec_gubun', '강습접수구분', '99'),
                           ('pr_eci050_01', '1', 'alecture_item_gubun', '강습종목구분', '99')) k(proc, status, arg, label, val)
            UNION ALL
            SELECT format('%s %s %s', n.proc, n.arg, v), n.proc, n.status, n.arg, v,
                   format('%s은(는) %s부터 %s까지의 숫자로 입력하십시오.', n.label, n.lo, n.hi), NULL
              FROM (VALUES ('pr_eci010_01', '1', 'alecture_no', '수강번호', 1, 99999999),
                           ('pr_eci020_01', '1', 'areceipt_seq', '순번', 1, 9999),
                           ('pr_eci030_01', '1', 'alecture_cnt', '강습인원', 0, 999),
                           ('pr_eci040_01', '1', 'ayaeyak_ability_cnt', '예약가능인원', 0, 9999),
                           ('pr_eci050_01', '1', 'ayaeyak_cnt', '강습인원', 1, 9999)) n(proc, status, arg, label, lo, hi),
                   LATERAL unnest(ARRAY[(n.lo - 1)::text, (n.hi + 1)::text, 'abc', '1.5', '1; DROP TABLE ec050ms']) v
            UNION ALL
            SELECT format('%s %s %s', t.proc, t.arg, left(v, 12)), t.proc, t.status, t.arg, v,
                   CASE WHEN octet_length(convert_to(v, 'UHC')) > t.width
                        THEN format('%s은(는) %s바이트(한글 %s자)를 넘을 수 없습니다.', t.label, t.width, t.width / 2) END,
                   t.read
              FROM (VALUES ('pr_eci010_01', '1', 'atrainer_name', '수강자명', 60,
                            'SELECT trainer_name FROM ec010ms'),
                           ('pr_eci010_01', '1', 'aaddr2', '주소2', 120, 'SELECT fn_za010ms_04(addr2) FROM ec010ms'),
                           ('pr_eci010_01', '1', 'amobile_no', '연락처(핸드폰)', 20,
                            'SELECT fn_za010ms_04(mobile_no) FROM ec010ms'),
                           ('pr_eci010_01', '1', 'aremark', '비고', 160, 'SELECT remark FROM ec010ms'),
                           ('pr_eci020_01', '1', 'atrain_test', '강습전테스트', 1000, 'SELECT train_test FROM ec020dt'),
                           ('pr_eci020_01', '1', 'aremark', '비고', 1000, 'SELECT remark FROM ec020dt'),
                           ('pr_eci020_01', '1', 'alecturer_name', '담당강사명', 60, 'SELECT lecturer_name FROM ec020dt'),
                           ('pr_eci030_01', '1', 'aremark', '비고', 160, 'SELECT remark FROM ec030ms'),
                           ('pr_eci040_01', '1', 'aremark', '비고', 1000,
                            $$SELECT remark FROM ec040ms WHERE yaeyak_date = '20261210'$$),
                           ('pr_eci050_01', '1', 'aremark', '비고', 500,
                            $$SELECT remark FROM ec050ms WHERE emp_no = 'E5'$$),
                           ('pr_eci050_01', '2', 'acancel_remark', '취소사유', 80, 'SELECT cancel_remark FROM ec050hs'))
                   t(proc, status, arg, label, width, read),
                   LATERAL unnest(ARRAY[repeat('가', t.width / 2 + 1), repeat('x', t.width + 1),
                                        repeat('가', t.width / 2), $$'; DROP TABLE ec050ms; --$$, $$O'Brien$$]) v
            UNION ALL
            SELECT format('%s edit status %L', p.proc, s), p.proc, p.status, 'aeditstatus', s,
                   '작업구분이 올바르지 않습니다.', NULL
              FROM (VALUES ('pr_eci010_01', '1'), ('pr_eci030_01', '1'), ('pr_eci040_01', '1')) p(proc, status),
                   unnest(ARRAY['4', '0', '', NULL, '12', $$1'; --$$]) s
            UNION ALL
            SELECT format('%s edit status %L', p.proc, s), p.proc, '1', 'aeditstatus', s,
                   '작업구분이 올바르지 않습니다.', NULL
              FROM (VALUES ('pr_eci020_01'), ('pr_eci050_01')) p(proc), unnest(ARRAY['3', '4', '', NULL]) s
            UNION ALL
            SELECT x.* FROM (VALUES
                ('receipt that does not exist', 'pr_eci020_01', '1', 'areceipt_no', '2',
                 '접수번호 2은(는) 등록되어 있지 않습니다.', NULL::text),
                ('trainee another counter never saved', 'pr_eci020_01', '1', 'areceipt_seq', '9',
                 '순번 0009 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', NULL),
                ('enrolment another counter deleted', 'pr_eci010_01', '1', 'alecture_no', '9',
                 '수강번호 00000009 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', NULL),
                ('booking today', 'pr_eci050_01', '1', 'ayaeyak_date', to_char(CURRENT_DATE, 'YYYYMMDD'),
                 '지난일자[오늘일자 포함]는 예약할 수 없습니다', NULL),
                ('booking over the places', 'pr_eci050_01', '1', 'ayaeyak_cnt', '5',
                 '예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [4 명]입니다', NULL),
                ('booking twice', 'pr_eci050_01', '1', 'aemp_no', 'E1', '선택한신 강습은 이미 예약이 되었습니다', NULL),
                ('cancel of a booking nobody holds', 'pr_eci050_01', '2', 'aemp_no', 'E9',
                 '이미 취소되었거나 없는 예약입니다. 다시 조회하십시오.', NULL),
                ('cancel with SQL in the employee number', 'pr_eci050_01', '2', 'aemp_no', $$E1' OR '1'='1$$,
                 '이미 취소되었거나 없는 예약입니다. 다시 조회하십시오.', NULL),
                ('places of a slot never opened', 'pr_eci040_01', '1', 'alecture_detail_gubun', '02',
                 '직원예약 기준정보가 등록되어 있지 않습니다. 다시 조회하십시오.', NULL)
            ) AS x)
        SELECT cases.*, base.args
          FROM cases LEFT JOIN base ON base.proc = cases.proc AND base.status = cases.status
         ORDER BY cases.proc, cases.name
    LOOP
        n_cases := n_cases + 1;
        IF c.args IS NULL THEN
            failures := failures || format('%s: no valid call of %s with status %s', c.name, c.proc, c.status);
            CONTINUE;
        END IF;
        SELECT format('SELECT * FROM %I(%s)', c.proc, string_agg(format('%I => %L', a.key, a.value), ', '))
          INTO call
          FROM jsonb_each_text(c.args || jsonb_build_object('aeditstatus', c.status)
                               || jsonb_build_object(c.arg, c.val)) AS a;
        EXECUTE state_sql INTO before;
        got := NULL;
        got_code := NULL;
        stored := NULL;
        BEGIN
            EXECUTE call;
            IF c.read IS NOT NULL THEN
                EXECUTE c.read INTO stored;
            END IF;
            RAISE EXCEPTION USING ERRCODE = 'KT999', MESSAGE = 'accepted';
        EXCEPTION
            WHEN SQLSTATE 'KT999' THEN
                NULL;
            WHEN OTHERS THEN
                got := SQLERRM;
                got_code := SQLSTATE;
        END;
        EXECUTE state_sql INTO after;
        IF c.expect IS NOT NULL THEN
            IF got IS NULL THEN
                failures := failures || format('%s: accepted, expected "%s"', c.name, c.expect);
            ELSIF got IS DISTINCT FROM c.expect OR got_code <> 'P0001' THEN
                failures := failures || format('%s: "%s" (%s), expected "%s"', c.name, got, got_code, c.expect);
            ELSIF before <> after THEN
                failures := failures || format('%s: refused, but the tables changed', c.name);
            END IF;
        ELSIF got IS NOT NULL THEN
            failures := failures || format('%s: refused with "%s" (%s)', c.name, got, got_code);
        ELSIF c.read IS NOT NULL AND stored IS DISTINCT FROM c.val THEN
            failures := failures || format('%s: stored "%s"', c.name, stored);
        END IF;
    END LOOP;

    IF cardinality(failures) > 0 THEN
        RAISE EXCEPTION E'% of % lesson cases failed:\n%', cardinality(failures), n_cases,
            array_to_string(failures, E'\n');
    END IF;
    RAISE NOTICE '% lesson cases passed', n_cases;
END
$test$;

-- The season locker procedures, walked the same way: each case changes one
-- parameter of a valid call; expected the Korean refusal with the tables
-- unchanged, or the value stored as sent.
DO $test$
DECLARE
    state_sql constant text := $$
        SELECT md5(string_agg(r, E'\n' ORDER BY r)) FROM (
            SELECT 'eh010ms' || t::text AS r FROM eh010ms t UNION ALL
            SELECT 'eh020ms' || t::text FROM eh020ms t UNION ALL
            SELECT 'eh030ms' || t::text FROM eh030ms t) x $$;
    c        record;
    call     text;
    got      text;
    got_code text;
    stored   text;
    before   text;
    after    text;
    failures text[] := '{}';
    n_cases  integer := 0;
BEGIN
    FOR c IN
        WITH
        me(args) AS (VALUES (jsonb_build_object('au_emp_no', 'T0001', 'au_ip', 'T0001 COUNTER-01'))),
        base(proc, status, args) AS (
            -- The fee lookup only reads: it has no audit parameters.
            SELECT b.proc, b.status, CASE WHEN b.proc = 'pr_ehi020_02' THEN b.args ELSE me.args || b.args END
              FROM me, (VALUES
            ('pr_ehi010_01', '1', '{"aseason_year": "2026", "aseq_no": "1", "alocation": "M", "aarea_zone": "A",
                                    "alocker_type": "1", "aunit_amt": "110000", "amember_amt": "90000",
                                    "abeginning_no": "101", "alocker_qty": "4"}'::jsonb),
            ('pr_ehi010_01', '2', '{"aseason_year": "2026", "alocation": "M", "aarea_zone": "B",
                                    "alocker_type": "2", "aunit_amt": "1", "amember_amt": "1",
                                    "abeginning_no": "401", "alocker_qty": "2"}'),
            ('pr_ehi010_01', '3', '{"aseason_year": "2026", "aseq_no": "2"}'),
            ('pr_ehi010_02', NULL, '{"aseason_year": "2026", "aseq_no": "2"}'),
            ('pr_ehi020_01', '1', '{"aseason_year": "2026", "alocker_no": "102", "asale_date": "20261210",
                                    "am_name": "박손님", "am_idno": "9001011234567", "apay_code": "현금",
                                    "aipgum_amt": "100000", "akey_receipt_date": "20261210"}'),
            ('pr_ehi020_02', NULL, '{"am_idno": "9001011234567", "aseason_year": "2026", "alocker_no": "102"}'),
            ('pr_ehi020_03', '3', '{"aseason_year": "2026", "alocker_no": "101"}'),
            ('pr_ehi020_03', '4', '{"aseason_year": "2026", "alocker_no": "101", "alocker_no_change": "102"}'),
            ('pr_ehi040_01', '1', '{"aseason_year": "2026", "aseq_no": "1", "aipgum_date": "20261210",
                                    "areturn_date": "20261211"}')
            ) AS b(proc, status, args)),
        cases(name, proc, status, arg, val, expect, read) AS (
            SELECT format('%s %s: %s', d.proc, d.arg, v), d.proc, d.status, d.arg, v,
                   d.label || '을(를) 정확히 입력하십시오.', NULL::text
              FROM (VALUES ('pr_ehi020_01', '1', 'asale_date', '판매일자'),
                           ('pr_ehi020_01', '1', 'akey_receipt_date', '키 수령일자'),
                           ('pr_ehi040_01', '1', 'aipgum_date', '위약금 입금일자'),
                           ('pr_ehi040_01', '1', 'areturn_date', '환불일자')) d(proc, status, arg, label),
                   unnest('{20260431,20251301,abcdefgh,2025011,２０２５０１１０}'::text[]) v
            UNION ALL
            SELECT format('%s %s blank %L', r.proc, r.arg, b), r.proc, r.status, r.arg, b,
                   r.label || '을(를) 입력하십시오.', NULL
              FROM (VALUES ('pr_ehi010_01', '2', 'aseason_year', '시즌년도'),
                           ('pr_ehi010_01', '2', 'aunit_amt', '일반요금'),
                           ('pr_ehi010_01', '2', 'amember_amt', '회원요금'),
                           ('pr_ehi010_01', '2', 'abeginning_no', '시작락카번호'),
                           ('pr_ehi010_01', '2', 'alocker_qty', '락카수량'),
                           ('pr_ehi010_01', '1', 'aseq_no', '순번'),
                           ('pr_ehi010_02', NULL, 'aseq_no', '순번'),
                           ('pr_ehi020_01', '1', 'alocker_no', '락카번호'),
                           ('pr_ehi020_01', '1', 'am_name', '고객성명'),
                           ('pr_ehi020_01', '1', 'am_idno', '고객주민번호'),
                           ('pr_ehi020_01', '1', 'apay_code', '입금구분'),
                           ('pr_ehi020_02', NULL, 'am_idno', '고객주민번호'),
                           ('pr_ehi020_03', '3', 'aseason_year', '시즌년도'),
                           ('pr_ehi040_01', '1', 'aseq_no', '순번')) r(proc, status, arg, label),
                   unnest(ARRAY[NULL, '', '   ', E'\u3000']) b
            UNION ALL
            SELECT format('%s %s %s', k.proc, k.arg, k.val), k.proc, k.status, k.arg, k.val, k.expect, NULL
              FROM (VALUES
                ('pr_ehi010_01', '2', 'alocker_qty', '0', '락카수량은(는) 1부터 9999까지의 숫자로 입력하십시오.'),
                ('pr_ehi010_01', '2', 'alocker_qty', '1e3', '락카수량은(는) 1부터 9999까지의 숫자로 입력하십시오.'),
                ('pr_ehi010_01', '2', 'alocker_qty', '１', '락카수량은(는) 1부터 9999까지의 숫자로 입력하십시오.'),
                ('pr_ehi010_01', '2', 'aunit_amt', '-1', '일반요금은(는) 0부터 9999999999까지의 숫자로 입력하십시오.'),
                ('pr_ehi010_01', '2', 'aunit_amt', '1,000', '일반요금은(는) 0부터 9999999999까지의 숫자로 입력하십시오.'),
                ('pr_ehi010_01', '2', 'aseason_year', '26', '시즌년도을(를) 정확히 입력하십시오.'),
                ('pr_ehi010_01', '2', 'abeginning_no', '102', '락카번호 102부터 103까지는 다른 블록과 겹칩니다.'),
                ('pr_ehi010_01', '2', 'abeginning_no', '9999',
                 '락카번호는 9999를 넘을 수 없습니다. 시작락카번호와 락카수량을 확인하십시오.'),
                ('pr_ehi010_01', '1', 'alocation', 'S', '락카가 생성된 블록은 요금만 변경할 수 있습니다. (순번 1)'),
                ('pr_ehi010_01', '1', 'alocker_qty', '5', '락카가 생성된 블록은 요금만 변경할 수 있습니다. (순번 1)'),
                ('pr_ehi010_01', '1', 'aseq_no', '9', '순번 9 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.'),
                ('pr_ehi010_01', '3', 'aseq_no', '1', '락카가 생성된 블록은 삭제할 수 없습니다. (순번 1)'),
                ('pr_ehi010_02', NULL, 'aseq_no', '1', '시즌락카 일괄처리 작업이 이미 완료되었습니다. 확인바랍니다.'),
                ('pr_ehi010_02', NULL, 'aseq_no', '9', '순번 9 은(는) 등록되어 있지 않습니다. 저장 후 다시 조회하십시오.'),
                ('pr_ehi010_02', NULL, 'aseq_no', $$2' OR '1'='1$$, '순번은(는) 1부터 9999까지의 숫자로 입력하십시오.'),
                ('pr_ehi020_01', '1', 'alocker_no', '101',
                 '락카번호 101 은(는) 이미 다른 고객에게 판매된 락카입니다. 다시 조회하십시오.'),
                ('pr_ehi020_01', '1', 'alocker_no', '999', '락카번호 999 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.'),
                ('pr_ehi020_01', '1', 'alocker_no', 'abc', '락카번호을(를) 정확히 입력하십시오.'),
                ('pr_ehi020_01', '1', 'alocker_no', $$102' OR '1'='1$$, '락카번호을(를) 정확히 입력하십시오.'),
                ('pr_ehi020_01', '1', 'am_idno', '900101-1234567', '고객주민번호을(를) 정확히 입력하십시오.'),
                ('pr_ehi020_01', '1', 'am_idno', '90010112345678', '고객주민번호을(를) 정확히 입력하십시오.'),
                ('pr_ehi020_01', '1', 'apay_code', '수표', '입금구분을(를) 정확히 입력하십시오.'),
                ('pr_ehi020_01', '1', 'apay_code', '1', '입금구분을(를) 정확히 입력하십시오.'),
                ('pr_ehi020_01', '1', 'am_name', repeat('가', 11), '고객성명은(는) 20바이트(한글 10자)를 넘을 수 없습니다.'),
                ('pr_ehi020_01', '1', 'aipgum_amt', '-5', '입금금액은(는) 0부터 9999999999까지의 숫자로 입력하십시오.'),
                ('pr_ehi020_01', '1', 'akey_restore_date', '20261209', '키 반납일자는 키 수령일자보다 앞설 수 없습니다.'),
                ('pr_ehi020_01', '1', 'ause_yn', 'C', '사용여부을(를) 정확히 입력하십시오.'),
                ('pr_ehi020_02', NULL, 'am_idno', '123', '고객주민번호을(를) 정확히 입력하십시오.'),
                ('pr_ehi020_02', NULL, 'alocker_no', '999', '락카번호 999 은(는) 등록되어 있지 않습니다.'),
                ('pr_ehi020_03', '3', 'alocker_no', '102', '락카번호 102 은(는) 판매되지 않은 락카입니다. 다시 조회하십시오.'),
                ('pr_ehi020_03', '3', 'alocker_no', '999', '락카번호 999 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.'),
                ('pr_ehi020_03', '4', 'alocker_no_change', '12', '변경 락카번호 입력을 확인하세요.'),
                ('pr_ehi020_03', '4', 'alocker_no_change', NULL, '변경 락카번호 입력을 확인하세요.'),
                ('pr_ehi020_03', '4', 'alocker_no_change', '101', '변경 락카번호 입력을 확인하세요.'),
                ('pr_ehi020_03', '4', 'alocker_no_change', '104', '이미 판매된 락카번호로는 변경이 불가합니다.'),
                ('pr_ehi020_03', '4', 'alocker_no_change', '201',
                 '변경 락카번호의 락카형이 달라서 변경할수 없습니다.확인하세요'),
                ('pr_ehi020_03', '4', 'alocker_no_change', 'abc', '변경 락카번호을(를) 정확히 입력하십시오.'),
                ('pr_ehi020_03', '4', 'alocker_no', '103', '락카번호 103 은(는) 판매되지 않은 락카입니다. 다시 조회하십시오.'),
                ('pr_ehi040_01', '1', 'aseq_no', '9', '순번 9 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.'),
                ('pr_ehi040_01', '1', 'aseq_no', '1 OR 1=1', '순번은(는) 1부터 2147483647까지의 숫자로 입력하십시오.')
              ) k(proc, status, arg, val, expect)
            UNION ALL
            SELECT format('%s %s edit status %L', p.proc, p.status, s), p.proc, p.status, 'aeditstatus', s,
                   '작업구분이 올바르지 않습니다.', NULL
              FROM (VALUES ('pr_ehi020_01', '1', ARRAY['2', '3', '4', '0']), ('pr_ehi040_01', '1', ARRAY['2', '3', '4']),
                           ('pr_ehi020_03', '3', ARRAY['1', '2', '5', '', NULL]),
                           ('pr_ehi010_01', '1', ARRAY['4', '0', $$1'; --$$])) p(proc, status, states),
                   unnest(p.states) s
            UNION ALL
            -- Texts are data: kept as sent.
            SELECT format('%s %s %L', t.proc, t.arg, v), t.proc, t.status, t.arg, v, NULL, t.read
              FROM (VALUES ('pr_ehi020_01', '1', 'am_name', $$SELECT m_name FROM eh020ms WHERE locker_no = '102'$$),
                           ('pr_ehi020_01', '1', 'adc_remarks',
                            $$SELECT dc_remarks FROM eh020ms WHERE locker_no = '102'$$),
                           ('pr_ehi020_01', '1', 'am_tophone',
                            $$SELECT fn_za010ms_04(m_tophone) FROM eh020ms WHERE locker_no = '102'$$))
                   t(proc, status, arg, read),
                   unnest(ARRAY[$$O'Brien$$, $$';DROP TABLE x--$$, repeat('가', 10)]) v
        )
        SELECT cases.*, base.args
          FROM cases LEFT JOIN base ON base.proc = cases.proc AND base.status IS NOT DISTINCT FROM cases.status
         ORDER BY cases.proc, cases.name
    LOOP
        n_cases := n_cases + 1;
        IF c.args IS NULL THEN
            failures := failures || format('%s: no valid call of %s with status %s', c.name, c.proc, c.status);
            CONTINUE;
        END IF;
        SELECT format('SELECT * FROM %I(%s)', c.proc, string_agg(format('%I => %L', a.key, a.value), ', '))
          INTO call
          FROM jsonb_each_text(c.args
                               || CASE WHEN c.status IS NULL OR c.arg = 'aeditstatus' THEN '{}'::jsonb
                                       ELSE jsonb_build_object('aeditstatus', c.status) END
                               || jsonb_build_object(c.arg, c.val)) AS a;
        EXECUTE state_sql INTO before;
        got := NULL;
        got_code := NULL;
        stored := NULL;
        BEGIN
            EXECUTE call;
            IF c.read IS NOT NULL THEN
                EXECUTE c.read INTO stored;
            END IF;
            RAISE EXCEPTION USING ERRCODE = 'KT999', MESSAGE = 'accepted';
        EXCEPTION
            WHEN SQLSTATE 'KT999' THEN
                NULL;
            WHEN OTHERS THEN
                got := SQLERRM;
                got_code := SQLSTATE;
        END;
        EXECUTE state_sql INTO after;
        IF c.expect IS NOT NULL THEN
            IF got IS NULL THEN
                failures := failures || format('%s: accepted, expected "%s"', c.name, c.expect);
            ELSIF got IS DISTINCT FROM c.expect OR got_code <> 'P0001' THEN
                failures := failures || format('%s: "%s" (%s), expected "%s"', c.name, got, got_code, c.expect);
            ELSIF before <> after THEN
                failures := failures || format('%s: refused, but the tables changed', c.name);
            END IF;
        ELSIF got IS NOT NULL THEN
            failures := failures || format('%s: refused with "%s" (%s)', c.name, got, got_code);
        ELSIF c.read IS NOT NULL AND stored IS DISTINCT FROM c.val THEN
            failures := failures || format('%s: stored "%s"', c.name, stored);
        END IF;
    END LOOP;

    IF cardinality(failures) > 0 THEN
        RAISE EXCEPTION E'% of % locker cases failed:\n%', cardinality(failures), n_cases,
            array_to_string(failures, E'\n');
    END IF;
    RAISE NOTICE '% locker cases passed', n_cases;
END
$test$;

-- The member registration procedure, walked the same way.
DO $test$
DECLARE
    state_sql constant text := $$ SELECT md5(string_agg(t::text, E'\n' ORDER BY t::text)) FROM ba040ms t $$;
    c        record;
    call     text;
    got      text;
    got_code text;
    stored   text;
    before   text;
    after    text;
    failures text[] := '{}';
    n_cases  integer := 0;
BEGIN
    FOR c IN
        WITH
        base(status, args) AS (VALUES
            ('1', '{"amember_no": "2000000001", "amember_name": "김회원", "aid_no": "8001011234567",
                    "asex_code": "1", "ause_date_from": "20250101", "ause_date_to": "20251231",
                    "amember_group_code": "20", "aguest_type": "250", "agolf_code": "99", "ause_room_type": "99",
                    "au_emp_no": "T0001", "au_ip": "T0001 COUNTER-01"}'::jsonb),
            ('2', '{"amember_name": "박신규", "aid_no": "9001011234567", "asex_code": "2",
                    "ause_date_from": "20250101", "ause_date_to": "20251231",
                    "au_emp_no": "T0001", "au_ip": "T0001 COUNTER-01"}')),
        cases(name, status, arg, val, expect, read) AS (
            SELECT format('%s %s', a.arg, v), '2', a.arg, v, a.label || '을(를) 정확히 입력하십시오.', NULL::text
              FROM (VALUES ('ause_date_from', '사용시작일자', '{20250230,abcdefgh,2025011,２０２５０１１０}'::text[]),
                           ('ause_date_to', '사용종료일자', '{20251301,2025-12-31}'),
                           ('aid_no', '주민번호', '{123,12345678901234,800101-1234567,80010112345x}'),
                           ('ahome_post', '우편번호', '{12345,12-345}'),
                           ('asex_code', '성별', $${3,M,남,1' OR '1'='1}$$)) a(arg, label, vals),
                   unnest(a.vals) v
            UNION ALL
            SELECT format('%s blank %L', r.arg, b), r.status, r.arg, b, r.label || '을(를) 입력하십시오.', NULL
              FROM (VALUES ('2', 'amember_name', '회원명'), ('1', 'amember_name', '회원명'),
                           ('1', 'amember_no', '회원번호')) r(status, arg, label),
                   unnest(ARRAY[NULL, '', '   ', E'\u3000']) b
            UNION ALL
            SELECT format('%s %s', t.arg, left(v, 12)), '1', t.arg, v,
                   CASE WHEN octet_length(convert_to(v, 'UHC')) > t.width
                        THEN format('%s은(는) %s바이트(한글 %s자)를 넘을 수 없습니다.', t.label, t.width, t.width / 2) END,
                   t.read
              FROM (VALUES ('amember_name', '회원명', 60, 'SELECT member_name FROM ba040ms WHERE member_no = ''2000000001'''),
                           ('ae_mail', 'E-Mail', 100, 'SELECT e_mail FROM ba040ms WHERE member_no = ''2000000001'''),
                           ('amobile_tel', '휴대폰', 40,
                            'SELECT fn_za010ms_04(mobile_tel) FROM ba040ms WHERE member_no = ''2000000001'''),
                           ('ahome_address1', '주소1', 100,
                            'SELECT fn_za010ms_04(home_address1) FROM ba040ms WHERE member_no = ''2000000001''')
                   ) t(arg, label, width, read),
                   LATERAL unnest(ARRAY[repeat('가', t.width / 2 + 1), repeat('x', t.width + 1),
                                        repeat('가', t.width / 2), $$'; DROP TABLE ba040ms; --$$, $$O'Brien$$]) v
            UNION ALL
            SELECT format('edit status %L', s), '1', 'aeditstatus', s, '작업구분이 올바르지 않습니다.', NULL
              FROM unnest(ARRAY['3', '4', '0', '', NULL, '12', $$1'; --$$]) s
            UNION ALL
            SELECT x.* FROM (VALUES
                ('dates reversed', '2', 'ause_date_to', '20241231',
                 '사용종료일자이(가) 사용시작일자보다 앞설 수 없습니다.', NULL::text),
                ('resident number of another member', '2', 'aid_no', '8101011234567',
                 '주민번호가 이미 등록된 회원(2000000002)의 주민번호입니다.', NULL),
                ('resident number taken over on a change', '1', 'aid_no', '8101011234567',
                 '주민번호가 이미 등록된 회원(2000000002)의 주민번호입니다.', NULL),
                ('change of a member another clerk removed', '1', 'amember_no', '2000000009',
                 '회원번호 2000000009 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', NULL),
                ('change of a member of another group', '1', 'amember_no', '3000000001',
                 '회원번호 3000000001 은(는) 이 화면에서 저장할 수 없는 회원입니다.', NULL),
                ('member number with SQL', '1', 'amember_no', $$20' OR ''='$$,
                 $$회원번호 20' OR ''=' 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.$$, NULL)) x)
        SELECT cases.*, base.args FROM cases JOIN base USING (status) ORDER BY cases.name
    LOOP
        n_cases := n_cases + 1;
        SELECT format('SELECT * FROM pr_egi020_01(%s)', string_agg(format('%I => %L', a.key, a.value), ', '))
          INTO call
          FROM jsonb_each_text(c.args || jsonb_build_object('aeditstatus', c.status) || jsonb_build_object(c.arg, c.val)) a;
        EXECUTE state_sql INTO before;
        got := NULL;
        got_code := NULL;
        stored := NULL;
        BEGIN
            EXECUTE call;
            IF c.read IS NOT NULL THEN
                EXECUTE c.read INTO stored;
            END IF;
            RAISE EXCEPTION USING ERRCODE = 'KT999', MESSAGE = 'accepted';
        EXCEPTION
            WHEN SQLSTATE 'KT999' THEN
                NULL;
            WHEN OTHERS THEN
                got := SQLERRM;
                got_code := SQLSTATE;
        END;
        EXECUTE state_sql INTO after;
        IF c.expect IS NOT NULL THEN
            IF got IS NULL THEN
                failures := failures || format('%s: accepted, expected "%s"', c.name, c.expect);
            ELSIF got IS DISTINCT FROM c.expect OR got_code <> 'P0001' THEN
                failures := failures || format('%s: "%s" (%s), expected "%s"', c.name, got, got_code, c.expect);
            ELSIF before <> after THEN
                failures := failures || format('%s: refused, but the table changed', c.name);
            END IF;
        ELSIF got IS NOT NULL THEN
            failures := failures || format('%s: refused with "%s" (%s)', c.name, got, got_code);
        ELSIF c.read IS NOT NULL AND stored IS DISTINCT FROM c.val THEN
            failures := failures || format('%s: stored "%s"', c.name, stored);
        END IF;
    END LOOP;

    IF cardinality(failures) > 0 THEN
        RAISE EXCEPTION E'% of % member cases failed:\n%', cardinality(failures), n_cases,
            array_to_string(failures, E'\n');
    END IF;
    RAISE NOTICE '% member cases passed', n_cases;
END
$test$;

-- The private lesson, lesson accident, partner-group and Interski
-- procedures, walked the same way. The booking procedure takes no edit
-- status: its state is its own parameter.
DO $test$
DECLARE
    state_sql constant text := $$
        SELECT md5(string_agg(r, E'\n' ORDER BY r)) FROM (
            SELECT 'ec060ms' || t::text AS r FROM ec060ms t UNION ALL
            SELECT 'ec070ms' || t::text FROM ec070ms t UNION ALL
            SELECT 'ec080ms' || t::text FROM ec080ms t UNION ALL
            SELECT 'ec090dt' || t::text FROM ec090dt t UNION ALL
            SELECT 'ec100ms' || t::text FROM ec100ms t) x $$;
    c        record;
    call     text;
    got      text;
    got_code text;
    stored   text;
    before   text;
    after    text;
    failures text[] := '{}';
    n_cases  integer := 0;
BEGIN
    FOR c IN
        WITH
        me(args) AS (VALUES (jsonb_build_object('au_emp_no', 'T0001', 'au_ip', 'T0001 COUNTER-01'))),
        base(proc, status, args) AS (
            SELECT b.proc, b.status, me.args || b.args FROM me, (VALUES
            ('pr_eci060_01', '1', '{"alecture_date": "20261220", "aseq_no": "1", "alecturer_name": "김강사"}'::jsonb),
            ('pr_eci060_01', '2', '{"alecture_date": "20261220", "alecturer_name": "새강사"}'),
            ('pr_eci070_01', '1', '{"atrob_date": "20261220", "aseq_no": "1", "atrob_name": "충돌",
                                    "alecturer_emp_no": "L001", "atrob_time": "1405", "atrob_place": "슬로프"}'),
            ('pr_eci080_01', '1', '{"aevent_no": "4400000001", "alecture_date": "20261220",
                                    "atrainer_cnt_ski_am": "3"}'),
            ('pr_eci080_01', '2', '{"aevent_no": "4400000001", "alecture_date": "20261221"}'),
            ('pr_eci170_01', '1', '{"aseason_year": "2026", "acoach_no": "7", "aclass_day_code_1": "1",
                                    "atot_cls_cnt_1": "2", "are_cls_cnt_1": "1"}'),
            ('pr_eci100_01', '-', '{"arsv_no": "1", "astatus_code": "U", "afix_yn": "N", "acoach_no": "7",
                                    "aclass_day_code": "7", "aseason_year": "2026"}')
            ) AS b(proc, status, args)),
        cases(name, proc, status, arg, val, expect, read) AS (
            SELECT format('%s %s: %s', d.proc, d.arg, v), d.proc, d.status, d.arg, v,
                   d.label || '을(를) 정확히 입력하십시오.', NULL::text
              FROM (VALUES ('pr_eci060_01', '1', 'alecture_date', '강습일자'),
                           ('pr_eci070_01', '1', 'atrob_date', '사고일자'),
                           ('pr_eci080_01', '1', 'alecture_date', '강습일자')) d(proc, status, arg, label),
                   unnest('{20260431,20251301,abcdefgh,2025011,２０２５０１１０}'::text[]) v
            UNION ALL
            SELECT format('%s %s blank %L', r.proc, r.arg, b), r.proc, r.status, r.arg, b,
                   r.label || '을(를) 입력하십시오.', NULL
              FROM (VALUES ('pr_eci060_01', '1', 'aseq_no', '순번'),
                           ('pr_eci060_01', '2', 'alecturer_name', '강사명'),
                           ('pr_eci070_01', '1', 'atrob_name', '사고명'),
                           ('pr_eci070_01', '1', 'alecturer_emp_no', '담당강사사번'),
                           ('pr_eci070_01', '1', 'atrob_time', '사고시간'),
                           ('pr_eci070_01', '1', 'atrob_place', '사고장소'),
                           ('pr_eci080_01', '1', 'aevent_no', '제휴단체번호'),
                           ('pr_eci080_01', '1', 'alecture_date', '강습일자'),
                           ('pr_eci170_01', '1', 'aseason_year', '조회연도'),
                           ('pr_eci170_01', '1', 'acoach_no', '강사사번'),
                           ('pr_eci100_01', '-', 'arsv_no', '예약번호'),
                           ('pr_eci100_01', '-', 'aseason_year', '조회연도')) r(proc, status, arg, label),
                   unnest(ARRAY[NULL, '', '   ', E'\u3000']) b
            UNION ALL
            SELECT format('%s %s %s', k.proc, k.arg, k.val), k.proc, k.status, k.arg, k.val,
                   k.label || '을(를) 정확히 입력하십시오.', NULL
              FROM (VALUES ('pr_eci060_01', '1', 'alecture_item_gubun', '강습종목구분', '99'),
                           ('pr_eci060_01', '1', 'alecture_detail_gubun', '강습세부구분', $$1'$$),
                           ('pr_eci070_01', '1', 'atrob_time', '사고시간', '2460'),
                           ('pr_eci070_01', '1', 'atrob_time', '사고시간', '14:05'),
                           ('pr_eci070_01', '1', 'aloss_id_no', '피해자(주민번호)', '900101-1234567'),
                           ('pr_eci070_01', '1', 'aoffense_zip_code', '가해자(우편번호)', '12-345'),
                           ('pr_eci080_01', '1', 'aevent_no', '제휴단체번호', '4400000003'),
                           ('pr_eci080_01', '1', 'aevent_no', '제휴단체번호', $$44' OR 1=1$$),
                           ('pr_eci170_01', '1', 'aseason_year', '조회연도', '26'),
                           ('pr_eci170_01', '1', 'aclass_day_code_1', '요일코드', '2'),
                           ('pr_eci100_01', '-', 'astatus_code', '예약상태', 'X'),
                           ('pr_eci100_01', '-', 'afix_yn', '확정', 'y'),
                           ('pr_eci100_01', '-', 'aclass_day_code', '요일', '8'),
                           ('pr_eci100_01', '-', 'astudent_age', '수강생나이', '1234')) k(proc, status, arg, label, val)
            UNION ALL
            SELECT format('%s %s %s', n.proc, n.arg, v), n.proc, n.status, n.arg, v,
                   format('%s은(는) %s부터 %s까지의 숫자로 입력하십시오.', n.label, n.lo, n.hi), NULL
              FROM (VALUES ('pr_eci060_01', '1', 'alecture_amt', '금액', 0, 9999999999),
                           ('pr_eci080_01', '1', 'atrainer_cnt_ski_am', '강습생수(스키)(오전)', 0, 99999),
                           ('pr_eci080_01', '1', 'alecturer_cnt_baby_dn', '강사수(유아)(새벽)', 0, 99999),
                           ('pr_eci170_01', '1', 'atot_cls_cnt_1', '최대인원_일', 0, 999),
                           ('pr_eci170_01', '1', 'are_cls_cnt_1', '잔여인원_일', 0, 999),
                           ('pr_eci100_01', '-', 'acoach_no', '강사번호', 0, 2147483647))
                   n(proc, status, arg, label, lo, hi),
                   LATERAL unnest(ARRAY[(n.lo - 1)::text, (n.hi + 1)::text, 'abc', '1.5', '1; DROP TABLE ec100ms']) v
            UNION ALL
            SELECT format('%s %s %s', t.proc, t.arg, left(v, 12)), t.proc, t.status, t.arg, v,
                   CASE WHEN octet_length(convert_to(v, 'UHC')) > t.width
                        THEN format('%s은(는) %s바이트(한글 %s자)를 넘을 수 없습니다.', t.label, t.width, t.width / 2) END,
                   t.read
              FROM (VALUES ('pr_eci060_01', '1', 'alecturer_name', '강사명', 60, 'SELECT lecturer_name FROM ec060ms'),
                           ('pr_eci060_01', '1', 'aremark', '비고', 80, 'SELECT remark FROM ec060ms'),
                           ('pr_eci070_01', '1', 'atrob_name', '사고명', 80, 'SELECT trob_name FROM ec070ms'),
                           ('pr_eci070_01', '1', 'aoffense_name', '가해자(성명)', 60,
                            'SELECT offense_name FROM ec070ms'),
                           ('pr_eci070_01', '1', 'atrob_witnesses', '목격자', 160, 'SELECT trob_witnesses FROM ec070ms'),
                           ('pr_eci100_01', '-', 'aremarks', '비고', 200, 'SELECT remarks FROM ec100ms'))
                   t(proc, status, arg, label, width, read),
                   LATERAL unnest(ARRAY[repeat('가', t.width / 2 + 1), repeat('x', t.width + 1),
                                        repeat('가', t.width / 2), $$'; DROP TABLE ec100ms; --$$, $$O'Brien$$]) v
            UNION ALL
            SELECT format('%s edit status %L', p.proc, s), p.proc, p.status, 'aeditstatus', s,
                   '작업구분이 올바르지 않습니다.', NULL
              FROM (VALUES ('pr_eci060_01', '1'), ('pr_eci070_01', '1'), ('pr_eci080_01', '1'),
                           ('pr_eci170_01', '1')) p(proc, status),
                   unnest(ARRAY['4', '0', '', NULL, '12', $$1'; --$$]) s
            UNION ALL
            SELECT x.* FROM (VALUES
                ('a lesson another counter deleted', 'pr_eci060_01', '1', 'aseq_no', '9',
                 '순번 9 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', NULL::text),
                ('an accident another counter deleted', 'pr_eci070_01', '1', 'aseq_no', '9',
                 '순번 9 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', NULL),
                ('a group day entered twice', 'pr_eci080_01', '2', 'alecture_date', '20261220',
                 '기존 등록된 자료와 중복됩니다. 다시 입력하십시오. (강습일자 20261220)', NULL),
                ('more free places than the most', 'pr_eci170_01', '1', 'are_cls_cnt_1', '3',
                 '잔여인원_일은(는) 0부터 최대인원 2까지의 숫자로 입력하십시오.', NULL),
                ('places of an instructor not registered', 'pr_eci170_01', '1', 'acoach_no', '55',
                 '강사사번 55은(는) 2026년 인터스키 강사로 등록되어 있지 않습니다.', NULL),
                ('confirming into a full weekday', 'pr_eci100_01', '-', 'afix_yn', 'Y',
                 '김강사 강사(7)의 토요일 수강 인원이 모두 찼습니다. 다른 요일이나 강사를 선택하십시오.', NULL),
                ('a booking another counter never saw', 'pr_eci100_01', '-', 'arsv_no', '99',
                 '예약번호 99은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', NULL),
                ('a new booking sent with a number', 'pr_eci100_01', '-', 'astatus_code', 'R',
                 '예약번호 1은(는) 이미 등록되어 있습니다. 다시 조회하십시오.', NULL),
                ('an instructor not registered', 'pr_eci100_01', '-', 'acoach_no', '55',
                 '강사번호 55은(는) 2026년 인터스키 강사로 등록되어 있지 않습니다.', NULL)
            ) AS x)
        SELECT cases.*, base.args
          FROM cases LEFT JOIN base ON base.proc = cases.proc AND base.status = cases.status
         ORDER BY cases.proc, cases.name
    LOOP
        n_cases := n_cases + 1;
        IF c.args IS NULL THEN
            failures := failures || format('%s: no valid call of %s with status %s', c.name, c.proc, c.status);
            CONTINUE;
        END IF;
        SELECT format('SELECT * FROM %I(%s)', c.proc, string_agg(format('%I => %L', a.key, a.value), ', '))
          INTO call
          FROM jsonb_each_text(c.args
                               || CASE WHEN c.status = '-' THEN '{}'::jsonb
                                       ELSE jsonb_build_object('aeditstatus', c.status) END
                               || jsonb_build_object(c.arg, c.val)) AS a;
        EXECUTE state_sql INTO before;
        got := NULL;
        got_code := NULL;
        stored := NULL;
        BEGIN
            EXECUTE call;
            IF c.read IS NOT NULL THEN
                EXECUTE c.read INTO stored;
            END IF;
            RAISE EXCEPTION USING ERRCODE = 'KT999', MESSAGE = 'accepted';
        EXCEPTION
            WHEN SQLSTATE 'KT999' THEN
                NULL;
            WHEN OTHERS THEN
                got := SQLERRM;
                got_code := SQLSTATE;
        END;
        EXECUTE state_sql INTO after;
        IF c.expect IS NOT NULL THEN
            IF got IS NULL THEN
                failures := failures || format('%s: accepted, expected "%s"', c.name, c.expect);
            ELSIF got IS DISTINCT FROM c.expect OR got_code <> 'P0001' THEN
                failures := failures || format('%s: "%s" (%s), expected "%s"', c.name, got, got_code, c.expect);
            ELSIF before <> after THEN
                failures := failures || format('%s: refused, but the tables changed', c.name);
            END IF;
        ELSIF got IS NOT NULL THEN
            failures := failures || format('%s: refused with "%s" (%s)', c.name, got, got_code);
        ELSIF c.read IS NOT NULL AND stored IS DISTINCT FROM c.val THEN
            failures := failures || format('%s: stored "%s"', c.name, stored);
        END IF;
    END LOOP;

    IF cardinality(failures) > 0 THEN
        RAISE EXCEPTION E'% of % lesson day and Interski cases failed:\n%', cardinality(failures), n_cases,
            array_to_string(failures, E'\n');
    END IF;
    RAISE NOTICE '% lesson day and Interski cases passed', n_cases;
END
$test$;
