-- Storage records of the ski-storage counter, one call per row change:
-- AEDITSTATUS '2' new (the server issues KEEP_NO and returns it in
-- ANEW_KEEP_NO as the screen shows it, ten digits), '1' changed, '3' deleted.
CREATE FUNCTION pr_ebi050_01(
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
    au_emp_no text DEFAULT NULL, au_ip text DEFAULT NULL, aeditstatus text DEFAULT NULL,
    OUT anew_keep_no text)
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    v_season text := upper(NULLIF(TRIM(aseason_gubun), ''));
    v_area   text := NULLIF(TRIM(aarea_gubun), '');
    v_no     bigint;
BEGIN
    IF v_season IS NULL OR v_area IS NULL THEN
        RAISE EXCEPTION '시즌과 지역구분이 없습니다.' USING ERRCODE = 'P0001';
    END IF;
    IF aeditstatus NOT IN ('1', '2', '3') OR aeditstatus IS NULL THEN
        RAISE EXCEPTION '알 수 없는 편집상태입니다: %', aeditstatus USING ERRCODE = 'P0001';
    END IF;

    IF aeditstatus IN ('1', '3') THEN
        IF NULLIF(TRIM(akeep_no), '') IS NULL OR TRIM(akeep_no) !~ '^[0-9]+$' THEN
            RAISE EXCEPTION '보관번호가 올바르지 않습니다: %', akeep_no USING ERRCODE = 'P0001';
        END IF;
        v_no := TRIM(akeep_no)::bigint;
    END IF;

    IF aeditstatus = '3' THEN
        DELETE FROM eb050ms
         WHERE season_gubun = v_season AND area_gubun = v_area AND keep_no = v_no;
        RETURN;
    END IF;

    -- Dates reach the table only as real dates.
    IF NULLIF(aipgo_date, '') IS NULL OR aipgo_date !~ '^[0-9]{8}$'
       OR to_char(to_date(aipgo_date, 'YYYYMMDD'), 'YYYYMMDD') <> aipgo_date THEN
        RAISE EXCEPTION '입고일자가 올바르지 않습니다: %', aipgo_date USING ERRCODE = 'P0001';
    END IF;
    IF NULLIF(achulgo_date, '') IS NOT NULL AND (achulgo_date !~ '^[0-9]{8}$'
       OR to_char(to_date(achulgo_date, 'YYYYMMDD'), 'YYYYMMDD') <> achulgo_date) THEN
        RAISE EXCEPTION '출고일자가 올바르지 않습니다: %', achulgo_date USING ERRCODE = 'P0001';
    END IF;
    IF akeep_stat = 'R' AND NULLIF(achulgo_date, '') IS NULL THEN
        RAISE EXCEPTION '보관상태가 [불출]일 경우 출고일을 입력하십시요' USING ERRCODE = 'P0001';
    END IF;

    IF aeditstatus = '2' THEN
        -- The counter row of the season and area stays locked until the
        -- caller's transaction ends: concurrent counters wait, never share.
        v_no := kest_private.next_number('eb050ms:' || v_season || ':' || v_area,
                    (SELECT max(keep_no) FROM eb050ms WHERE season_gubun = v_season AND area_gubun = v_area));
        INSERT INTO eb050ms (season_gubun, area_gubun, keep_no, keep_stat, ipgo_date, chulgo_date,
                             guest_no, guest_name, keep_gubun, equip_gubun, equip_name_gubun,
                             equip_name_etc, native_no, poels_yn, poels_name, member_no, keep_name,
                             zip_code, addr1, addr2, tel_no, mobile_no, keep_box_no, remark,
                             conf_question, conf_answer, au_emp_no, au_ip, au_date)
        VALUES (v_season, v_area, v_no, NULLIF(akeep_stat, ''), aipgo_date, NULLIF(achulgo_date, ''),
                NULLIF(aguest_no, ''), NULLIF(aguest_name, ''), NULLIF(akeep_gubun, ''),
                NULLIF(aequip_gubun, ''), NULLIF(aequip_name_gubun, ''), NULLIF(aequip_name_etc, ''),
                NULLIF(anative_no, ''), NULLIF(apoels_yn, ''), NULLIF(apoels_name, ''),
                NULLIF(amember_no, ''), NULLIF(akeep_name, ''), NULLIF(azip_code, ''),
                enc(aaddr1), enc(aaddr2), enc(atel_no), enc(amobile_no),
                NULLIF(akeep_box_no, ''), NULLIF(aremark, ''), NULLIF(aconf_question, ''),
                NULLIF(aconf_answer, ''), NULLIF(au_emp_no, ''), NULLIF(au_ip, ''), LOCALTIMESTAMP(0));
        anew_keep_no := to_char(v_no, 'FM0000000000');
        RETURN;
    END IF;

    UPDATE eb050ms
       SET keep_stat = NULLIF(akeep_stat, ''), ipgo_date = aipgo_date,
           chulgo_date = NULLIF(achulgo_date, ''), guest_no = NULLIF(aguest_no, ''),
           guest_name = NULLIF(aguest_name, ''), keep_gubun = NULLIF(akeep_gubun, ''),
           equip_gubun = NULLIF(aequip_gubun, ''), equip_name_gubun = NULLIF(aequip_name_gubun, ''),
           equip_name_etc = NULLIF(aequip_name_etc, ''), native_no = NULLIF(anative_no, ''),
           poels_yn = NULLIF(apoels_yn, ''), poels_name = NULLIF(apoels_name, ''),
           member_no = NULLIF(amember_no, ''), keep_name = NULLIF(akeep_name, ''),
           zip_code = NULLIF(azip_code, ''), addr1 = enc(aaddr1), addr2 = enc(aaddr2),
           tel_no = enc(atel_no), mobile_no = enc(amobile_no),
           keep_box_no = NULLIF(akeep_box_no, ''), remark = NULLIF(aremark, ''),
           conf_question = NULLIF(aconf_question, ''), conf_answer = NULLIF(aconf_answer, ''),
           au_emp_no = NULLIF(pr_ebi050_01.au_emp_no, ''), au_ip = NULLIF(pr_ebi050_01.au_ip, ''),
           au_date = LOCALTIMESTAMP(0)
     WHERE season_gubun = v_season AND area_gubun = v_area AND keep_no = v_no;
    -- Another counter deleted it meanwhile: the change must not pass as saved.
    IF NOT FOUND THEN
        RAISE EXCEPTION '보관번호 % 의 자료가 없습니다. 다시 조회하십시오.', to_char(v_no, 'FM0000000000')
            USING ERRCODE = 'P0001';
    END IF;
END
$$;
