-- Storage records of the ski-storage counter, one call per row change:
-- AEDITSTATUS '2' new (the server issues KEEP_NO and returns it in
-- ANEW_KEEP_NO as the screen shows it, ten digits), '1' changed, '3' deleted.
-- A change or delete carries the row's version as read (AROW_VER).
SELECT kest_private.drop_without('pr_ebi050_01', 'arow_ver');
CREATE OR REPLACE FUNCTION pr_ebi050_01(
    aseason_gubun text DEFAULT NULL, aarea_gubun text DEFAULT NULL,
    akeep_no text DEFAULT NULL, akeep_stat text DEFAULT NULL,
    aipgo_date text DEFAULT NULL, achulgo_date text DEFAULT NULL,
    aguest_no text DEFAULT NULL, aguest_name text DEFAULT NULL,
    akeep_gubun text DEFAULT NULL, aequip_gubun text DEFAULT NULL,
    aequip_name_gubun text DEFAULT NULL, aequip_name_etc text DEFAULT NULL,
    anative_no text DEFAULT NULL, apoels_yn text DEFAULT NULL, apoels_name text DEFAULT NULL,
    amember_no text DEFAULT NULL, akeep_name text DEFAULT NULL, azip_code text DEFAULT NULL,
    aaddr1 text DEFAULT NULL, aaddr2 text DEFAULT NULL,
    atel_no text DEFAULT NULL, amobile_no text DEFAULT NULL,
    akeep_box_no text DEFAULT NULL, aremark text DEFAULT NULL,
    aconf_question text DEFAULT NULL, aconf_answer text DEFAULT NULL,
    arow_ver text DEFAULT NULL, au_emp_no text DEFAULT NULL, au_ip text DEFAULT NULL, aeditstatus text DEFAULT NULL,
    OUT anew_keep_no text)
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st       text   := edit_status(aeditstatus);
    au       record := audit(au_emp_no, au_ip);
    v_season text   := check_zx_key(upper(aseason_gubun), 'E0004', 2, '시즌');
    v_area   text   := check_zx_key(aarea_gubun, 'E0017', 2, '지역구분');
    v_no     bigint;
    v_ver    integer;
    r        eb050ms%ROWTYPE;
BEGIN
    IF st IN ('1', '3') THEN
        v_no := check_int(akeep_no, 1, 9999999999, '보관번호', true);
        SELECT row_ver INTO v_ver FROM eb050ms
         WHERE season_gubun = v_season AND area_gubun = v_area AND keep_no = v_no
           FOR UPDATE;
        IF FOUND THEN
            PERFORM check_row_ver(v_ver, arow_ver);
        END IF;
    END IF;
    IF st = '3' THEN
        DELETE FROM eb050ms
         WHERE season_gubun = v_season AND area_gubun = v_area AND keep_no = v_no;
        RETURN;
    END IF;

    r.keep_stat        := check_code(akeep_stat, '{K,R}', '보관상태', true);
    r.ipgo_date        := check_date(aipgo_date, '입고일자', true);
    r.chulgo_date      := check_date(achulgo_date, '출고일자');
    r.guest_no         := check_text(aguest_no, 10, '우대번호');
    r.guest_name       := check_text(aguest_name, 30, '우대명');
    r.keep_gubun       := check_zx_key(akeep_gubun, 'E0016', 2, '보관구분');
    r.equip_gubun      := check_zx_key(aequip_gubun, 'E0009', 2, '장비구분');
    r.equip_name_gubun := check_zx_key(aequip_name_gubun, 'E0021', 2, '장비명');
    r.equip_name_etc   := check_text(aequip_name_etc, 40, '장비명기타');
    r.native_no        := check_text(anative_no, 40, '고유번호', true);
    r.poels_yn         := check_code(apoels_yn, '{Y,N}', '폴유무');
    r.poels_name       := check_text(apoels_name, 40, '폴명');
    r.member_no        := check_text(amember_no, 10, '회원번호');
    r.keep_name        := check_text(akeep_name, 30, '보관자명', true);
    r.zip_code         := check_text(azip_code, 6, '우편번호');
    r.addr1            := enc(check_text(aaddr1, 60, '주소'));
    r.addr2            := enc(check_text(aaddr2, 60, '상세주소'));
    r.tel_no           := enc(check_text(atel_no, 20, '연락처(자택)'));
    r.mobile_no        := enc(check_text(amobile_no, 20, '연락처(핸드폰)'));
    r.keep_box_no      := check_text(akeep_box_no, 10, '보관함번호', true);
    r.remark           := check_text(aremark, 60, '비고');
    r.conf_question    := check_text(aconf_question, 80, '질문');
    r.conf_answer      := check_text(aconf_answer, 80, '답변');
    PERFORM check_period(r.ipgo_date, r.chulgo_date, '입고일자', '출고일자');
    IF r.keep_stat = 'R' AND r.chulgo_date IS NULL THEN
        RAISE EXCEPTION '보관상태가 [불출]일 경우 출고일을 입력하십시요';
    END IF;

    r.season_gubun := v_season;
    r.area_gubun := v_area;
    r.au_emp_no := au.emp_no;
    r.au_ip := au.ip;
    r.au_date := au.at;
    -- A new record starts at version 1; a change raises the version read under the lock.
    r.row_ver := coalesce(v_ver, 0) + 1;
    IF st = '2' THEN
        -- The counter row of the season and area stays locked until the
        -- caller's transaction ends: concurrent counters wait, never share.
        r.keep_no := next_number('eb050ms', (SELECT max(keep_no) FROM eb050ms
                                              WHERE season_gubun = v_season AND area_gubun = v_area),
                                 v_season, v_area);
        INSERT INTO eb050ms SELECT r.*;
        anew_keep_no := to_char(r.keep_no, 'FM0000000000');
    ELSE
        r.keep_no := v_no;
        -- Another counter deleted it meanwhile: the change must not pass as saved.
        IF NOT update_row('eb050ms', r, '{season_gubun,area_gubun,keep_no}') THEN
            RAISE EXCEPTION '보관번호 % 의 자료가 없습니다. 다시 조회하십시오.', to_char(v_no, 'FM0000000000');
        END IF;
    END IF;
END
$$;
