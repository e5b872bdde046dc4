-- Member registration through pr_egi020_01, called as the login role.
\set ON_ERROR_STOP on
CREATE FUNCTION pg_temp.save(status text, no text, name text, id text,
                             date_from text DEFAULT '20250101', date_to text DEFAULT '20251231')
RETURNS text LANGUAGE plpgsql AS $$
BEGIN
    RETURN pr_egi020_01(aeditstatus => status, amember_no => no, amember_name => name, aid_no => id,
                        asex_code => '2', ause_date_from => date_from, ause_date_to => date_to,
                        amember_group_code => '20', aguest_type => '250', agolf_code => '99',
                        ause_room_type => '99', amobile_tel => '010-1234-5678',
                        au_emp_no => 'T0001', au_ip => 'T0001 COUNTER-01');
END $$;
CREATE FUNCTION pg_temp.try(status text, no text, name text, id text,
                            date_from text DEFAULT '20250101', date_to text DEFAULT '20251231')
RETURNS text LANGUAGE sql AS $$
    SELECT pg_temp.refusal(format('SELECT pg_temp.save(%L, %L, %L, %L, %L, %L)',
                                  status, no, name, id, date_from, date_to))
$$;

-- A new member gets the next '20' number above those stored, and it comes back.
SELECT pg_temp.expect('first new number', '2000000042', pg_temp.save('2', NULL, '이신규', '9001011234567'));
SELECT pg_temp.expect('second new number', '2000000043', pg_temp.save('2', '', '최신규', NULL));
-- Saving again with the number returned updates the same member.
SELECT pg_temp.expect('second save updates', '2000000042', pg_temp.save('1', '2000000042', '이신규2', '9001011234567'));
SELECT pg_temp.expect('one member kept', '1 이신규2',
                      (SELECT count(*) || ' ' || max(member_name) FROM ba040ms WHERE id_no_hash IS NOT NULL
                          AND fn_za010ms_04(id_no) = '9001011234567'));
-- Personal columns are stored encrypted and read back through fn_za010ms_04.
SELECT pg_temp.expect('stored encrypted', '$k1$ 010-1234-5678',
                      (SELECT left(mobile_tel, 4) || ' ' || fn_za010ms_04(mobile_tel) FROM ba040ms
                        WHERE member_no = '2000000042'));
-- The fixed attributes: group '20' whatever was held before, the others as sent.
SELECT pg_temp.expect('update of an older member', '2000000041', pg_temp.save('1', '2000000041', '김회원', '8001011234567'));
SELECT pg_temp.expect('fixed attributes', '20/250/99/99/2',
                      (SELECT concat_ws('/', member_group_code, guest_type, golf_code, use_room_type, sex_code)
                         FROM ba040ms WHERE member_no = '2000000041'));

-- Refusals, with nothing written.
CREATE TEMP TABLE before AS SELECT md5(string_agg(t::text, '' ORDER BY member_no)) AS h FROM ba040ms t;
SELECT pg_temp.expect(c.what, c.refusal, pg_temp.try(c.st, c.no, c.name, c.id, c.dfrom, c.dto))
  FROM (VALUES
    ('empty name', '2', NULL, '  ', NULL, '20250101', '20251231', '회원명을(를) 입력하십시오.'),
    ('invalid date', '2', NULL, '홍길동', NULL, '20250230', '20251231', '사용시작일자을(를) 정확히 입력하십시오.'),
    ('reversed dates', '2', NULL, '홍길동', NULL, '20251231', '20250101', '사용종료일자이(가) 사용시작일자보다 앞설 수 없습니다.'),
    ('short resident number', '2', NULL, '홍길동', '800101123456', '20250101', '20251231', '주민번호을(를) 정확히 입력하십시오.'),
    ('registered resident number', '2', NULL, '홍길동', '8001011234567', '20250101', '20251231',
     '주민번호가 이미 등록된 회원(2000000041)의 주민번호입니다.'),
    ('resident number of another group', '2', NULL, '홍길동', ' 8101012234567 ', '20250101', '20251231',
     '주민번호가 이미 등록된 회원(3000000001)의 주민번호입니다.'),
    ('taking another member''s number', '1', '2000000042', '이신규', '8001011234567', '20250101', '20251231',
     '주민번호가 이미 등록된 회원(2000000041)의 주민번호입니다.'),
    ('member of another group', '1', '3000000001', '박다른', NULL, '20250101', '20251231',
     '회원번호 3000000001 은(는) 이 화면에서 저장할 수 없는 회원입니다.'),
    ('unknown member', '1', '2099999999', '없음', NULL, '20250101', '20251231',
     '회원번호 2099999999 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.'),
    ('update without a number', '1', NULL, '없음', NULL, '20250101', '20251231', '회원번호을(를) 입력하십시오.'),
    ('delete', '3', '2000000042', '이신규', NULL, '20250101', '20251231', '작업구분이 올바르지 않습니다.')
  ) AS c(what, st, no, name, id, dfrom, dto, refusal);
SELECT pg_temp.expect('nothing written by refusals', (SELECT h FROM before),
                      (SELECT md5(string_agg(t::text, '' ORDER BY member_no)) FROM ba040ms t));
-- A member keeps its own resident number on an update, and the number freed by a change is free again.
SELECT pg_temp.expect('own number kept', '2000000042', pg_temp.save('1', '2000000042', '이신규', '9001011234567'));
SELECT pg_temp.expect('number changed', '2000000042', pg_temp.save('1', '2000000042', '이신규', '9001011234568'));
SELECT pg_temp.expect('freed number taken', '2000000044', pg_temp.save('2', NULL, '정신규', '9001011234567'));

-- The ticketing tables and the member master are the counters' to read, never to write.
SELECT pg_temp.expect(format('%s read only', t), 'permission denied for table ' || t,
                      pg_temp.refusal(format('DELETE FROM %I', t)))
  FROM unnest('{ia010ms,ia020ms,jb010ms,jb020ms,fa010ms,ja010ms,ba040ms}'::text[]) AS t;
SELECT pg_temp.expect('readable', '0', (SELECT count(*)::text FROM ia010ms));
