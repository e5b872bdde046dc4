-- Writes of the lesson screens: club enrolments, school trainees,
-- instructor assignments, staff booking places and staff bookings.

-- A personal value to store over `stored`: the stored cipher itself when it
-- reads as the same value, so that saving another field of the row leaves
-- it as it was; otherwise the value encrypted.
CREATE OR REPLACE FUNCTION kest_private.keep_enc(stored text, value text) RETURNS text
LANGUAGE sql VOLATILE SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
    SELECT CASE WHEN stored IS NOT NULL AND fn_za010ms_04(stored) IS NOT DISTINCT FROM value THEN stored
                ELSE enc(value) END
$$;

-- The stored number of a ski school receipt that `typed` names: digits,
-- compared as a number, so that "7" and "0000000007" are one receipt.
CREATE OR REPLACE FUNCTION kest_private.school_receipt(season text, typed text) RETURNS text
LANGUAGE plpgsql STABLE
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    v text := check_digits(typed, 1, 10, '접수번호', true);
    r text;
BEGIN
    SELECT receipt_no INTO r FROM ec020ms
     WHERE season_gubun = season AND ltrim(receipt_no, '0') = ltrim(v, '0')
     ORDER BY receipt_no LIMIT 1;
    IF r IS NULL THEN
        RAISE EXCEPTION '접수번호 %은(는) 등록되어 있지 않습니다.', v;
    END IF;
    RETURN r;
END
$$;

-- One ski club enrolment. A new one is numbered within its season here,
-- whatever the screen sent; the season's counter row stays locked until
-- the caller's transaction ends, so two clerks never share a number.
CREATE OR REPLACE FUNCTION pr_eci010_01(
    aseason_gubun       text DEFAULT NULL,
    alecture_no         text DEFAULT NULL,
    amember_no          text DEFAULT NULL,
    atrainer_name       text DEFAULT NULL,
    aenter_date         text DEFAULT NULL,
    asex                text DEFAULT NULL,
    aage                text DEFAULT NULL,
    aid_no              text DEFAULT NULL,
    azip_code           text DEFAULT NULL,
    aaddr1              text DEFAULT NULL,
    aaddr2              text DEFAULT NULL,
    ajob                text DEFAULT NULL,
    atel_no             text DEFAULT NULL,
    amobile_no          text DEFAULT NULL,
    aemail              text DEFAULT NULL,
    aplayer_exp         text DEFAULT NULL,
    alecture_item_gubun text DEFAULT NULL,
    alecture_rec_gubun  text DEFAULT NULL,
    awant_skill_gubun   text DEFAULT NULL,
    ause_ski_place      text DEFAULT NULL,
    atrainer_ability    text DEFAULT NULL,
    aenter_motive       text DEFAULT NULL,
    alecturer_emp_no    text DEFAULT NULL,
    alecturer_name      text DEFAULT NULL,
    aspe_remark         text DEFAULT NULL,
    aremark             text DEFAULT NULL,
    au_emp_no           text DEFAULT NULL,
    au_ip               text DEFAULT NULL,
    aeditstatus         text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st       text   := edit_status(aeditstatus);
    au       record := audit(au_emp_no, au_ip);
    v_season text   := check_zx_key(aseason_gubun, 'E0004', 2, '시즌');
    v_no     integer;
    old      ec010ms%ROWTYPE;
    r        ec010ms%ROWTYPE;
BEGIN
    IF st IN ('1', '3') THEN
        v_no := check_int(alecture_no, 1, 99999999, '수강번호', true);
        SELECT * INTO old FROM ec010ms WHERE season_gubun = v_season AND lecture_no = v_no FOR UPDATE;
    END IF;
    IF st = '3' THEN
        DELETE FROM ec010ms WHERE season_gubun = v_season AND lecture_no = v_no;
        RETURN; -- already gone: the operator's wish holds
    END IF;

    r.member_no          := check_text(clean(amember_no), 10, '회원번호');
    r.trainer_name       := check_text(atrainer_name, 60, '수강자명', true);
    r.enter_date         := check_date(aenter_date, '등록일자', true);
    r.sex                := check_zx_key(asex, 'Z0008', 2, '성별');
    r.age                := check_digits(aage, 1, 3, '나이', true);
    r.id_no              := keep_enc(old.id_no, check_digits(aid_no, 13, 13, '주민등록번호', true));
    r.zip_code           := check_digits(azip_code, 6, 6, '우편번호');
    r.addr1              := keep_enc(old.addr1, check_text(aaddr1, 60, '주소1'));
    r.addr2              := keep_enc(old.addr2, check_text(aaddr2, 120, '주소2'));
    r.job                := check_text(ajob, 80, '직업');
    r.tel_no             := keep_enc(old.tel_no, check_text(atel_no, 20, '연락처(자택)', true));
    r.mobile_no          := keep_enc(old.mobile_no, check_text(amobile_no, 20, '연락처(핸드폰)'));
    r.email              := check_text(aemail, 40, '이메일');
    r.player_exp         := check_text(aplayer_exp, 160, '선수경험');
    r.lecture_item_gubun := check_zx_code(alecture_item_gubun, 'E0022', 2, '강습종목구분');
    r.lecture_rec_gubun  := check_zx_code(alecture_rec_gubun, 'E0023', 2, '강습접수구분');
    r.want_skill_gubun   := check_zx_code(awant_skill_gubun, 'E0025', 2, '희망습득기술구분');
    r.use_ski_place      := check_text(ause_ski_place, 80, '주이용스키장');
    r.trainer_ability    := check_text(atrainer_ability, 160, '수강자실력');
    r.enter_motive       := check_text(aenter_motive, 160, '입학동기');
    r.lecturer_emp_no    := check_text(clean(alecturer_emp_no), 16, '담당강사사번');
    r.lecturer_name      := check_text(alecturer_name, 60, '담당강사명');
    r.spe_remark         := check_text(aspe_remark, 160, '특이사항');
    r.remark             := check_text(aremark, 160, '비고');
    r.season_gubun := v_season;
    r.au_emp_no := au.emp_no;
    r.au_ip := au.ip;
    r.au_date := au.at;

    IF st = '2' THEN
        r.lecture_no := next_number('ec010ms', (SELECT max(lecture_no) FROM ec010ms WHERE season_gubun = v_season),
                                    v_season);
        IF r.lecture_no > 99999999 THEN
            RAISE EXCEPTION '수강번호가 모두 사용되었습니다. (시즌 %)', v_season;
        END IF;
        INSERT INTO ec010ms SELECT r.*;
    ELSE
        r.lecture_no := v_no;
        IF NOT update_row('ec010ms', r, '{season_gubun,lecture_no}') THEN
            RAISE EXCEPTION '수강번호 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', lpad(v_no::text, 8, '0');
        END IF;
    END IF;
END
$$;

-- One trainee of a ski school receipt: change ('1') or add ('2'); trainees
-- are never deleted here. A new trainee is numbered within its receipt,
-- the receipt's counter row locked until the caller's transaction ends.
CREATE OR REPLACE FUNCTION pr_eci020_01(
    aseason_gubun         text DEFAULT NULL,
    areceipt_no           text DEFAULT NULL,
    areceipt_seq          text DEFAULT NULL,
    amember_no            text DEFAULT NULL,
    atrainer_name         text DEFAULT NULL,
    asex                  text DEFAULT NULL,
    aage                  text DEFAULT NULL,
    aid_no                text DEFAULT NULL,
    azip_code             text DEFAULT NULL,
    aaddr1                text DEFAULT NULL,
    aaddr2                text DEFAULT NULL,
    atel_no               text DEFAULT NULL,
    amobile_no            text DEFAULT NULL,
    alecture_item_gubun   text DEFAULT NULL,
    alecture_rec_gubun    text DEFAULT NULL,
    alecture_detail_gubun text DEFAULT NULL,
    atrain_test           text DEFAULT NULL,
    alecturer_view        text DEFAULT NULL,
    anext_train_content   text DEFAULT NULL,
    alecturer_emp_no      text DEFAULT NULL,
    alecturer_name        text DEFAULT NULL,
    aspe_remark           text DEFAULT NULL,
    aremark               text DEFAULT NULL,
    au_emp_no             text DEFAULT NULL,
    au_ip                 text DEFAULT NULL,
    aeditstatus           text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st       text   := edit_status(aeditstatus, '12');
    au       record := audit(au_emp_no, au_ip);
    v_season text   := check_zx_key(aseason_gubun, 'E0004', 2, '시즌');
    v_rcpt   text   := school_receipt(v_season, areceipt_no);
    v_seq    integer;
    old      ec020dt%ROWTYPE;
    r        ec020dt%ROWTYPE;
BEGIN
    IF st = '1' THEN
        v_seq := check_int(areceipt_seq, 1, 9999, '순번', true);
        SELECT * INTO old FROM ec020dt
         WHERE season_gubun = v_season AND receipt_no = v_rcpt AND receipt_seq = v_seq FOR UPDATE;
        IF NOT FOUND THEN
            RAISE EXCEPTION '순번 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', lpad(v_seq::text, 4, '0');
        END IF;
    END IF;

    r.member_no            := check_text(clean(amember_no), 10, '회원번호');
    r.trainer_name         := check_text(atrainer_name, 60, '수강자명', true);
    r.sex                  := check_zx_code(asex, 'Z0008', 2, '성별');
    r.age                  := check_digits(aage, 1, 3, '나이');
    r.id_no                := keep_enc(old.id_no, check_digits(aid_no, 13, 13, '주민등록번호'));
    r.zip_code             := check_digits(azip_code, 6, 6, '우편번호');
    r.addr1                := keep_enc(old.addr1, check_text(aaddr1, 60, '주소1'));
    r.addr2                := keep_enc(old.addr2, check_text(aaddr2, 120, '주소2'));
    r.tel_no               := keep_enc(old.tel_no, check_text(atel_no, 20, '연락처(자택)'));
    r.mobile_no            := keep_enc(old.mobile_no, check_text(amobile_no, 20, '연락처(핸드폰)'));
    r.lecture_item_gubun   := check_zx_key(alecture_item_gubun, 'E0022', 2, '강습종목구분');
    r.lecture_rec_gubun    := check_zx_key(alecture_rec_gubun, 'E0023', 2, '강습접수구분');
    r.lecture_detail_gubun := check_zx_code(alecture_detail_gubun, 'E0024', 2, '강습세부구분');
    r.train_test           := check_text(atrain_test, 1000, '강습전테스트');
    r.lecturer_view        := check_text(alecturer_view, 1000, '강습후평가');
    r.next_train_content   := check_text(anext_train_content, 1000, '차기강습');
    r.lecturer_emp_no      := check_text(clean(alecturer_emp_no), 16, '담당강사사번');
    r.lecturer_name        := check_text(alecturer_name, 60, '담당강사명');
    r.spe_remark           := check_text(aspe_remark, 1000, '특이사항');
    r.remark               := check_text(aremark, 1000, '비고');
    r.season_gubun := v_season;
    r.receipt_no := v_rcpt;
    r.au_emp_no := au.emp_no;
    r.au_ip := au.ip;
    r.au_date := au.at;

    IF st = '2' THEN
        r.receipt_seq := next_number('ec020dt', (SELECT max(receipt_seq) FROM ec020dt
                                                  WHERE season_gubun = v_season AND receipt_no = v_rcpt),
                                     v_season, v_rcpt);
        IF r.receipt_seq > 9999 THEN
            RAISE EXCEPTION '순번이 모두 사용되었습니다. (접수번호 %)', v_rcpt;
        END IF;
        INSERT INTO ec020dt SELECT r.*;
    ELSE
        r.receipt_seq := v_seq;
        PERFORM update_row('ec020dt', r, '{season_gubun,receipt_no,receipt_seq}');
    END IF;
END
$$;

-- One instructor assignment of a day. The remark is stored too (AREMARK):
-- the screen edits it, and a save that dropped it would lose it silently.
CREATE OR REPLACE FUNCTION pr_eci030_01(
    alecture_date         text DEFAULT NULL,
    alecturer_emp_no      text DEFAULT NULL,
    alecturer_name        text DEFAULT NULL,
    aarea_gubun           text DEFAULT NULL,
    alecture_detail_gubun text DEFAULT NULL,
    ateam                 text DEFAULT NULL,
    alecturer_gubun       text DEFAULT NULL,
    alecture_item_gubun   text DEFAULT NULL,
    alecture_rec_gubun    text DEFAULT NULL,
    alecture_cnt          text DEFAULT NULL,
    aremark               text DEFAULT NULL,
    au_emp_no             text DEFAULT NULL,
    au_ip                 text DEFAULT NULL,
    aeditstatus           text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st     text   := edit_status(aeditstatus);
    au     record := audit(au_emp_no, au_ip);
    r      ec030ms%ROWTYPE;
BEGIN
    r.lecture_date         := check_date(alecture_date, '배정일자', true);
    r.lecturer_emp_no      := check_key(alecturer_emp_no, 16, '강사사번');
    r.area_gubun           := check_zx_key(aarea_gubun, 'E0017', 2, '강습지역구분');
    r.lecture_detail_gubun := check_zx_key(alecture_detail_gubun, 'E0024', 2, '강습세부구분');
    IF st = '3' THEN
        DELETE FROM ec030ms
         WHERE lecture_date = r.lecture_date AND lecturer_emp_no = r.lecturer_emp_no
           AND area_gubun = r.area_gubun AND lecture_detail_gubun = r.lecture_detail_gubun;
        RETURN;
    END IF;
    r.lecturer_name      := check_text(alecturer_name, 60, '강사명');
    r.team               := check_text(clean(ateam), 16, '조');
    r.lecturer_gubun     := check_text(clean(alecturer_gubun), 16, '강사직급구분');
    r.lecture_item_gubun := check_zx_code(alecture_item_gubun, 'E0022', 16, '강습종목구분');
    r.lecture_rec_gubun  := check_zx_code(alecture_rec_gubun, 'E0023', 2, '강습접수구분');
    r.lecture_cnt        := COALESCE(check_int(alecture_cnt, 0, 999, '강습인원'), 0);
    r.remark             := check_text(aremark, 160, '비고');
    r.au_emp_no := au.emp_no;
    r.au_ip := au.ip;
    r.au_date := au.at;
    IF st = '2' THEN
        INSERT INTO ec030ms SELECT r.* ON CONFLICT DO NOTHING;
        IF NOT FOUND THEN
            RAISE EXCEPTION '기존 등록된 자료와 중복됩니다. 다시 입력하십시오.';
        END IF;
    ELSIF NOT update_row('ec030ms', r, '{lecture_date,lecturer_emp_no,area_gubun,lecture_detail_gubun}') THEN
        RAISE EXCEPTION '강사사번 % 의 배정은 등록되어 있지 않습니다. 다시 조회하십시오.', r.lecturer_emp_no;
    END IF;
END
$$;

-- The places of a slot booked so far.
CREATE OR REPLACE FUNCTION kest_private.slot_booked(adate text, aitem text, arec text, adetail text)
RETURNS integer
LANGUAGE sql STABLE
SET search_path = ktuser, pg_temp AS $$
    SELECT COALESCE(sum(yaeyak_cnt), 0)::integer FROM ec050ms
     WHERE yaeyak_date = adate AND lecture_item_gubun = aitem AND lecture_rec_gubun = arec
       AND lecture_detail_gubun = adetail
$$;

-- The places open per date and lesson slot. The slot row is locked before
-- its bookings are counted, as a booking locks it: places are never
-- lowered below what is booked, nor a slot with bookings deleted.
CREATE OR REPLACE FUNCTION pr_eci040_01(
    ayaeyak_date          text DEFAULT NULL,
    alecture_item_gubun   text DEFAULT NULL,
    alecture_rec_gubun    text DEFAULT NULL,
    alecture_detail_gubun text DEFAULT NULL,
    ayaeyak_ability_cnt   text DEFAULT NULL,
    aremark               text DEFAULT NULL,
    au_emp_no             text DEFAULT NULL,
    au_ip                 text DEFAULT NULL,
    aeditstatus           text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st       text    := edit_status(aeditstatus);
    au       record  := audit(au_emp_no, au_ip);
    v_date   text    := check_date(ayaeyak_date, '기준일자', true);
    v_item   text    := check_zx_key(alecture_item_gubun, 'E0022', 2, '강습종목구분');
    v_rec    text    := check_zx_key(alecture_rec_gubun, 'E0023', 2, '강습접수구분');
    v_detail text    := check_zx_key(alecture_detail_gubun, 'E0024', 2, '강습세부구분');
    v_cnt    integer;
    v_rmk    text;
    v_booked integer;
BEGIN
    IF st IN ('1', '2') THEN
        v_cnt := check_int(ayaeyak_ability_cnt, 0, 9999, '예약가능인원', true);
        v_rmk := check_text(aremark, 1000, '비고');
    END IF;
    IF st = '2' THEN
        INSERT INTO ec040ms (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun,
                             yaeyak_ability_cnt, remark, au_emp_no, au_ip, au_date)
        VALUES (v_date, v_item, v_rec, v_detail, v_cnt, v_rmk, au.emp_no, au.ip, au.at)
        ON CONFLICT DO NOTHING;
        IF NOT FOUND THEN
            RAISE EXCEPTION '기존 등록된 자료와 중복됩니다. 다시 입력하십시오.';
        END IF;
        RETURN;
    END IF;

    PERFORM 1 FROM ec040ms
     WHERE yaeyak_date = v_date AND lecture_item_gubun = v_item AND lecture_rec_gubun = v_rec
       AND lecture_detail_gubun = v_detail
       FOR UPDATE;
    IF NOT FOUND THEN
        IF st = '3' THEN
            RETURN; -- already gone
        END IF;
        RAISE EXCEPTION '직원예약 기준정보가 등록되어 있지 않습니다. 다시 조회하십시오.';
    END IF;
    v_booked := slot_booked(v_date, v_item, v_rec, v_detail);
    IF st = '3' THEN
        IF v_booked > 0 THEN
            RAISE EXCEPTION '예약된 인원이 %명 있어 삭제할 수 없습니다.', v_booked;
        END IF;
        DELETE FROM ec040ms
         WHERE yaeyak_date = v_date AND lecture_item_gubun = v_item AND lecture_rec_gubun = v_rec
           AND lecture_detail_gubun = v_detail;
    ELSE
        IF v_cnt < v_booked THEN
            RAISE EXCEPTION '예약가능인원을 이미 예약된 인원(%명)보다 적게 할 수 없습니다.', v_booked;
        END IF;
        UPDATE ec040ms
           SET (yaeyak_ability_cnt, remark) = (v_cnt, v_rmk),
               (au_emp_no, au_ip, au_date) = (au.emp_no, au.ip, au.at)
         WHERE yaeyak_date = v_date AND lecture_item_gubun = v_item AND lecture_rec_gubun = v_rec
           AND lecture_detail_gubun = v_detail;
    END IF;
END
$$;

-- A staff booking. Against the usual edit statuses: AEDITSTATUS "1" books,
-- "2" cancels (the screen's own convention).
-- Book: the slot row is locked first, so that bookings of one slot take
-- turns; then, on the server's date and counts: the date after today, the
-- slot open, no booking of the employee yet, and the places left. Each
-- refusal is the text the screen shows, with the places counted here.
-- Cancel: the booking moves to the history (ec050hs) with its reason and
-- is gone from every count; a booking already gone is refused as such.
CREATE OR REPLACE FUNCTION pr_eci050_01(
    ayaeyak_date          text DEFAULT NULL,
    alecture_item_gubun   text DEFAULT NULL,
    alecture_rec_gubun    text DEFAULT NULL,
    alecture_detail_gubun text DEFAULT NULL,
    aemp_no               text DEFAULT NULL,
    aemp_name             text DEFAULT NULL,
    ayaeyak_cnt           text DEFAULT NULL,
    aremark               text DEFAULT NULL,
    acancel_remark        text DEFAULT NULL,
    au_emp_no             text DEFAULT NULL,
    au_ip                 text DEFAULT NULL,
    aeditstatus           text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st       text    := edit_status(aeditstatus, '12');
    au       record  := audit(au_emp_no, au_ip);
    v_date   text    := check_date(ayaeyak_date, '예약일자', true);
    v_item   text    := check_zx_key(alecture_item_gubun, 'E0022', 2, '강습종목구분');
    v_rec    text    := check_zx_key(alecture_rec_gubun, 'E0023', 2, '강습접수구분');
    v_detail text    := check_zx_key(alecture_detail_gubun, 'E0024', 2, '강습세부구분');
    v_emp    text    := check_key(aemp_no, 20, '사번');
    v_name   text;
    v_cnt    integer;
    v_rmk    text;
    v_why    text    := CASE WHEN aeditstatus = '2' THEN check_text(acancel_remark, 80, '취소사유') END;
    v_open   integer;
    v_booked integer;
    b        ec050ms%ROWTYPE;
BEGIN
    IF st = '1' THEN
        v_name := check_text(aemp_name, 60, '사원명', true);
        v_cnt := check_int(ayaeyak_cnt, 1, 9999, '강습인원', true);
        v_rmk := check_text(aremark, 500, '비고');
        IF v_date <= to_char(au.at, 'YYYYMMDD') THEN
            RAISE EXCEPTION '지난일자[오늘일자 포함]는 예약할 수 없습니다';
        END IF;
        SELECT yaeyak_ability_cnt INTO v_open FROM ec040ms
         WHERE yaeyak_date = v_date AND lecture_item_gubun = v_item AND lecture_rec_gubun = v_rec
           AND lecture_detail_gubun = v_detail
           FOR UPDATE;
        v_booked := slot_booked(v_date, v_item, v_rec, v_detail);
        IF EXISTS (SELECT 1 FROM ec050ms
                    WHERE yaeyak_date = v_date AND lecture_item_gubun = v_item AND lecture_rec_gubun = v_rec
                      AND lecture_detail_gubun = v_detail AND btrim(emp_no) = v_emp) THEN
            RAISE EXCEPTION '선택한신 강습은 이미 예약이 되었습니다';
        END IF;
        -- A slot without places (never opened, or deleted since the search) has none free.
        IF COALESCE(v_open, 0) - v_booked - v_cnt < 0 THEN
            RAISE EXCEPTION '예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [% 명]입니다',
                COALESCE(v_open, 0) - v_booked;
        END IF;
        INSERT INTO ec050ms (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun, emp_no,
                             emp_name, yaeyak_cnt, remark, au_emp_no, au_ip, au_date)
        VALUES (v_date, v_item, v_rec, v_detail, v_emp, v_name, v_cnt, v_rmk, au.emp_no, au.ip, au.at);
        RETURN;
    END IF;

    PERFORM 1 FROM ec040ms
     WHERE yaeyak_date = v_date AND lecture_item_gubun = v_item AND lecture_rec_gubun = v_rec
       AND lecture_detail_gubun = v_detail
       FOR UPDATE;
    DELETE FROM ec050ms
     WHERE yaeyak_date = v_date AND lecture_item_gubun = v_item AND lecture_rec_gubun = v_rec
       AND lecture_detail_gubun = v_detail AND btrim(emp_no) = v_emp
    RETURNING * INTO b;
    IF NOT FOUND THEN
        RAISE EXCEPTION '이미 취소되었거나 없는 예약입니다. 다시 조회하십시오.';
    END IF;
    INSERT INTO ec050hs (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun, emp_no,
                         emp_name, yaeyak_cnt, remark, booked_emp_no, booked_ip, booked_date, cancel_remark,
                         au_emp_no, au_ip, au_date)
    VALUES (b.yaeyak_date, b.lecture_item_gubun, b.lecture_rec_gubun, b.lecture_detail_gubun, b.emp_no,
            b.emp_name, b.yaeyak_cnt, b.remark, b.au_emp_no, b.au_ip, b.au_date,
            v_why, au.emp_no, au.ip, au.at);
END
$$;
