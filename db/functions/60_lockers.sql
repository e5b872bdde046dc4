-- Writes of the season lockers: blocks, batch creation, sales, keys,
-- cancellations, moves and the penalty dates.

-- Everything that changes which lockers or blocks a season has waits for
-- this lock, so that two counters never create, number or move at once
-- over the same season's numbers.
CREATE OR REPLACE FUNCTION kest_private.lock_locker_season(season text) RETURNS void
LANGUAGE sql AS $$
    SELECT pg_advisory_xact_lock(hashtext('eh010ms:' || season))
$$;

-- Whether any locker of the season lies in the number range.
CREATE OR REPLACE FUNCTION kest_private.lockers_in_range(season text, first_no integer, qty integer)
RETURNS boolean
LANGUAGE sql STABLE
SET search_path = ktuser, kest_private, public, pg_temp AS $$
    SELECT EXISTS (SELECT 1 FROM eh020ms
                    WHERE season_year = season AND locker_no::integer BETWEEN first_no AND first_no + qty - 1)
$$;

-- A season year as the screens send it: four digits.
CREATE OR REPLACE FUNCTION kest_private.check_season_year(value text) RETURNS text
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
    v text := kest_private.clean(value);
BEGIN
    IF v IS NULL THEN
        RAISE EXCEPTION '시즌년도을(를) 입력하십시오.';
    ELSIF v !~ '^[0-9]{4}$' THEN
        RAISE EXCEPTION '시즌년도을(를) 정확히 입력하십시오.';
    END IF;
    RETURN v;
END
$$;

-- A locker number: digits, 1 to 9999, stored without leading zeros.
CREATE OR REPLACE FUNCTION kest_private.check_locker_no(value text, label text DEFAULT '락카번호') RETURNS text
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
    v text := kest_private.clean(value);
BEGIN
    IF v IS NULL THEN
        RAISE EXCEPTION '%을(를) 입력하십시오.', label;
    ELSIF v !~ '^[0-9]{1,4}$' OR v::integer = 0 THEN
        RAISE EXCEPTION '%을(를) 정확히 입력하십시오.', label;
    END IF;
    RETURN v::integer::text;
END
$$;

-- One block of a season: insert ('2'), update ('1') or delete ('3'). A new
-- block's number is issued here within the season, whatever the screen
-- sent. Blocks of a season may not share locker numbers. Once lockers exist
-- in its range a block may change only its fees, which its unsold lockers
-- then take over; it can no longer be deleted.
CREATE OR REPLACE FUNCTION pr_ehi010_01(
    aseason_year  text DEFAULT NULL,
    aseq_no       text DEFAULT NULL,
    alocation     text DEFAULT NULL,
    aarea_zone    text DEFAULT NULL,
    alocker_type  text DEFAULT NULL,
    aunit_amt     text DEFAULT NULL,
    amember_amt   text DEFAULT NULL,
    abeginning_no text DEFAULT NULL,
    alocker_qty   text DEFAULT NULL,
    au_emp_no     text DEFAULT NULL,
    au_ip         text DEFAULT NULL,
    aeditstatus   text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st       text   := edit_status(aeditstatus);
    au       record := audit(au_emp_no, au_ip);
    v_season text   := check_season_year(aseason_year);
    v_no     integer;
    old      eh010ms%ROWTYPE;
    r        eh010ms%ROWTYPE;
    created  boolean := false;
BEGIN
    PERFORM lock_locker_season(v_season);
    IF st IN ('1', '3') THEN
        v_no := check_int(aseq_no, 1, 9999, '순번', true);
        SELECT * INTO old FROM eh010ms WHERE season_year = v_season AND seq_no = v_no FOR UPDATE;
        IF NOT FOUND THEN
            IF st = '3' THEN
                RETURN; -- already gone: the operator's wish holds
            END IF;
            RAISE EXCEPTION '순번 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', v_no;
        END IF;
        created := lockers_in_range(v_season, old.beginning_no, old.locker_qty);
    END IF;
    IF st = '3' THEN
        IF created THEN
            RAISE EXCEPTION '락카가 생성된 블록은 삭제할 수 없습니다. (순번 %)', v_no;
        END IF;
        DELETE FROM eh010ms WHERE season_year = v_season AND seq_no = v_no;
        RETURN;
    END IF;

    r.location     := check_zx_key(alocation, 'E0017', 16, '위치');
    r.area_zone    := check_zx_key(aarea_zone, 'E0055', 16, '구역');
    r.locker_type  := check_zx_key(alocker_type, 'E0056', 16, 'Type');
    r.unit_amt     := check_int(aunit_amt, 0, 9999999999, '일반요금', true);
    r.member_amt   := check_int(amember_amt, 0, 9999999999, '회원요금', true);
    r.beginning_no := check_int(abeginning_no, 1, 9999, '시작락카번호', true);
    r.locker_qty   := check_int(alocker_qty, 1, 9999, '락카수량', true);
    IF r.beginning_no + r.locker_qty - 1 > 9999 THEN
        RAISE EXCEPTION '락카번호는 9999를 넘을 수 없습니다. 시작락카번호와 락카수량을 확인하십시오.';
    END IF;
    IF created AND (r.location, r.area_zone, r.locker_type, r.beginning_no, r.locker_qty)
                   IS DISTINCT FROM (old.location, old.area_zone, old.locker_type, old.beginning_no, old.locker_qty) THEN
        RAISE EXCEPTION '락카가 생성된 블록은 요금만 변경할 수 있습니다. (순번 %)', v_no;
    END IF;
    IF EXISTS (SELECT 1 FROM eh010ms
                WHERE season_year = v_season AND seq_no IS DISTINCT FROM v_no
                  AND beginning_no <= r.beginning_no + r.locker_qty - 1
                  AND r.beginning_no <= beginning_no + locker_qty - 1) THEN
        RAISE EXCEPTION '락카번호 %부터 %까지는 다른 블록과 겹칩니다.', r.beginning_no, r.beginning_no + r.locker_qty - 1;
    END IF;

    r.season_year := v_season;
    r.au_emp_no := au.emp_no;
    r.au_ip := au.ip;
    r.au_date := au.at;
    IF st = '2' THEN
        r.seq_no := next_number('eh010ms', (SELECT max(seq_no) FROM eh010ms WHERE season_year = v_season), v_season);
        IF r.seq_no > 9999 THEN
            RAISE EXCEPTION '순번이 모두 사용되었습니다. (시즌 %)', v_season;
        END IF;
        INSERT INTO eh010ms SELECT r.*;
    ELSE
        r.seq_no := v_no;
        PERFORM update_row('eh010ms', r, '{season_year,seq_no}');
        IF created THEN
            UPDATE eh020ms SET unit_amt = r.unit_amt, member_amt = r.member_amt,
                               au_emp_no = au.emp_no, au_ip = au.ip, au_date = au.at
             WHERE season_year = v_season
               AND locker_no::integer BETWEEN r.beginning_no AND r.beginning_no + r.locker_qty - 1
               AND sale_date IS NULL
               AND (unit_amt, member_amt) IS DISTINCT FROM (r.unit_amt, r.member_amt);
        END IF;
    END IF;
END
$$;

-- Creates every locker of a block, unsold and not in use, in one go. The
-- block is read as stored (season and number): the other cells the screen
-- sends are accepted and ignored. A block whose range holds lockers
-- already, its own or any other, is refused, so that a second press,
-- also one at the same moment, creates nothing.
CREATE OR REPLACE FUNCTION pr_ehi010_02(
    aseason_year  text DEFAULT NULL,
    aseq_no       text DEFAULT NULL,
    alocation     text DEFAULT NULL,
    aarea_zone    text DEFAULT NULL,
    alocker_type  text DEFAULT NULL,
    aunit_amt     text DEFAULT NULL,
    amember_amt   text DEFAULT NULL,
    abeginning_no text DEFAULT NULL,
    alocker_qty   text DEFAULT NULL,
    au_emp_no     text DEFAULT NULL,
    au_ip         text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    au       record  := audit(au_emp_no, au_ip);
    v_season text    := check_season_year(aseason_year);
    v_no     integer := check_int(aseq_no, 1, 9999, '순번', true);
    b        eh010ms%ROWTYPE;
BEGIN
    PERFORM lock_locker_season(v_season);
    SELECT * INTO b FROM eh010ms WHERE season_year = v_season AND seq_no = v_no;
    IF NOT FOUND THEN
        RAISE EXCEPTION '순번 % 은(는) 등록되어 있지 않습니다. 저장 후 다시 조회하십시오.', v_no;
    END IF;
    IF lockers_in_range(v_season, b.beginning_no, b.locker_qty) THEN
        RAISE EXCEPTION '시즌락카 일괄처리 작업이 이미 완료되었습니다. 확인바랍니다.';
    END IF;
    INSERT INTO eh020ms (season_year, location, area_zone, locker_type, locker_no, unit_amt, member_amt, use_yn,
                         au_emp_no, au_ip, au_date)
    SELECT v_season, b.location, b.area_zone, b.locker_type, n::text, b.unit_amt, b.member_amt, 'N',
           au.emp_no, au.ip, au.at
      FROM generate_series(b.beginning_no, b.beginning_no + b.locker_qty - 1) AS n;
END
$$;

-- A member valid today, found by the keyed hash of the resident number
-- (the member table's unique index), not by decrypting every member.
CREATE OR REPLACE FUNCTION kest_private.is_current_member(idno text) RETURNS boolean
LANGUAGE plpgsql STABLE SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    today constant text := to_char(CURRENT_DATE, 'YYYYMMDD');
BEGIN
    RETURN EXISTS (SELECT 1 FROM ba040ms
                    WHERE id_no_hash = id_no_hash(idno)
                      AND COALESCE(use_date_from, '') <= today AND use_date_to >= today);
END
$$;

-- The fee of a locker for a customer: the member fee for a member valid
-- today, else the general fee.
CREATE OR REPLACE FUNCTION pr_ehi020_02(
    am_idno       text DEFAULT NULL,
    aseason_year  text DEFAULT NULL,
    alocation     text DEFAULT NULL,
    aarea_zone    text DEFAULT NULL,
    alocker_type  text DEFAULT NULL,
    alocker_no    text DEFAULT NULL,
    OUT asale_amt text)
LANGUAGE plpgsql STABLE SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    v_idno   text := check_digits(am_idno, 13, 13, '고객주민번호', true);
    v_season text := check_season_year(aseason_year);
    v_no     text := check_locker_no(alocker_no);
    l        eh020ms%ROWTYPE;
BEGIN
    SELECT * INTO l FROM eh020ms WHERE season_year = v_season AND locker_no = v_no;
    IF NOT FOUND THEN
        RAISE EXCEPTION '락카번호 % 은(는) 등록되어 있지 않습니다.', v_no;
    END IF;
    asale_amt := (CASE WHEN is_current_member(v_idno) THEN l.member_amt ELSE l.unit_amt END)::text;
END
$$;

-- A payment class as the list shows it: the label of an offered "C0003" row.
CREATE OR REPLACE FUNCTION kest_private.check_pay_label(value text, required boolean) RETURNS text
LANGUAGE plpgsql STABLE
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    v text := clean(value);
BEGIN
    IF v IS NULL THEN
        IF required THEN
            RAISE EXCEPTION '입금구분을(를) 입력하십시오.';
        END IF;
    ELSIF NOT EXISTS (SELECT 1 FROM zx010ms WHERE head = 'C0003' AND item1 = 'Y' AND detail_name = v) THEN
        RAISE EXCEPTION '입금구분을(를) 정확히 입력하십시오.';
    END IF;
    RETURN v;
END
$$;

-- A sale and the key of one locker. Lockers are created by the batch and
-- end their sale by pr_ehi020_03, so only changes ('1') come here. A sale
-- is priced here (pr_ehi020_02's rule), whatever amount the screen sent;
-- a locker sold to another customer meanwhile is refused. A sold locker's
-- sale is never cleared here: that is a cancellation, with its penalty
-- record. The card columns are not parameters: they stay as stored.
CREATE OR REPLACE FUNCTION pr_ehi020_01(
    aseason_year      text DEFAULT NULL,
    alocker_no        text DEFAULT NULL,
    asale_date        text DEFAULT NULL,
    am_id             text DEFAULT NULL,
    am_name           text DEFAULT NULL,
    am_idno           text DEFAULT NULL,
    am_tophone        text DEFAULT NULL,
    apay_code         text DEFAULT NULL,
    asale_amt         text DEFAULT NULL,
    aipgum_amt        text DEFAULT NULL,
    aassurance_amt    text DEFAULT NULL,
    akey_receipt_date text DEFAULT NULL,
    akey_restore_date text DEFAULT NULL,
    adc_remarks       text DEFAULT NULL,
    ause_yn           text DEFAULT NULL,
    au_emp_no         text DEFAULT NULL,
    au_ip             text DEFAULT NULL,
    aeditstatus       text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st       text   := edit_status(aeditstatus, '1');
    au       record := audit(au_emp_no, au_ip);
    v_season text   := check_season_year(aseason_year);
    v_no     text   := check_locker_no(alocker_no);
    v_sale   text   := check_date(asale_date, '판매일자');
    v_idno   text;
    l        eh020ms%ROWTYPE;
    r        eh020ms%ROWTYPE;
BEGIN
    SELECT * INTO l FROM eh020ms WHERE season_year = v_season AND locker_no = v_no FOR UPDATE;
    IF NOT FOUND THEN
        RAISE EXCEPTION '락카번호 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', v_no;
    END IF;
    r := l;
    IF v_sale IS NULL THEN
        IF l.sale_date IS NOT NULL THEN
            RAISE EXCEPTION '락카번호 % 은(는) 판매된 락카입니다. 판매취소는 판매취소 버튼으로 하십시오.', v_no;
        END IF;
        IF coalesce(clean(am_name), clean(am_idno), clean(am_id), clean(am_tophone), clean(apay_code)) IS NOT NULL THEN
            RAISE EXCEPTION '판매일자을(를) 입력하십시오.';
        END IF;
    ELSE
        r.m_name := check_text(am_name, 20, '고객성명', true);
        v_idno := check_digits(am_idno, 13, 13, '고객주민번호', true);
        r.pay_code := check_pay_label(apay_code, true);
        r.m_id := check_text(am_id, 40, '고객로그인ID');
        r.m_tophone := enc(check_text(am_tophone, 60, '고객연락처'));
        r.ipgum_amt := check_int(aipgum_amt, 0, 9999999999, '입금금액');
        IF l.sale_date IS NOT NULL AND fn_za010ms_04(l.m_idno) IS DISTINCT FROM v_idno THEN
            RAISE EXCEPTION '락카번호 % 은(는) 이미 다른 고객에게 판매된 락카입니다. 다시 조회하십시오.', v_no;
        END IF;
        IF l.sale_date IS NULL THEN
            r.sale_date := v_sale;
            r.sale_amt := CASE WHEN is_current_member(v_idno) THEN l.member_amt ELSE l.unit_amt END;
            r.m_idno := enc(v_idno);
        END IF;
        r.ipgum_yn := CASE WHEN coalesce(r.ipgum_amt, 0) >= r.sale_amt THEN 'Y' ELSE 'N' END;
        r.dc_remarks := check_text(adc_remarks, 100, 'DC Remarks');
    END IF;
    r.assurance_amt    := check_int(aassurance_amt, 0, 9999999999, '보증금');
    r.key_receipt_date := check_date(akey_receipt_date, '키 수령일자');
    r.key_restore_date := check_date(akey_restore_date, '키 반납일자');
    IF r.key_restore_date IS NOT NULL AND (r.key_receipt_date IS NULL OR r.key_restore_date < r.key_receipt_date) THEN
        RAISE EXCEPTION '키 반납일자는 키 수령일자보다 앞설 수 없습니다.';
    END IF;
    r.use_yn := coalesce(check_code(ause_yn, '{Y,N}', '사용여부'),
                         CASE WHEN r.sale_date IS NOT NULL THEN 'Y' ELSE 'N' END);
    -- A new sale puts the locker in use, whatever state the free row was read in.
    IF l.sale_date IS NULL AND r.sale_date IS NOT NULL THEN
        r.use_yn := 'Y';
    END IF;
    r.au_emp_no := au.emp_no;
    r.au_ip := au.ip;
    r.au_date := au.at;
    PERFORM update_row('eh020ms', r, '{season_year,locker_no}');
END
$$;

-- The penalty rate of a sale cancelled after so many days: the row of
-- "E0091" with the smallest last day at or above them, else the open row.
CREATE OR REPLACE FUNCTION kest_private.penalty_rate(days integer) RETURNS integer
LANGUAGE sql STABLE
SET search_path = ktuser, kest_private, public, pg_temp AS $$
    SELECT coalesce((SELECT CASE WHEN item2 ~ '^[0-9]{1,3}$' THEN least(item2::integer, 100) ELSE 0 END
                       FROM zx010ms
                      WHERE head = 'E0091'
                        AND (item1 IS NULL OR btrim(item1) = '' OR (item1 ~ '^[0-9]{1,5}$' AND item1::integer >= days))
                      ORDER BY CASE WHEN item1 ~ '^[0-9]{1,5}$' THEN item1::integer END NULLS LAST, detail
                      LIMIT 1), 0)
$$;

-- Cancels a sale ('3') or moves it to another locker ('4'). A cancellation
-- clears the sale, marks the locker 'C' and writes the penalty record; the
-- card columns stay as stored, for the card company's cancellation. A move
-- locks both lockers in number order, so that two moves never wait on each
-- other, and takes the sale, key and card columns to a free locker of the
-- same type, freeing the old one.
SELECT kest_private.drop_without('pr_ehi020_03', 'au_emp_no');
CREATE OR REPLACE FUNCTION pr_ehi020_03(
    aseason_year      text DEFAULT NULL,
    alocation         text DEFAULT NULL,
    aarea_zone        text DEFAULT NULL,
    alocker_type      text DEFAULT NULL,
    alocker_no        text DEFAULT NULL,
    alocker_no_change text DEFAULT NULL,
    aeditstatus       text DEFAULT NULL,
    au_emp_no         text DEFAULT NULL,
    au_ip             text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st       text   := edit_status(aeditstatus, '34');
    au       record := audit(au_emp_no, au_ip);
    v_season text   := check_season_year(aseason_year);
    v_no     text   := check_locker_no(alocker_no);
    v_to     text;
    l        eh020ms%ROWTYPE;
    t        eh020ms%ROWTYPE;
    today    text   := to_char(CURRENT_DATE, 'YYYYMMDD');
    rate     integer;
    penalty  bigint;
BEGIN
    IF st = '3' THEN
        SELECT * INTO l FROM eh020ms WHERE season_year = v_season AND locker_no = v_no FOR UPDATE;
        IF NOT FOUND THEN
            RAISE EXCEPTION '락카번호 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', v_no;
        END IF;
        IF l.sale_date IS NULL THEN
            RAISE EXCEPTION '락카번호 % 은(는) 판매되지 않은 락카입니다. 다시 조회하십시오.', v_no;
        END IF;
        rate := penalty_rate(greatest(CURRENT_DATE - to_date(l.sale_date, 'YYYYMMDD'), 0));
        penalty := coalesce(l.sale_amt, 0) * rate / 100;
        INSERT INTO eh030ms (season_year, seq_no, cancel_date, location, area_zone, locker_type, locker_no, m_name,
                             sale_date, sale_amt, penalty_amt, pay_code, ipgum_amt, penalty_yn, return_amt,
                             au_emp_no, au_ip, au_date)
        VALUES (v_season,
                next_number('eh030ms', (SELECT max(seq_no) FROM eh030ms WHERE season_year = v_season), v_season),
                today, l.location, l.area_zone, l.locker_type, l.locker_no, l.m_name, l.sale_date, l.sale_amt,
                penalty, l.pay_code, least(penalty, coalesce(l.ipgum_amt, 0)), 'N',
                greatest(coalesce(l.ipgum_amt, 0) - penalty, 0), au.emp_no, au.ip, au.at);
        UPDATE eh020ms
           SET sale_date = NULL, m_id = NULL, m_name = NULL, m_idno = NULL, m_tophone = NULL, pay_code = NULL,
               sale_amt = NULL, ipgum_amt = NULL, ipgum_yn = NULL, dc_remarks = NULL, use_yn = 'C',
               au_emp_no = au.emp_no, au_ip = au.ip, au_date = au.at
         WHERE season_year = v_season AND locker_no = v_no;
        RETURN;
    END IF;

    v_to := clean(alocker_no_change);
    IF v_to IS NULL OR length(v_to) < 3 THEN
        RAISE EXCEPTION '변경 락카번호 입력을 확인하세요.';
    END IF;
    v_to := check_locker_no(v_to, '변경 락카번호');
    IF v_to = v_no THEN
        RAISE EXCEPTION '변경 락카번호 입력을 확인하세요.';
    END IF;
    -- Both rows in number order: two moves between the same lockers wait
    -- for each other instead of deadlocking.
    PERFORM 1 FROM eh020ms WHERE season_year = v_season AND locker_no IN (v_no, v_to)
      ORDER BY locker_no::integer FOR UPDATE;
    SELECT * INTO l FROM eh020ms WHERE season_year = v_season AND locker_no = v_no;
    IF NOT FOUND THEN
        RAISE EXCEPTION '락카번호 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', v_no;
    END IF;
    IF l.sale_date IS NULL THEN
        RAISE EXCEPTION '락카번호 % 은(는) 판매되지 않은 락카입니다. 다시 조회하십시오.', v_no;
    END IF;
    SELECT * INTO t FROM eh020ms WHERE season_year = v_season AND locker_no = v_to;
    IF NOT FOUND OR t.locker_type IS DISTINCT FROM l.locker_type THEN
        RAISE EXCEPTION '변경 락카번호의 락카형이 달라서 변경할수 없습니다.확인하세요';
    END IF;
    IF t.sale_date IS NOT NULL THEN
        RAISE EXCEPTION '이미 판매된 락카번호로는 변경이 불가합니다.';
    END IF;
    UPDATE eh020ms n
       SET (sale_date, m_id, m_name, m_idno, m_tophone, pay_code, sale_amt, ipgum_amt, ipgum_yn, assurance_amt,
            key_receipt_date, key_restore_date, dc_remarks, use_yn,
            terminal_id, approval_no, approval_time, acquire_code, card_issuer, result, result_msg,
            status_flag, fappstate, freservestate, fcompletecode, fbank, card_seq_no, card_join_no,
            au_emp_no, au_ip, au_date)
         = (l.sale_date, l.m_id, l.m_name, l.m_idno, l.m_tophone, l.pay_code, l.sale_amt, l.ipgum_amt, l.ipgum_yn,
            l.assurance_amt, l.key_receipt_date, l.key_restore_date, l.dc_remarks, l.use_yn,
            l.terminal_id, l.approval_no, l.approval_time, l.acquire_code, l.card_issuer, l.result, l.result_msg,
            l.status_flag, l.fappstate, l.freservestate, l.fcompletecode, l.fbank, l.card_seq_no, l.card_join_no,
            au.emp_no, au.ip, au.at)
     WHERE n.season_year = v_season AND n.locker_no = v_to;
    UPDATE eh020ms
       SET (sale_date, m_id, m_name, m_idno, m_tophone, pay_code, sale_amt, ipgum_amt, ipgum_yn, assurance_amt,
            key_receipt_date, key_restore_date, dc_remarks, use_yn,
            terminal_id, approval_no, approval_time, acquire_code, card_issuer, result, result_msg,
            status_flag, fappstate, freservestate, fcompletecode, fbank, card_seq_no, card_join_no,
            au_emp_no, au_ip, au_date)
         = (NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 'N',
            NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,
            au.emp_no, au.ip, au.at)
     WHERE season_year = v_season AND locker_no = v_no;
END
$$;

-- The two dates of a penalty record, each empty or a calendar date; the
-- penalty counts as paid once its payment date is set.
CREATE OR REPLACE FUNCTION pr_ehi040_01(
    aseason_year text DEFAULT NULL,
    aseq_no      text DEFAULT NULL,
    aipgum_date  text DEFAULT NULL,
    areturn_date text DEFAULT NULL,
    au_emp_no    text DEFAULT NULL,
    au_ip        text DEFAULT NULL,
    aeditstatus  text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st       text    := edit_status(aeditstatus, '1');
    au       record  := audit(au_emp_no, au_ip);
    v_season text    := check_season_year(aseason_year);
    v_no     integer := check_int(aseq_no, 1, 2147483647, '순번', true);
    v_paid   text    := check_date(aipgum_date, '위약금 입금일자');
    v_return text    := check_date(areturn_date, '환불일자');
BEGIN
    UPDATE eh030ms
       SET ipgum_date = v_paid, return_date = v_return,
           penalty_yn = CASE WHEN v_paid IS NOT NULL THEN 'Y' ELSE 'N' END,
           au_emp_no = au.emp_no, au_ip = au.ip, au_date = au.at
     WHERE season_year = v_season AND seq_no = v_no;
    IF NOT FOUND THEN
        RAISE EXCEPTION '순번 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', v_no;
    END IF;
END
$$;
