-- Writes of the private lessons, lesson accidents, partner-group lesson
-- days, the Interski instructors' weekday places and the Interski bookings.

-- One private lesson of a day: update ('1'), insert ('2') or delete ('3')
-- by date and sequence. A new lesson's sequence is issued here from a
-- counter per date, whatever the screen sent; the counter row stays locked
-- until the caller's transaction ends, so two clerks saving the same date
-- never share one.
CREATE OR REPLACE FUNCTION pr_eci060_01(
    alecture_date        text DEFAULT NULL,
    aseq_no              text DEFAULT NULL,
    alecturer_name       text DEFAULT NULL,
    atel_no              text DEFAULT NULL,
    aissue_no            text DEFAULT NULL,
    alecture_item_gubun  text DEFAULT NULL,
    alecture_rec_gubun   text DEFAULT NULL,
    alecture_detail_gubun text DEFAULT NULL,
    alecture_amt         text DEFAULT NULL,
    aremark              text DEFAULT NULL,
    au_emp_no            text DEFAULT NULL,
    au_ip                text DEFAULT NULL,
    aeditstatus          text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st     text   := edit_status(aeditstatus);
    au     record := audit(au_emp_no, au_ip);
    v_date text   := check_date(alecture_date, '강습일자', true);
    v_no   integer;
    r      ec060ms%ROWTYPE;
BEGIN
    IF st IN ('1', '3') THEN
        v_no := check_int(aseq_no, 1, 2147483647, '순번', true);
        PERFORM 1 FROM ec060ms WHERE lecture_date = v_date AND seq_no = v_no FOR UPDATE;
    END IF;
    IF st = '3' THEN
        DELETE FROM ec060ms WHERE lecture_date = v_date AND seq_no = v_no;
        RETURN; -- already gone: the operator's wish holds
    END IF;

    r.lecturer_name        := check_text(clean(alecturer_name), 60, '강사명', true);
    r.tel_no               := check_text(clean(atel_no), 40, '연락처');
    r.issue_no             := check_text(clean(aissue_no), 40, '자격증번호');
    r.lecture_item_gubun   := check_zx_code(alecture_item_gubun, 'E0022', 2, '강습종목구분');
    r.lecture_rec_gubun    := check_zx_code(alecture_rec_gubun, 'E0023', 2, '강습접수구분');
    r.lecture_detail_gubun := check_zx_code(alecture_detail_gubun, 'E0024', 2, '강습세부구분');
    r.lecture_amt          := coalesce(check_int(alecture_amt, 0, 9999999999, '금액'), 0);
    r.remark               := check_text(aremark, 80, '비고');
    r.lecture_date := v_date;
    r.au_emp_no := au.emp_no;
    r.au_ip := au.ip;
    r.au_date := au.at;

    IF st = '2' THEN
        r.seq_no := next_number('ec060ms', (SELECT max(seq_no) FROM ec060ms WHERE lecture_date = v_date), v_date);
        INSERT INTO ec060ms SELECT r.*;
    ELSE
        r.seq_no := v_no;
        IF NOT update_row('ec060ms', r, '{lecture_date,seq_no}') THEN
            RAISE EXCEPTION '순번 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', v_no;
        END IF;
    END IF;
END
$$;

-- One lesson accident of a day, numbered per date as the private lessons
-- are. The parties' resident numbers, phones and addresses are stored
-- encrypted; one read back unchanged keeps its stored cipher.
CREATE OR REPLACE FUNCTION pr_eci070_01(
    atrob_date        text DEFAULT NULL,
    aseq_no           text DEFAULT NULL,
    atrob_name        text DEFAULT NULL,
    alecturer_emp_no  text DEFAULT NULL,
    alecturer_name    text DEFAULT NULL,
    atrob_time        text DEFAULT NULL,
    atrob_place       text DEFAULT NULL,
    aloss_name        text DEFAULT NULL,
    aloss_job         text DEFAULT NULL,
    aloss_tel_no      text DEFAULT NULL,
    aloss_id_no       text DEFAULT NULL,
    aloss_zip_code    text DEFAULT NULL,
    aloss_addr1       text DEFAULT NULL,
    aloss_addr2       text DEFAULT NULL,
    aoffense_name     text DEFAULT NULL,
    aoffense_job      text DEFAULT NULL,
    aoffense_tel_no   text DEFAULT NULL,
    aoffense_id_no    text DEFAULT NULL,
    aoffense_zip_code text DEFAULT NULL,
    aoffense_addr1    text DEFAULT NULL,
    aoffense_addr2    text DEFAULT NULL,
    atrob_remark      text DEFAULT NULL,
    atrob_injury      text DEFAULT NULL,
    atrob_after       text DEFAULT NULL,
    atrob_witnesses   text DEFAULT NULL,
    au_emp_no         text DEFAULT NULL,
    au_ip             text DEFAULT NULL,
    aeditstatus       text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st     text   := edit_status(aeditstatus);
    au     record := audit(au_emp_no, au_ip);
    v_date text   := check_date(atrob_date, '사고일자', true);
    v_no   integer;
    old    ec070ms%ROWTYPE;
    r      ec070ms%ROWTYPE;
BEGIN
    IF st IN ('1', '3') THEN
        v_no := check_int(aseq_no, 1, 2147483647, '순번', true);
        SELECT * INTO old FROM ec070ms WHERE trob_date = v_date AND seq_no = v_no FOR UPDATE;
    END IF;
    IF st = '3' THEN
        DELETE FROM ec070ms WHERE trob_date = v_date AND seq_no = v_no;
        RETURN; -- already gone: the operator's wish holds
    END IF;

    r.trob_name        := check_text(clean(atrob_name), 80, '사고명', true);
    r.lecturer_emp_no  := check_text(clean(alecturer_emp_no), 10, '담당강사사번', true);
    r.lecturer_name    := check_text(clean(alecturer_name), 60, '담당강사명');
    r.trob_time        := check_hhmm(atrob_time, '사고시간', true);
    r.trob_place       := check_text(clean(atrob_place), 80, '사고장소', true);
    r.loss_name        := check_text(clean(aloss_name), 60, '피해자(성명)');
    r.loss_job         := check_text(aloss_job, 80, '피해자(직업)');
    r.loss_tel_no := keep_enc(old.loss_tel_no, check_text(clean(aloss_tel_no), 40, '피해자(연락처)'));
    r.loss_id_no       := keep_enc(old.loss_id_no, check_digits(aloss_id_no, 13, 13, '피해자(주민번호)'));
    r.loss_zip_code    := check_digits(aloss_zip_code, 6, 6, '피해자(우편번호)');
    r.loss_addr1 := keep_enc(old.loss_addr1, check_text(aloss_addr1, 120, '피해자(주소1)'));
    r.loss_addr2 := keep_enc(old.loss_addr2, check_text(aloss_addr2, 120, '피해자(주소2)'));
    r.offense_name     := check_text(clean(aoffense_name), 60, '가해자(성명)');
    r.offense_job      := check_text(aoffense_job, 80, '가해자(직업)');
    r.offense_tel_no := keep_enc(old.offense_tel_no, check_text(clean(aoffense_tel_no), 40, '가해자(연락처)'));
    r.offense_id_no    := keep_enc(old.offense_id_no, check_digits(aoffense_id_no, 13, 13, '가해자(주민번호)'));
    r.offense_zip_code := check_digits(aoffense_zip_code, 6, 6, '가해자(우편번호)');
    r.offense_addr1 := keep_enc(old.offense_addr1, check_text(aoffense_addr1, 120, '가해자(주소1)'));
    r.offense_addr2 := keep_enc(old.offense_addr2, check_text(aoffense_addr2, 120, '가해자(주소2)'));
    r.trob_remark      := check_text(atrob_remark, 160, '사건개요');
    r.trob_injury      := check_text(atrob_injury, 160, '부상부위');
    r.trob_after       := check_text(atrob_after, 160, '조치사항');
    r.trob_witnesses   := check_text(atrob_witnesses, 160, '목격자');
    r.trob_date := v_date;
    r.au_emp_no := au.emp_no;
    r.au_ip := au.ip;
    r.au_date := au.at;

    IF st = '2' THEN
        r.seq_no := next_number('ec070ms', (SELECT max(seq_no) FROM ec070ms WHERE trob_date = v_date), v_date);
        INSERT INTO ec070ms SELECT r.*;
    ELSE
        r.seq_no := v_no;
        IF NOT update_row('ec070ms', r, '{trob_date,seq_no}') THEN
            RAISE EXCEPTION '순번 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', v_no;
        END IF;
    END IF;
END
$$;

-- A count of persons: empty is 0, never negative.
CREATE OR REPLACE FUNCTION kest_private.check_count(value text, label text) RETURNS integer
LANGUAGE sql IMMUTABLE AS $$
    SELECT coalesce(kest_private.check_int(value, 0, 99999, label), 0)::integer
$$;

-- One lesson day of a partner group: one row per group and date.
CREATE OR REPLACE FUNCTION pr_eci080_01(
    aevent_no             text DEFAULT NULL,
    alecture_date         text DEFAULT NULL,
    atrainer_cnt_ski_am   text DEFAULT NULL,
    atrainer_cnt_ski_pm   text DEFAULT NULL,
    atrainer_cnt_ski_nt   text DEFAULT NULL,
    atrainer_cnt_ski_dn   text DEFAULT NULL,
    atrainer_cnt_board_am text DEFAULT NULL,
    atrainer_cnt_board_pm text DEFAULT NULL,
    atrainer_cnt_board_nt text DEFAULT NULL,
    atrainer_cnt_board_dn text DEFAULT NULL,
    atrainer_cnt_baby_am  text DEFAULT NULL,
    atrainer_cnt_baby_pm  text DEFAULT NULL,
    atrainer_cnt_baby_nt  text DEFAULT NULL,
    atrainer_cnt_baby_dn  text DEFAULT NULL,
    alecturer_cnt_ski_am   text DEFAULT NULL,
    alecturer_cnt_ski_pm   text DEFAULT NULL,
    alecturer_cnt_ski_nt   text DEFAULT NULL,
    alecturer_cnt_ski_dn   text DEFAULT NULL,
    alecturer_cnt_board_am text DEFAULT NULL,
    alecturer_cnt_board_pm text DEFAULT NULL,
    alecturer_cnt_board_nt text DEFAULT NULL,
    alecturer_cnt_board_dn text DEFAULT NULL,
    alecturer_cnt_baby_am  text DEFAULT NULL,
    alecturer_cnt_baby_pm  text DEFAULT NULL,
    alecturer_cnt_baby_nt  text DEFAULT NULL,
    alecturer_cnt_baby_dn  text DEFAULT NULL,
    au_emp_no             text DEFAULT NULL,
    au_ip                 text DEFAULT NULL,
    aeditstatus           text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st      text   := edit_status(aeditstatus);
    au      record := audit(au_emp_no, au_ip);
    v_event text   := check_key(aevent_no, 20, '제휴단체번호');
    v_date  text   := check_date(alecture_date, '강습일자', true);
    r       ec080ms%ROWTYPE;
BEGIN
    IF st = '3' THEN
        DELETE FROM ec080ms WHERE event_no = v_event AND lecture_date = v_date;
        RETURN;
    END IF;
    IF NOT EXISTS (SELECT 1 FROM bb010ms WHERE member_no = v_event AND member_group_code = '44'
                                           AND cancel_date IS NULL) THEN
        RAISE EXCEPTION '제휴단체번호을(를) 정확히 입력하십시오.';
    END IF;

    r.event_no := v_event;
    r.lecture_date := v_date;
    r.trainer_cnt_ski_am    := check_count(atrainer_cnt_ski_am, '강습생수(스키)(오전)');
    r.trainer_cnt_ski_pm    := check_count(atrainer_cnt_ski_pm, '강습생수(스키)(오후)');
    r.trainer_cnt_ski_nt    := check_count(atrainer_cnt_ski_nt, '강습생수(스키)(야간)');
    r.trainer_cnt_ski_dn    := check_count(atrainer_cnt_ski_dn, '강습생수(스키)(새벽)');
    r.trainer_cnt_board_am  := check_count(atrainer_cnt_board_am, '강습생수(보드)(오전)');
    r.trainer_cnt_board_pm  := check_count(atrainer_cnt_board_pm, '강습생수(보드)(오후)');
    r.trainer_cnt_board_nt  := check_count(atrainer_cnt_board_nt, '강습생수(보드)(야간)');
    r.trainer_cnt_board_dn  := check_count(atrainer_cnt_board_dn, '강습생수(보드)(새벽)');
    r.trainer_cnt_baby_am   := check_count(atrainer_cnt_baby_am, '강습생수(유아)(오전)');
    r.trainer_cnt_baby_pm   := check_count(atrainer_cnt_baby_pm, '강습생수(유아)(오후)');
    r.trainer_cnt_baby_nt   := check_count(atrainer_cnt_baby_nt, '강습생수(유아)(야간)');
    r.trainer_cnt_baby_dn   := check_count(atrainer_cnt_baby_dn, '강습생수(유아)(새벽)');
    r.lecturer_cnt_ski_am   := check_count(alecturer_cnt_ski_am, '강사수(스키)(오전)');
    r.lecturer_cnt_ski_pm   := check_count(alecturer_cnt_ski_pm, '강사수(스키)(오후)');
    r.lecturer_cnt_ski_nt   := check_count(alecturer_cnt_ski_nt, '강사수(스키)(야간)');
    r.lecturer_cnt_ski_dn   := check_count(alecturer_cnt_ski_dn, '강사수(스키)(새벽)');
    r.lecturer_cnt_board_am := check_count(alecturer_cnt_board_am, '강사수(보드)(오전)');
    r.lecturer_cnt_board_pm := check_count(alecturer_cnt_board_pm, '강사수(보드)(오후)');
    r.lecturer_cnt_board_nt := check_count(alecturer_cnt_board_nt, '강사수(보드)(야간)');
    r.lecturer_cnt_board_dn := check_count(alecturer_cnt_board_dn, '강사수(보드)(새벽)');
    r.lecturer_cnt_baby_am  := check_count(alecturer_cnt_baby_am, '강사수(유아)(오전)');
    r.lecturer_cnt_baby_pm  := check_count(alecturer_cnt_baby_pm, '강사수(유아)(오후)');
    r.lecturer_cnt_baby_nt  := check_count(alecturer_cnt_baby_nt, '강사수(유아)(야간)');
    r.lecturer_cnt_baby_dn  := check_count(alecturer_cnt_baby_dn, '강사수(유아)(새벽)');
    r.au_emp_no := au.emp_no;
    r.au_ip := au.ip;
    r.au_date := au.at;

    IF st = '2' THEN
        INSERT INTO ec080ms SELECT r.* ON CONFLICT DO NOTHING;
        IF NOT FOUND THEN
            RAISE EXCEPTION '기존 등록된 자료와 중복됩니다. 다시 입력하십시오. (강습일자 %)', v_date;
        END IF;
    ELSIF NOT update_row('ec080ms', r, '{event_no,lecture_date}') THEN
        RAISE EXCEPTION '강습일자 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', v_date;
    END IF;
END
$$;

-- An Interski instructor's weekday places: update or insert ('1', '2')
-- writes the weekday rows sent (the screen sends all seven); delete ('3')
-- removes them and leaves the register row, which this system does not
-- keep. A hand correction: it sets the free places as given, whatever the
-- bookings hold.
CREATE OR REPLACE FUNCTION pr_eci170_01(
    aseason_year      text DEFAULT NULL,
    acoach_no         text DEFAULT NULL,
    aclass_day_code_1 text DEFAULT NULL, atot_cls_cnt_1 text DEFAULT NULL, are_cls_cnt_1 text DEFAULT NULL,
    aclass_day_code_2 text DEFAULT NULL, atot_cls_cnt_2 text DEFAULT NULL, are_cls_cnt_2 text DEFAULT NULL,
    aclass_day_code_3 text DEFAULT NULL, atot_cls_cnt_3 text DEFAULT NULL, are_cls_cnt_3 text DEFAULT NULL,
    aclass_day_code_4 text DEFAULT NULL, atot_cls_cnt_4 text DEFAULT NULL, are_cls_cnt_4 text DEFAULT NULL,
    aclass_day_code_5 text DEFAULT NULL, atot_cls_cnt_5 text DEFAULT NULL, are_cls_cnt_5 text DEFAULT NULL,
    aclass_day_code_6 text DEFAULT NULL, atot_cls_cnt_6 text DEFAULT NULL, are_cls_cnt_6 text DEFAULT NULL,
    aclass_day_code_7 text DEFAULT NULL, atot_cls_cnt_7 text DEFAULT NULL, are_cls_cnt_7 text DEFAULT NULL,
    au_emp_no         text DEFAULT NULL,
    au_ip             text DEFAULT NULL,
    aeditstatus       text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st      text    := edit_status(aeditstatus);
    au      record  := audit(au_emp_no, au_ip);
    v_year  text    := check_digits(aseason_year, 4, 4, '조회연도', true);
    v_coach integer := check_int(acoach_no, 0, 2147483647, '강사사번', true);
    days    text[]  := ARRAY[aclass_day_code_1, aclass_day_code_2, aclass_day_code_3, aclass_day_code_4,
                             aclass_day_code_5, aclass_day_code_6, aclass_day_code_7];
    tots    text[]  := ARRAY[atot_cls_cnt_1, atot_cls_cnt_2, atot_cls_cnt_3, atot_cls_cnt_4, atot_cls_cnt_5,
                             atot_cls_cnt_6, atot_cls_cnt_7];
    res     text[]  := ARRAY[are_cls_cnt_1, are_cls_cnt_2, are_cls_cnt_3, are_cls_cnt_4, are_cls_cnt_5,
                             are_cls_cnt_6, are_cls_cnt_7];
    names   text[]  := ARRAY['일', '월', '화', '수', '목', '금', '토'];
    v_tot   integer;
    v_re    integer;
BEGIN
    IF NOT EXISTS (SELECT 1 FROM ec090ms WHERE season_year = v_year AND coach_no = v_coach FOR SHARE) THEN
        RAISE EXCEPTION '강사사번 %은(는) %년 인터스키 강사로 등록되어 있지 않습니다.', v_coach, v_year;
    END IF;
    IF st = '3' THEN
        DELETE FROM ec090dt WHERE season_year = v_year AND coach_no = v_coach;
        RETURN;
    END IF;
    FOR n IN 1 .. 7 LOOP
        IF check_code(days[n], ARRAY[n::text], '요일코드') IS NULL THEN
            CONTINUE;
        END IF;
        v_tot := coalesce(check_int(tots[n], 0, 999, '최대인원_' || names[n]), 0);
        v_re  := coalesce(check_int(res[n], 0, 999, '잔여인원_' || names[n]), 0);
        IF v_re > v_tot THEN
            RAISE EXCEPTION '잔여인원_%은(는) 0부터 최대인원 %까지의 숫자로 입력하십시오.', names[n], v_tot;
        END IF;
        INSERT INTO ec090dt AS d (season_year, coach_no, class_day_code, tot_cls_cnt, re_cls_cnt,
                                  au_emp_no, au_ip, au_date)
        VALUES (v_year, v_coach, n::text, v_tot, v_re, au.emp_no, au.ip, au.at)
        ON CONFLICT (season_year, coach_no, class_day_code) DO UPDATE
            SET tot_cls_cnt = excluded.tot_cls_cnt, re_cls_cnt = excluded.re_cls_cnt,
                au_emp_no = excluded.au_emp_no, au_ip = excluded.au_ip, au_date = excluded.au_date;
    END LOOP;
END
$$;

-- The Korean name of a weekday code.
CREATE OR REPLACE FUNCTION kest_private.day_name(code text) RETURNS text
LANGUAGE sql STABLE
SET search_path = ktuser, kest_private, public, pg_temp AS $$
    SELECT coalesce((SELECT detail_name FROM zx010ms WHERE head = 'Z0011' AND detail = code), code)
$$;

-- Takes one free place of an instructor's weekday, waiting for whoever
-- holds its row; refused when none is left, naming instructor and day.
CREATE OR REPLACE FUNCTION kest_private.take_place(v_year text, v_coach integer, v_day text) RETURNS void
LANGUAGE plpgsql
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    v_free integer;
    v_name text := (SELECT coach_name FROM ec090ms WHERE season_year = v_year AND coach_no = v_coach);
BEGIN
    SELECT re_cls_cnt INTO v_free FROM ec090dt
     WHERE season_year = v_year AND coach_no = v_coach AND class_day_code = v_day FOR UPDATE;
    IF coalesce(v_free, 0) <= 0 THEN
        RAISE EXCEPTION '% 강사(%)의 % 수강 인원이 모두 찼습니다. 다른 요일이나 강사를 선택하십시오.',
            coalesce(v_name, '?'), v_coach, day_name(v_day);
    END IF;
    UPDATE ec090dt SET re_cls_cnt = re_cls_cnt - 1
     WHERE season_year = v_year AND coach_no = v_coach AND class_day_code = v_day;
END
$$;

-- Gives a place back to an instructor's weekday, never above its maximum.
CREATE OR REPLACE FUNCTION kest_private.give_place(v_year text, v_coach integer, v_day text) RETURNS void
LANGUAGE sql
SET search_path = ktuser, kest_private, public, pg_temp AS $$
    UPDATE ec090dt SET re_cls_cnt = LEAST(re_cls_cnt + 1, tot_cls_cnt)
     WHERE season_year = v_year AND coach_no = v_coach AND class_day_code = v_day
$$;

-- One Interski booking of the season year the booking number belongs to.
-- AEDITSTATUS is the booking's state as the screen sends it: 'R' a new
-- booking, numbered here under the year's counter (clear of the numbers
-- that arrived from outside) and returned in ARSV_NO; 'U' or empty a
-- change; 'C' a cancellation, kept as a cancelled booking.
--
-- A booking confirmed ('Y'), not cancelled and with an instructor and a
-- weekday holds one free place of that weekday; whenever that changes the
-- old place is given back and the new one taken under the weekday row's
-- lock, refused when none is free. The booking row is locked first, then
-- the weekday rows, so that two clerks on one booking queue on the booking.
CREATE OR REPLACE FUNCTION pr_eci100_01(
    INOUT arsv_no      text DEFAULT NULL,
    astatus_code       text DEFAULT NULL,
    aapp_date          text DEFAULT NULL,
    aguest_id          text DEFAULT NULL,
    aguest_name        text DEFAULT NULL,
    aguest_tel         text DEFAULT NULL,
    astudent_name      text DEFAULT NULL,
    astudent_age       text DEFAULT NULL,
    acoach_no          text DEFAULT NULL,
    aclass_day_code    text DEFAULT NULL,
    aremarks           text DEFAULT NULL,
    afix_yn            text DEFAULT NULL,
    au_emp_no          text DEFAULT NULL,
    au_ip              text DEFAULT NULL,
    aseason_year       text DEFAULT NULL,
    OUT amsg           text)
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    au      record := audit(au_emp_no, au_ip);
    v_state text   := check_code(astatus_code, ARRAY['R', 'U', 'C'], '예약상태');
    v_year  text   := check_digits(aseason_year, 4, 4, '조회연도', true);
    v_no    bigint;
    old     ec100ms%ROWTYPE;
    r       ec100ms%ROWTYPE;
    held    boolean := false;
    holds   boolean;
BEGIN
    r.fix_yn         := coalesce(check_code(afix_yn, ARRAY['Y', 'N'], '확정'), 'N');
    r.app_date       := check_text(clean(aapp_date), 20, '접수일자');
    r.guest_id       := check_text(clean(aguest_id), 40, '예약자 ID');
    r.guest_name     := check_text(clean(aguest_name), 60, '예약자');
    r.guest_tel      := check_text(clean(aguest_tel), 40, '연락처');
    r.student_name   := check_text(clean(astudent_name), 60, '수강생명');
    r.student_age    := check_digits(astudent_age, 1, 3, '수강생나이');
    r.coach_no       := check_int(acoach_no, 0, 2147483647, '강사번호');
    r.class_day_code := check_code(aclass_day_code, ARRAY['1', '2', '3', '4', '5', '6', '7'], '요일');
    r.remarks        := check_text(aremarks, 200, '비고');
    r.season_year := v_year;
    r.au_emp_no := au.emp_no;
    r.au_ip := au.ip;
    r.au_date := au.at;
    IF r.coach_no IS NOT NULL
       AND NOT EXISTS (SELECT 1 FROM ec090ms WHERE season_year = v_year AND coach_no = r.coach_no) THEN
        RAISE EXCEPTION '강사번호 %은(는) %년 인터스키 강사로 등록되어 있지 않습니다.', r.coach_no, v_year;
    END IF;

    IF v_state = 'R' THEN
        IF clean(arsv_no) IS NOT NULL THEN
            RAISE EXCEPTION '예약번호 %은(는) 이미 등록되어 있습니다. 다시 조회하십시오.', clean(arsv_no);
        END IF;
        r.status_code := 'R';
        r.rsv_no := next_number('ec100ms', (SELECT max(rsv_no) FROM ec100ms WHERE season_year = v_year), v_year);
    ELSE
        v_no := check_int(arsv_no, 1, 999999999999, '예약번호', true);
        SELECT * INTO old FROM ec100ms WHERE season_year = v_year AND rsv_no = v_no FOR UPDATE;
        IF NOT FOUND THEN
            RAISE EXCEPTION '예약번호 %은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', v_no;
        END IF;
        r.rsv_no := v_no;
        r.status_code := coalesce(v_state, old.status_code);
        held := old.fix_yn = 'Y' AND old.status_code IS DISTINCT FROM 'C'
                AND old.coach_no IS NOT NULL AND old.class_day_code IS NOT NULL;
    END IF;

    holds := r.fix_yn = 'Y' AND r.status_code IS DISTINCT FROM 'C'
             AND r.coach_no IS NOT NULL AND r.class_day_code IS NOT NULL;
    -- Both weekday rows of a move are locked in key order: two moves the
    -- other way round wait for each other instead of deadlocking.
    PERFORM 1 FROM ec090dt
      WHERE season_year = v_year
        AND ((held AND coach_no = old.coach_no AND class_day_code = old.class_day_code)
          OR (holds AND coach_no = r.coach_no AND class_day_code = r.class_day_code))
      ORDER BY coach_no, class_day_code FOR UPDATE;
    IF held AND NOT (holds AND r.coach_no = old.coach_no AND r.class_day_code = old.class_day_code) THEN
        PERFORM give_place(v_year, old.coach_no, old.class_day_code);
    END IF;
    IF holds AND NOT (held AND r.coach_no = old.coach_no AND r.class_day_code = old.class_day_code) THEN
        PERFORM take_place(v_year, r.coach_no, r.class_day_code);
    END IF;

    IF v_state = 'R' THEN
        INSERT INTO ec100ms SELECT r.*;
        amsg := format('예약번호 %s을(를) 등록했습니다.', r.rsv_no);
    ELSE
        PERFORM update_row('ec100ms', r, '{season_year,rsv_no}');
        amsg := CASE WHEN r.status_code = 'C' THEN format('예약번호 %s을(를) 취소했습니다.', r.rsv_no)
                     ELSE format('예약번호 %s을(를) 변경했습니다.', r.rsv_no) END;
    END IF;
    IF holds AND NOT held THEN
        amsg := amsg || format(' %s %s 1자리를 배정했습니다.', r.coach_no, day_name(r.class_day_code));
    ELSIF held AND NOT holds THEN
        amsg := amsg || format(' %s %s 1자리를 돌려주었습니다.', old.coach_no, day_name(old.class_day_code));
    END IF;
    arsv_no := r.rsv_no::text;
END
$$;
