-- Member registration: the members whose number begins with '20'.

-- The keyed hash of a resident number kept beside its encrypted form: equal
-- numbers give equal hashes, so a duplicate is found by ba040ms_id_no_hash,
-- while the hash alone does not give the number away without the key.
CREATE OR REPLACE FUNCTION kest_private.id_no_hash(id_no text, key bytea DEFAULT NULL) RETURNS bytea
LANGUAGE sql STABLE SECURITY DEFINER
SET search_path = kest_private, public, pg_temp AS $$
    SELECT CASE WHEN id_no IS NOT NULL
                THEN hmac(convert_to('ba040ms.id_no:' || id_no, 'UTF8'), COALESCE(key, key_bytes()), 'sha256') END
$$;

-- One member: insert ('2') or update ('1'). A new member's number is '20'
-- and eight digits, issued from a counter whose row stays locked until the
-- caller's transaction ends, so two clerks never get the same number; the
-- number comes back in amember_no, for the screen to keep (a second save of
-- the same member then updates it). A resident number another member holds
-- is refused, also when that member is being saved at the same moment.
CREATE OR REPLACE FUNCTION pr_egi020_01(
    aeditstatus        text DEFAULT NULL,
    INOUT amember_no   text DEFAULT NULL,
    amember_name       text DEFAULT NULL,
    amember_name_eng   text DEFAULT NULL,
    aid_no             text DEFAULT NULL,
    asex_code          text DEFAULT NULL,
    anation_code       text DEFAULT NULL,
    apassword_no       text DEFAULT NULL,
    abirth_day         text DEFAULT NULL,
    acalendar_code     text DEFAULT NULL,
    amemorial_day      text DEFAULT NULL,
    amemorial_day_code text DEFAULT NULL,
    amain_member_no    text DEFAULT NULL,
    ajob_code          text DEFAULT NULL,
    acompany_name      text DEFAULT NULL,
    apost_name         text DEFAULT NULL,
    aoffice_position   text DEFAULT NULL,
    ae_mail            text DEFAULT NULL,
    ahome_tel          text DEFAULT NULL,
    ahome_fax          text DEFAULT NULL,
    aoffice_tel        text DEFAULT NULL,
    aoffice_fax        text DEFAULT NULL,
    amobile_tel        text DEFAULT NULL,
    ahome_post         text DEFAULT NULL,
    ahome_address1     text DEFAULT NULL,
    ahome_address2     text DEFAULT NULL,
    aoffice_post       text DEFAULT NULL,
    aoffice_address1   text DEFAULT NULL,
    aoffice_address2   text DEFAULT NULL,
    ause_date_from     text DEFAULT NULL,
    ause_date_to       text DEFAULT NULL,
    amember_group_code text DEFAULT NULL,
    aguest_type        text DEFAULT NULL,
    agolf_code         text DEFAULT NULL,
    ause_room_type     text DEFAULT NULL,
    amember_remark     text DEFAULT NULL,
    au_emp_no          text DEFAULT NULL,
    au_ip              text DEFAULT NULL)
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st    text   := edit_status(aeditstatus, '12');
    au    record := audit(au_emp_no, au_ip);
    v_no  text;
    v_id  text;
    v_n   bigint;
    other text;
    r     ba040ms%ROWTYPE;
BEGIN
    IF st = '1' THEN
        v_no := check_key(amember_no, 20, '회원번호');
        IF v_no !~ '^20' THEN
            RAISE EXCEPTION '회원번호 % 은(는) 이 화면에서 저장할 수 없는 회원입니다.', v_no;
        END IF;
        PERFORM 1 FROM ba040ms WHERE member_no = v_no FOR UPDATE;
        IF NOT FOUND THEN
            RAISE EXCEPTION '회원번호 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', v_no;
        END IF;
    END IF;

    r.member_name       := check_text(clean(amember_name), 60, '회원명', true);
    r.member_name_eng   := check_text(amember_name_eng, 60, '회원구분');
    v_id                := check_digits(aid_no, 13, 13, '주민번호');
    r.id_no             := enc(v_id);
    r.id_no_hash        := id_no_hash(v_id);
    r.sex_code          := check_code(asex_code, '{1,2,Z}', '성별');
    r.nation_code       := check_text(anation_code, 10, '국적');
    r.password_no       := enc(check_text(apassword_no, 20, '비밀번호'));
    r.birth_day         := check_text(abirth_day, 8, '생일');
    r.calendar_code     := check_text(acalendar_code, 2, '양음력구분');
    r.memorial_day      := check_text(amemorial_day, 8, '기념일');
    r.memorial_day_code := check_text(amemorial_day_code, 2, '기념일구분');
    r.main_member_no    := check_text(amain_member_no, 20, '주회원번호');
    r.job_code          := check_text(ajob_code, 10, '직업');
    r.company_name      := check_text(acompany_name, 100, '직장명');
    r.post_name         := check_text(apost_name, 60, '부서명');
    r.office_position   := check_text(aoffice_position, 60, '직위');
    r.e_mail            := check_text(ae_mail, 100, 'E-Mail');
    r.home_tel          := enc(check_text(ahome_tel, 40, '자택전화'));
    r.home_fax          := enc(check_text(ahome_fax, 40, '자택팩스'));
    r.office_tel        := enc(check_text(aoffice_tel, 40, '직장전화'));
    r.office_fax        := enc(check_text(aoffice_fax, 40, '직장팩스'));
    r.mobile_tel        := enc(check_text(amobile_tel, 40, '휴대폰'));
    r.home_post         := check_digits(ahome_post, 6, 6, '우편번호');
    r.home_address1     := enc(check_text(ahome_address1, 100, '주소1'));
    r.home_address2     := enc(check_text(ahome_address2, 100, '주소2'));
    r.office_post       := check_digits(aoffice_post, 6, 6, '직장우편번호');
    r.office_address1   := enc(check_text(aoffice_address1, 100, '직장주소1'));
    r.office_address2   := enc(check_text(aoffice_address2, 100, '직장주소2'));
    r.use_date_from     := check_date(ause_date_from, '사용시작일자');
    r.use_date_to       := check_date(ause_date_to, '사용종료일자');
    PERFORM check_period(r.use_date_from, r.use_date_to, '사용시작일자', '사용종료일자');
    -- This registry's members all belong to group '20', whatever was sent.
    r.member_group_code := '20';
    r.guest_type        := check_text(aguest_type, 10, '고객유형');
    r.golf_code         := check_text(agolf_code, 10, '골프코드');
    r.use_room_type     := check_text(ause_room_type, 10, '객실유형');
    r.member_remark     := check_text(amember_remark, 200, '비고');
    r.au_emp_no := au.emp_no;
    r.au_ip := au.ip;
    r.au_date := au.at;

    IF st = '2' THEN
        v_n := next_number('ba040ms', (SELECT max(substr(member_no, 3)::bigint) FROM ba040ms
                                        WHERE member_no ~ '^20[0-9]{8}$'), '20');
        IF v_n > 99999999 THEN
            RAISE EXCEPTION '회원번호가 모두 사용되었습니다.';
        END IF;
        v_no := '20' || lpad(v_n::text, 8, '0');
    END IF;
    r.member_no := v_no;

    SELECT member_no INTO other FROM ba040ms WHERE id_no_hash = r.id_no_hash AND member_no <> v_no;
    IF FOUND THEN
        RAISE EXCEPTION '주민번호가 이미 등록된 회원(%)의 주민번호입니다.', other;
    END IF;
    BEGIN
        IF st = '2' THEN
            INSERT INTO ba040ms SELECT r.*;
        ELSE
            PERFORM update_row('ba040ms', r, '{member_no}');
        END IF;
    EXCEPTION WHEN unique_violation THEN
        -- The same number saved meanwhile by another clerk, whose save came first.
        SELECT member_no INTO other FROM ba040ms WHERE id_no_hash = r.id_no_hash AND member_no <> v_no;
        RAISE EXCEPTION '주민번호가 이미 등록된 회원(%)의 주민번호입니다.', COALESCE(other, '-');
    END;
    amember_no := v_no;
END
$$;
