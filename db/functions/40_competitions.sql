-- Writes of the competitions, the badge test entrants and their judging.

-- One competition of a day: insert ('2'), update ('1') or delete ('3') by
-- date and sequence. A new competition's sequence is issued here from a
-- counter per date, whatever the screen sent; the counter row stays locked
-- until the caller's transaction ends, so two counters saving the same date
-- never share one. Texts are measured in CP949 bytes, twice the characters
-- the screen's edits take.
CREATE OR REPLACE FUNCTION pr_edi010_01(
    agame_date    text DEFAULT NULL,
    aseq_no       text DEFAULT NULL,
    agame_name    text DEFAULT NULL,
    asociety_name text DEFAULT NULL,
    asociety_rep  text DEFAULT NULL,
    atel_no       text DEFAULT NULL,
    agame_content text DEFAULT NULL,
    agame_scale   text DEFAULT NULL,
    aslope        text DEFAULT NULL,
    aslope_amt    text DEFAULT NULL,
    aproblem      text DEFAULT NULL,
    aremark       text DEFAULT NULL,
    arow_ver      text DEFAULT NULL,
    au_emp_no     text DEFAULT NULL,
    au_ip         text DEFAULT NULL,
    aeditstatus   text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st     text   := edit_status(aeditstatus);
    au     record := audit(au_emp_no, au_ip);
    v_date text   := check_date(agame_date, '대회일자', true);
    v_no   integer;
    v_ver  integer;
    r      ed010ms%ROWTYPE;
BEGIN
    IF st IN ('1', '3') THEN
        v_no := check_int(aseq_no, 1, 2147483647, '순번', true);
        SELECT row_ver INTO v_ver FROM ed010ms WHERE game_date = v_date AND seq_no = v_no FOR UPDATE;
        IF FOUND THEN
            PERFORM check_row_ver(v_ver, arow_ver);
        END IF;
    END IF;
    IF st = '3' THEN
        DELETE FROM ed010ms WHERE game_date = v_date AND seq_no = v_no;
        RETURN; -- already gone: the operator's wish holds
    END IF;

    r.game_name    := check_text(agame_name, 80, '대회명', true);
    r.society_name := check_text(asociety_name, 80, '협회');
    r.society_rep  := check_text(asociety_rep, 60, '대표자');
    r.tel_no       := enc(check_text(atel_no, 40, '연락처'));
    r.game_content := check_text(agame_content, 160, '대회내용');
    r.game_scale   := check_text(agame_scale, 160, '대회규모');
    r.slope        := check_zx_code(aslope, 'E0006', 2, '슬로프');
    r.slope_amt    := check_digits(aslope_amt, 1, 10, '슬로프사용료')::bigint;
    r.problem      := check_text(aproblem, 160, '문제점');
    r.remark       := check_text(aremark, 160, '비고');

    IF st = '2' THEN
        r.seq_no := next_number('ed010ms', (SELECT max(seq_no) FROM ed010ms WHERE game_date = v_date), v_date);
    ELSE
        r.seq_no := v_no;
    END IF;
    r.game_date := v_date;
    r.au_emp_no := au.emp_no;
    r.au_ip := au.ip;
    r.au_date := au.at;
    r.row_ver := coalesce(v_ver, 0) + 1;

    IF st = '2' THEN
        INSERT INTO ed010ms SELECT r.*;
    ELSIF NOT update_row('ed010ms', r, '{game_date,seq_no}') THEN
        RAISE EXCEPTION '순번 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', v_no;
    END IF;
END
$$;

-- One badge test entrant of a season. A new entrant's number is issued here
-- per season (at most 999999), whatever the screen sent; a change or delete
-- names the entrant by its number as shown ("000123"). An entrant who has
-- been judged stays: its scores would lose their entrant.
CREATE OR REPLACE FUNCTION pr_edi020_01(
    aseason_gubun    text DEFAULT NULL,
    arecv_no         text DEFAULT NULL,
    aapply_date      text DEFAULT NULL,
    aentry_name_kor  text DEFAULT NULL,
    aid_no           text DEFAULT NULL,
    aentry_name_chi  text DEFAULT NULL,
    aentry_name_eng  text DEFAULT NULL,
    aski_skill       text DEFAULT NULL,
    ahome_tel_no     text DEFAULT NULL,
    ahome_fax_no     text DEFAULT NULL,
    ahome_zip_code   text DEFAULT NULL,
    ahome_addr1      text DEFAULT NULL,
    ahome_addr2      text DEFAULT NULL,
    aoffice_tel_no   text DEFAULT NULL,
    aoffice_fax_no   text DEFAULT NULL,
    aoffice_zip_code text DEFAULT NULL,
    aoffice_addr1    text DEFAULT NULL,
    aoffice_addr2    text DEFAULT NULL,
    amobile_no       text DEFAULT NULL,
    aemail           text DEFAULT NULL,
    aapply_class     text DEFAULT NULL,
    aapply_amt       text DEFAULT NULL,
    arow_ver         text DEFAULT NULL,
    au_emp_no        text DEFAULT NULL,
    au_ip            text DEFAULT NULL,
    aeditstatus      text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st       text   := edit_status(aeditstatus);
    au       record := audit(au_emp_no, au_ip);
    v_season text   := check_zx_key(aseason_gubun, 'E0004', 2, '시즌');
    v_no     integer;
    v_ver    integer;
    r        ed020ms%ROWTYPE;
BEGIN
    IF st IN ('1', '3') THEN
        v_no := check_int(arecv_no, 1, 999999, '접수번호', true);
        SELECT row_ver INTO v_ver FROM ed020ms WHERE season_gubun = v_season AND recv_no = v_no FOR UPDATE;
        IF FOUND THEN
            PERFORM check_row_ver(v_ver, arow_ver);
        END IF;
    END IF;
    IF st = '3' THEN
        -- The entrant's row lock keeps judging saved meanwhile waiting, and
        -- the foreign key refuses what came first.
        IF EXISTS (SELECT 1 FROM ed020dt WHERE season_gubun = v_season AND recv_no = v_no) THEN
            RAISE EXCEPTION '접수번호 % 은(는) 심사 자료가 있으므로 삭제할 수 없습니다.', lpad(v_no::text, 6, '0');
        END IF;
        BEGIN
            DELETE FROM ed020ms WHERE season_gubun = v_season AND recv_no = v_no;
        EXCEPTION WHEN foreign_key_violation THEN
            RAISE EXCEPTION '접수번호 % 은(는) 심사 자료가 있으므로 삭제할 수 없습니다.', lpad(v_no::text, 6, '0');
        END;
        RETURN; -- already gone: the operator's wish holds
    END IF;

    r.apply_date      := check_date(aapply_date, '신청일', true);
    r.entry_name_kor  := check_text(aentry_name_kor, 60, '참가자명', true);
    r.id_no           := enc(check_digits(aid_no, 13, 13, '주민등록번호', true));
    r.entry_name_chi  := check_text(aentry_name_chi, 60, '참가자명(한문)');
    r.entry_name_eng  := check_text(aentry_name_eng, 60, '참가자명(영문)');
    r.ski_skill       := check_text(aski_skill, 80, '스키경력');
    r.home_tel_no     := enc(check_text(ahome_tel_no, 40, '전화번호(자택)'));
    r.home_fax_no     := enc(check_text(ahome_fax_no, 40, 'FAX번호(자택)'));
    r.home_zip_code   := check_digits(ahome_zip_code, 6, 6, '우편번호(자택)');
    r.home_addr1      := enc(check_text(ahome_addr1, 120, '주소1(자택)'));
    r.home_addr2      := enc(check_text(ahome_addr2, 120, '주소2(자택)'));
    r.office_tel_no   := enc(check_text(aoffice_tel_no, 40, '전화번호(직장)'));
    r.office_fax_no   := enc(check_text(aoffice_fax_no, 40, 'FAX번호(직장)'));
    r.office_zip_code := check_digits(aoffice_zip_code, 6, 6, '우편번호(직장)');
    r.office_addr1    := enc(check_text(aoffice_addr1, 120, '주소1(직장)'));
    r.office_addr2    := enc(check_text(aoffice_addr2, 120, '주소2(직장)'));
    r.mobile_no       := enc(check_text(amobile_no, 40, '핸드폰번호', true));
    r.email           := check_text(aemail, 80, '이메일');
    r.apply_class     := check_zx_code(aapply_class, 'E0026', 2, '신청급수');
    r.apply_amt       := check_digits(aapply_amt, 1, 10, '참가비')::bigint;

    IF st = '2' THEN
        r.recv_no := next_number('ed020ms', (SELECT max(recv_no) FROM ed020ms WHERE season_gubun = v_season),
                                 v_season);
        IF r.recv_no > 999999 THEN
            RAISE EXCEPTION '접수번호가 모두 사용되었습니다. (시즌 %)', v_season;
        END IF;
    ELSE
        r.recv_no := v_no;
    END IF;
    r.season_gubun := v_season;
    r.au_emp_no := au.emp_no;
    r.au_ip := au.ip;
    r.au_date := au.at;
    r.row_ver := coalesce(v_ver, 0) + 1;

    IF st = '2' THEN
        INSERT INTO ed020ms SELECT r.*;
    ELSIF NOT update_row('ed020ms', r, '{season_gubun,recv_no}') THEN
        RAISE EXCEPTION '접수번호 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', lpad(v_no::text, 6, '0');
    END IF;
END
$$;

-- One entrant's scores on a test day. Only the key and the judges' columns
-- are written: the entrant's columns the screen shows belong to ed020ms and
-- are accepted and ignored. An entrant is judged once per day: a second
-- insert of the key, also one saved meanwhile by another counter, is refused.
CREATE OR REPLACE FUNCTION pr_edi030_01(
    aexamine_date           text DEFAULT NULL,
    aseason_gubun           text DEFAULT NULL,
    arecv_no                text DEFAULT NULL,
    aentry_name_kor         text DEFAULT NULL,
    aapply_date             text DEFAULT NULL,
    aid_no                  text DEFAULT NULL,
    aapply_class_gubun_name text DEFAULT NULL,
    aexaminer_a             text DEFAULT NULL,
    apflug_bogen_a          text DEFAULT NULL,
    astem_turn_a            text DEFAULT NULL,
    aparallel_turn_a        text DEFAULT NULL,
    awedern_turn_a          text DEFAULT NULL,
    amiddle_turn_a          text DEFAULT NULL,
    agen_descent_a          text DEFAULT NULL,
    aexaminer_b             text DEFAULT NULL,
    apflug_bogen_b          text DEFAULT NULL,
    astem_turn_b            text DEFAULT NULL,
    aparallel_turn_b        text DEFAULT NULL,
    awedern_turn_b          text DEFAULT NULL,
    amiddle_turn_b          text DEFAULT NULL,
    agen_descent_b          text DEFAULT NULL,
    aexaminer_c             text DEFAULT NULL,
    apflug_bogen_c          text DEFAULT NULL,
    astem_turn_c            text DEFAULT NULL,
    aparallel_turn_c        text DEFAULT NULL,
    awedern_turn_c          text DEFAULT NULL,
    amiddle_turn_c          text DEFAULT NULL,
    agen_descent_c          text DEFAULT NULL,
    arow_ver                text DEFAULT NULL,
    au_emp_no               text DEFAULT NULL,
    au_ip                   text DEFAULT NULL,
    aeditstatus             text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st       text    := edit_status(aeditstatus);
    au       record  := audit(au_emp_no, au_ip);
    v_date   text    := check_date(aexamine_date, '심사일자', true);
    v_season text    := check_zx_key(aseason_gubun, 'E0004', 2, '시즌');
    v_no     integer := check_int(arecv_no, 1, 999999, '접수번호', true);
    v_ver    integer;
    r        ed020dt%ROWTYPE;
BEGIN
    IF st IN ('1', '3') THEN
        SELECT row_ver INTO v_ver FROM ed020dt
         WHERE season_gubun = v_season AND examine_date = v_date AND recv_no = v_no FOR UPDATE;
        IF FOUND THEN
            PERFORM check_row_ver(v_ver, arow_ver);
        END IF;
    END IF;
    IF st = '3' THEN
        DELETE FROM ed020dt WHERE season_gubun = v_season AND examine_date = v_date AND recv_no = v_no;
        RETURN; -- already gone: the operator's wish holds
    END IF;
    IF NOT EXISTS (SELECT 1 FROM ed020ms WHERE season_gubun = v_season AND recv_no = v_no) THEN
        RAISE EXCEPTION '접수번호 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', lpad(v_no::text, 6, '0');
    END IF;

    r.examiner_a      := check_text(aexaminer_a, 60, '심사자 A', true);
    r.pflug_bogen_a   := check_int(apflug_bogen_a, 0, 999, '프로그보겐(A)');
    r.stem_turn_a     := check_int(astem_turn_a, 0, 999, '슈템턴(A)');
    r.parallel_turn_a := check_int(aparallel_turn_a, 0, 999, '페러렐턴(A)');
    r.wedern_turn_a   := check_int(awedern_turn_a, 0, 999, '웨데른턴(A)');
    r.middle_turn_a   := check_int(amiddle_turn_a, 0, 999, '미들턴(A)');
    r.gen_descent_a   := check_int(agen_descent_a, 0, 999, '종합활강(A)');
    r.examiner_b      := check_text(aexaminer_b, 60, '심사자 B', true);
    r.pflug_bogen_b   := check_int(apflug_bogen_b, 0, 999, '프로그보겐(B)');
    r.stem_turn_b     := check_int(astem_turn_b, 0, 999, '슈템턴(B)');
    r.parallel_turn_b := check_int(aparallel_turn_b, 0, 999, '페러렐턴(B)');
    r.wedern_turn_b   := check_int(awedern_turn_b, 0, 999, '웨데른턴(B)');
    r.middle_turn_b   := check_int(amiddle_turn_b, 0, 999, '미들턴(B)');
    r.gen_descent_b   := check_int(agen_descent_b, 0, 999, '종합활강(B)');
    r.examiner_c      := check_text(aexaminer_c, 60, '심사자 C', true);
    r.pflug_bogen_c   := check_int(apflug_bogen_c, 0, 999, '프로그보겐(C)');
    r.stem_turn_c     := check_int(astem_turn_c, 0, 999, '슈템턴(C)');
    r.parallel_turn_c := check_int(aparallel_turn_c, 0, 999, '페러렐턴(C)');
    r.wedern_turn_c   := check_int(awedern_turn_c, 0, 999, '웨데른턴(C)');
    r.middle_turn_c   := check_int(amiddle_turn_c, 0, 999, '미들턴(C)');
    r.gen_descent_c   := check_int(agen_descent_c, 0, 999, '종합활강(C)');
    r.season_gubun := v_season;
    r.examine_date := v_date;
    r.recv_no := v_no;
    r.au_emp_no := au.emp_no;
    r.au_ip := au.ip;
    r.au_date := au.at;
    r.row_ver := coalesce(v_ver, 0) + 1;

    IF st = '2' THEN
        BEGIN
            INSERT INTO ed020dt SELECT r.*;
        EXCEPTION
            WHEN unique_violation THEN
                RAISE EXCEPTION '기존 등록된 자료와 중복됩니다. 다시 입력하십시오.';
            WHEN foreign_key_violation THEN -- the entrant was deleted meanwhile
                RAISE EXCEPTION '접수번호 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', lpad(v_no::text, 6, '0');
        END;
    ELSIF NOT update_row('ed020dt', r, '{season_gubun,examine_date,recv_no}') THEN
        RAISE EXCEPTION '접수번호 % 은(는) 심사 자료가 없습니다. 다시 조회하십시오.', lpad(v_no::text, 6, '0');
    END IF;
END
$$;
