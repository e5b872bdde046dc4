-- Writes of the patrol accident records.

-- Whether an employee may record where an accident happened and where the
-- person was hurt: a personal grant ('Y') on EES010W of the suite's
-- permission table. Nobody holds it until it is given.
CREATE OR REPLACE FUNCTION fn_ee010ms_markers(aemp_no text) RETURNS boolean
LANGUAGE sql STABLE
SET search_path = ktuser, pg_temp AS $$
    SELECT EXISTS (SELECT 1
                     FROM za150ms
                    WHERE emp_no = aemp_no
                      AND project_id = 'KEST_E'
                      AND program_id = 'EES010W'
                      AND add_yn = 'Y')
$$;

-- One accident: insert ('2'), update ('1') or delete ('3') by date and
-- number. A new accident's number is issued here from a counter per date,
-- whatever the screen sent; the counter row stays locked until the caller's
-- transaction ends, so two counters saving the same date never share one.
-- Codes must be rows of their groups; personal columns are stored
-- encrypted. ATEST is accepted and ignored. A change or delete carries the
-- record's version as read (AROW_VER).
-- Markers placed or moved need fn_ee010ms_markers: without it a new record
-- keeps their start and a stored one what it has.
SELECT kest_private.drop_without('pr_eei010_01', 'arow_ver');
CREATE OR REPLACE FUNCTION pr_eei010_01(
    atrob_date text DEFAULT NULL,
    atrob_no                   text DEFAULT NULL,
    arow_ver                   text DEFAULT NULL,
    apeak_gubun                text DEFAULT NULL,
    ain_name                   text DEFAULT NULL,
    atrob_time                 text DEFAULT NULL,
    atrob_time_gubun           text DEFAULT NULL,
    aweather_stat_gubun        text DEFAULT NULL,
    atemperature               text DEFAULT NULL,
    atp_course_gubun           text DEFAULT NULL,
    atp_lift_gubun             text DEFAULT NULL,
    atp_detail_desc            text DEFAULT NULL,
    atp_courselevel_gubun      text DEFAULT NULL,
    atp_snow_gugubn            text DEFAULT NULL,
    atp_snowkind_gubun         text DEFAULT NULL,
    atp_etc                    text DEFAULT NULL,
    atp_classify_gubun         text DEFAULT NULL,
    ain_sex                    text DEFAULT NULL,
    ain_age                    text DEFAULT NULL,
    ain_height                 text DEFAULT NULL,
    ain_weight                 text DEFAULT NULL,
    ain_zip_code               text DEFAULT NULL,
    ain_addr1                  text DEFAULT NULL,
    ain_addr2                  text DEFAULT NULL,
    ain_id_no                  text DEFAULT NULL,
    ain_tel_no                 text DEFAULT NULL,
    ain_job                    text DEFAULT NULL,
    ain_position_gubun         text DEFAULT NULL,
    ain_detail_gubun           text DEFAULT NULL,
    ain_stat_gubun             text DEFAULT NULL,
    ain_stat_etc               text DEFAULT NULL,
    ain_cause_gubun            text DEFAULT NULL,
    ain_cause_etc              text DEFAULT NULL,
    ain_factor_gubun           text DEFAULT NULL,
    ain_factor_etc             text DEFAULT NULL,
    ain_level_gubun            text DEFAULT NULL,
    ain_dayski_gubun           text DEFAULT NULL,
    ain_dayuse_gubun           text DEFAULT NULL,
    ain_lecture_gubun          text DEFAULT NULL,
    ain_ski_name               text DEFAULT NULL,
    ain_ski_size_gubun         text DEFAULT NULL,
    ain_binding_name           text DEFAULT NULL,
    ain_boots_name             text DEFAULT NULL,
    ain_boots_size_gubun       text DEFAULT NULL,
    ain_article_name           text DEFAULT NULL,
    ain_rent_gubun             text DEFAULT NULL,
    ain_rent_place             text DEFAULT NULL,
    ain_binding_test_gubun     text DEFAULT NULL,
    ain_ski_loose_gubun        text DEFAULT NULL,
    ain_binding_strength_gubun text DEFAULT NULL,
    ain_binding_left_f         text DEFAULT NULL,
    ain_binding_left_b         text DEFAULT NULL,
    ain_binding_right_f        text DEFAULT NULL,
    ain_binding_right_b        text DEFAULT NULL,
    awi_name                   text DEFAULT NULL,
    awi_id_no                  text DEFAULT NULL,
    awi_tel_no                 text DEFAULT NULL,
    awi_acc_stat               text DEFAULT NULL,
    awi_trob_detail            text DEFAULT NULL,
    apt_photo_gubun            text DEFAULT NULL,
    apt_photo_name             text DEFAULT NULL,
    aev_method_gubun           text DEFAULT NULL,
    aev_means_gubun            text DEFAULT NULL,
    aev_etc                    text DEFAULT NULL,
    ame_spot_time              text DEFAULT NULL,
    ame_name                   text DEFAULT NULL,
    ame_tel_no                 text DEFAULT NULL,
    ame_emergency              text DEFAULT NULL,
    ame_medical_time           text DEFAULT NULL,
    ame_medical_name           text DEFAULT NULL,
    ame_patient_stat           text DEFAULT NULL,
    ame_after                  text DEFAULT NULL,
    ate_means_gubun            text DEFAULT NULL,
    ate_object_gubun           text DEFAULT NULL,
    aco_name                   text DEFAULT NULL,
    aco_id_no                  text DEFAULT NULL,
    aco_tel_no                 text DEFAULT NULL,
    aco_zip_code               text DEFAULT NULL,
    aco_addr1                  text DEFAULT NULL,
    aco_addr2                  text DEFAULT NULL,
    atrob_point_x              text DEFAULT NULL,
    atrob_point_y              text DEFAULT NULL,
    aregion_f_x                text DEFAULT NULL,
    aregion_f_y                text DEFAULT NULL,
    aregion_b_x                text DEFAULT NULL,
    aregion_b_y                text DEFAULT NULL,
    atest                      text DEFAULT NULL,
    au_emp_no                  text DEFAULT NULL,
    au_ip                      text DEFAULT NULL,
    aeditstatus                text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st      text   := edit_status(aeditstatus);
    au      record := audit(au_emp_no, au_ip);
    v_date  text   := check_date(atrob_date, '사고일자', true);
    v_no    integer;
    v_ver   integer;
    v_moved boolean := false;
    r       ee010ms%ROWTYPE;
BEGIN
    IF st IN ('1', '3') THEN
        v_no := check_int(atrob_no, 1, 9999, '사고번호', true);
        SELECT row_ver INTO v_ver FROM ee010ms WHERE trob_date = v_date AND trob_no = v_no FOR UPDATE;
        IF FOUND THEN
            PERFORM check_row_ver(v_ver, arow_ver);
        END IF;
    END IF;
    IF st = '3' THEN
        DELETE FROM ee010ms WHERE trob_date = v_date AND trob_no = v_no;
        RETURN; -- already gone: the operator's wish holds
    END IF;

    r.peak_gubun                := check_zx_code(apeak_gubun, 'E0027', 16, 'PEAK구분');
    r.in_name                   := check_text(ain_name, 30, '부상자명', true);
    r.trob_time                 := check_hhmm(atrob_time, '사고시간', true);
    r.trob_time_gubun           := check_zx_code(atrob_time_gubun, 'E0028', 4, '사고시간구분');
    r.weather_stat_gubun        := check_zx_code(aweather_stat_gubun, 'E0029', 16, '기상상태구분');
    r.temperature               := check_int(atemperature, -50, 50, '기온');
    r.tp_course_gubun           := check_zx_code(atp_course_gubun, 'E0006', 16, '코스구분');
    r.tp_lift_gubun             := check_zx_code(atp_lift_gubun, 'E0007', 16, '리프트구분');
    r.tp_detail_desc            := check_text(atp_detail_desc, 80, '구체적기술');
    r.tp_courselevel_gubun      := check_zx_code(atp_courselevel_gubun, 'E0030', 16, '코스난이도구분');
    r.tp_snow_gugubn            := check_zx_code(atp_snow_gugubn, 'E0031', 16, '눈구분');
    r.tp_snowkind_gubun         := check_zx_code(atp_snowkind_gubun, 'E0032', 16, '눈종류구분');
    r.tp_etc                    := check_text(atp_etc, 80, '코스상태기타');
    r.tp_classify_gubun         := check_zx_code(atp_classify_gubun, 'E0033', 16, '코스상태분류');
    r.in_sex                    := check_zx_code(ain_sex, 'Z0008', 16, '성별');
    r.in_age                    := check_digits(ain_age, 1, 3, '나이', true);
    r.in_height                 := check_digits(ain_height, 1, 3, '신장');
    r.in_weight                 := check_digits(ain_weight, 1, 3, '체중');
    r.in_zip_code               := check_digits(ain_zip_code, 6, 6, '우편번호');
    r.in_addr1                  := enc(check_text(ain_addr1, 60, '주소1'));
    r.in_addr2                  := enc(check_text(ain_addr2, 60, '주소2'));
    r.in_id_no                  := enc(check_digits(ain_id_no, 13, 13, '주민번호', true));
    r.in_tel_no                 := enc(check_text(ain_tel_no, 20, '연락처', true));
    r.in_job                    := check_text(ain_job, 40, '직업');
    r.in_position_gubun         := check_zx_code(ain_position_gubun, 'E0034', 16, '부상위치구분');
    r.in_detail_gubun           := check_zx_code(ain_detail_gubun, 'E0035', 16, '부상상세구분');
    r.in_stat_gubun             := check_zx_code(ain_stat_gubun, 'E0036', 16, '부상상태구분');
    r.in_stat_etc               := check_text(ain_stat_etc, 40, '부상상태기타');
    r.in_cause_gubun            := check_zx_code(ain_cause_gubun, 'E0037', 16, '부상원인구분');
    r.in_cause_etc              := check_text(ain_cause_etc, 40, '부상원인기타');
    r.in_factor_gubun           := check_zx_code(ain_factor_gubun, 'E0038', 16, '부상요인구분');
    r.in_factor_etc             := check_text(ain_factor_etc, 40, '부상요인기타');
    r.in_level_gubun            := check_zx_code(ain_level_gubun, 'E0039', 16, '수준구분');
    r.in_dayski_gubun           := check_zx_code(ain_dayski_gubun, 'E0040', 16, '당일스키탄시간');
    r.in_dayuse_gubun           := check_zx_code(ain_dayuse_gubun, 'E0041', 16, '스키장사용일수');
    r.in_lecture_gubun          := check_zx_code(ain_lecture_gubun, 'E0042', 16, '강습이수구분');
    r.in_ski_name               := check_text(ain_ski_name, 40, '사용장비');
    r.in_ski_size_gubun         := check_zx_code(ain_ski_size_gubun, 'E0010', 16, '스키사이즈');
    r.in_binding_name           := check_text(ain_binding_name, 40, '바인딩명');
    r.in_boots_name             := check_text(ain_boots_name, 40, '부츠명');
    r.in_boots_size_gubun       := check_zx_code(ain_boots_size_gubun, 'E0011', 16, '부츠사이즈');
    r.in_article_name           := check_text(ain_article_name, 40, '품명');
    r.in_rent_gubun             := check_zx_code(ain_rent_gubun, 'E0043', 16, '대여구분');
    r.in_rent_place             := check_text(ain_rent_place, 40, '대여장소');
    r.in_binding_test_gubun     := check_zx_code(ain_binding_test_gubun, 'E0044', 16, '바인딩테스트');
    r.in_ski_loose_gubun        := check_zx_code(ain_ski_loose_gubun, 'E0045', 16, '스키풀림');
    r.in_binding_strength_gubun := check_zx_code(ain_binding_strength_gubun, 'E0046', 16, '바인딩강도구분');
    r.in_binding_left_f         := check_int(ain_binding_left_f, 0, 30, '바인딩강도(좌앞)');
    r.in_binding_left_b         := check_int(ain_binding_left_b, 0, 30, '바인딩강도(좌뒤)');
    r.in_binding_right_f        := check_int(ain_binding_right_f, 0, 30, '바인딩강도(우앞)');
    r.in_binding_right_b        := check_int(ain_binding_right_b, 0, 30, '바인딩강도(우뒤)');
    r.wi_name                   := check_text(awi_name, 30, '목격자 성명');
    r.wi_id_no                  := enc(check_digits(awi_id_no, 13, 13, '목격자 주민등록번호'));
    r.wi_tel_no                 := enc(check_text(awi_tel_no, 20, '목격자 연락처'));
    r.wi_acc_stat               := check_text(awi_acc_stat, 80, '접근시현장상황');
    r.wi_trob_detail            := check_text(awi_trob_detail, 80, '사고발생경위');
    r.pt_photo_gubun            := check_zx_code(apt_photo_gubun, 'E0051', 16, '사진촬영여부');
    r.pt_photo_name             := check_text(apt_photo_name, 30, '사진촬영자');
    r.ev_method_gubun           := check_zx_code(aev_method_gubun, 'E0047', 16, '후송방법');
    r.ev_means_gubun            := check_zx_code(aev_means_gubun, 'E0048', 16, '후송수단');
    r.ev_etc                    := check_text(aev_etc, 40, '후송수단기타');
    r.me_spot_time              := check_hhmm(ame_spot_time, '현장도착시간');
    r.me_name                   := check_text(ame_name, 30, '처리자');
    r.me_tel_no                 := enc(check_text(ame_tel_no, 30, '처리자 연락처'));
    r.me_emergency              := check_text(ame_emergency, 80, '응급조치사항');
    r.me_medical_time           := check_hhmm(ame_medical_time, '의무실 도착시간');
    r.me_medical_name           := check_text(ame_medical_name, 40, '의료진');
    r.me_patient_stat           := check_text(ame_patient_stat, 80, '환자상태');
    r.me_after                  := check_text(ame_after, 80, '의무실 조치사항');
    r.te_means_gubun            := check_zx_code(ate_means_gubun, 'E0049', 16, '2차후송수단');
    r.te_object_gubun           := check_zx_code(ate_object_gubun, 'E0050', 16, '2차후송목적지');
    r.co_name                   := check_text(aco_name, 30, '충돌자 성명');
    r.co_id_no                  := enc(check_digits(aco_id_no, 13, 13, '충돌자 주민등록번호'));
    r.co_tel_no                 := enc(check_text(aco_tel_no, 20, '충돌자 연락처'));
    r.co_zip_code               := check_digits(aco_zip_code, 6, 6, '충돌자 우편번호');
    r.co_addr1                  := enc(check_text(aco_addr1, 60, '충돌자 주소1'));
    r.co_addr2                  := enc(check_text(aco_addr2, 60, '충돌자 주소2'));
    r.trob_point_x              := check_int(atrob_point_x, 0, 9999, '사고발생지점 X좌표');
    r.trob_point_y              := check_int(atrob_point_y, 0, 9999, '사고발생지점 Y좌표');
    r.region_f_x                := check_int(aregion_f_x, 0, 9999, '부상부위(앞) X좌표');
    r.region_f_y                := check_int(aregion_f_y, 0, 9999, '부상부위(앞) Y좌표');
    r.region_b_x                := check_int(aregion_b_x, 0, 9999, '부상부위(뒤) X좌표');
    r.region_b_y                := check_int(aregion_b_y, 0, 9999, '부상부위(뒤) Y좌표');

    IF st = '2' THEN
        r.trob_no := next_number('ee010ms', (SELECT max(trob_no) FROM ee010ms WHERE trob_date = v_date), v_date);
        IF r.trob_no > 9999 THEN
            RAISE EXCEPTION '사고번호가 모두 사용되었습니다. (사고일자 %)', v_date;
        END IF;
    ELSE
        r.trob_no := v_no;
    END IF;
    r.trob_date := v_date;
    r.au_emp_no := au.emp_no;
    r.au_ip := au.ip;
    r.au_date := au.at;
    -- A new record starts at version 1; a change raises the version read under the lock.
    r.row_ver := coalesce(v_ver, 0) + 1;

    -- The markers are the grant holder's: without it a new record keeps
    -- their start (or none), a stored one the positions it has.
    IF NOT fn_ee010ms_markers(au.emp_no) THEN
        IF st = '2' THEN
            v_moved := (coalesce(r.trob_point_x, 0), coalesce(r.trob_point_y, 0), coalesce(r.region_f_x, 8),
                        coalesce(r.region_f_y, 8), coalesce(r.region_b_x, 8), coalesce(r.region_b_y, 8))
                       <> (0, 0, 8, 8, 8, 8);
        ELSE
            SELECT (r.trob_point_x, r.trob_point_y, r.region_f_x, r.region_f_y, r.region_b_x, r.region_b_y)
                   IS DISTINCT FROM (s.trob_point_x, s.trob_point_y, s.region_f_x, s.region_f_y, s.region_b_x,
                                     s.region_b_y)
              INTO v_moved
              FROM ee010ms s
             WHERE s.trob_date = v_date AND s.trob_no = v_no;
        END IF;
        IF v_moved THEN
            RAISE EXCEPTION '사고발생지점과 부상부위를 기록할 권한이 없습니다.';
        END IF;
    END IF;

    IF st = '2' THEN
        INSERT INTO ee010ms SELECT r.*;
    ELSE
        IF NOT update_row('ee010ms', r, '{trob_date,trob_no}') THEN
            RAISE EXCEPTION '사고번호 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', lpad(v_no::text, 4, '0');
        END IF;
    END IF;
END
$$;
