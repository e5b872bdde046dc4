-- Course and lift operation records.

-- Creates the rows of a day: one per course ("E0006") and lift ("E0007")
-- of the code table, each in the running state of "E0008". Only a day with
-- no row at all gets rows, and counters creating the same day at the same
-- moment wait for each other, so that it is created once.
CREATE OR REPLACE FUNCTION pr_ebi010_01(
    arun_date text DEFAULT NULL,
    au_emp_no text DEFAULT NULL,
    au_ip     text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    au        record := audit(au_emp_no, au_ip);
    v_date    text   := check_date(arun_date, '운행일자', true);
    v_running text;
BEGIN
    PERFORM pg_advisory_xact_lock(hashtext('eb010ms'), hashtext(v_date));
    IF EXISTS (SELECT 1 FROM eb010ms WHERE run_date = v_date) THEN
        RETURN;
    END IF;
    SELECT detail INTO v_running
      FROM zx010ms
     WHERE head = 'E0008' AND detail <> 'S'
     ORDER BY detail = 'Y' DESC, detail
     LIMIT 1;
    IF v_running IS NULL THEN
        RAISE EXCEPTION '운행여부 코드(E0008)가 등록되어 있지 않습니다.';
    END IF;
    INSERT INTO eb010ms (run_date, fac_gubun, fac_detail_gubun, run_yn, au_emp_no, au_ip, au_date)
    SELECT v_date, f.item1, f.detail, v_running, au.emp_no, au.ip, au.at
      FROM zx010ms f
      JOIN zx010ms k ON k.head = 'E0005' AND k.detail = f.item1
     WHERE f.head IN ('E0006', 'E0007')
    ON CONFLICT DO NOTHING;
END
$$;

-- The run state of one facility on a day. The rows of a day are the
-- facilities, so they are neither added nor deleted here.
SELECT kest_private.drop_without('pr_ebi010_02', 'arow_ver');
CREATE OR REPLACE FUNCTION pr_ebi010_02(
    arun_date              text DEFAULT NULL,
    afac_gubun_name        text DEFAULT NULL,
    afac_detail_gubun_name text DEFAULT NULL,
    arun_yn                text DEFAULT NULL,
    afac_gubun             text DEFAULT NULL,
    afac_detail_gubun      text DEFAULT NULL,
    arow_ver               text DEFAULT NULL,
    au_emp_no              text DEFAULT NULL,
    au_ip                  text DEFAULT NULL,
    aeditstatus            text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st       text   := edit_status(aeditstatus, '1');
    au       record := audit(au_emp_no, au_ip);
    v_date   text   := check_date(arun_date, '운행일자', true);
    v_kind   text   := check_key(afac_gubun, 2, '코스,리프트구분');
    v_detail text   := check_key(afac_detail_gubun, 10, '세부구분');
    v_run    text   := check_key(arun_yn, 2, '운행여부');
    v_ver    integer;
BEGIN
    IF NOT EXISTS (SELECT 1 FROM zx010ms WHERE head = 'E0008' AND detail = v_run) THEN
        RAISE EXCEPTION '운행여부을(를) 정확히 입력하십시오.';
    END IF;
    SELECT row_ver INTO v_ver FROM eb010ms
     WHERE run_date = v_date AND fac_gubun = v_kind AND fac_detail_gubun = v_detail
       FOR UPDATE;
    IF NOT FOUND THEN
        RAISE EXCEPTION '운영정보가 등록되어 있지 않습니다. 다시 조회하십시오. (%, %)', v_kind, v_detail;
    END IF;
    PERFORM check_row_ver(v_ver, arow_ver);
    UPDATE eb010ms
       SET run_yn = v_run, (au_emp_no, au_ip, au_date) = (au.emp_no, au.ip, au.at), row_ver = row_ver + 1
     WHERE run_date = v_date AND fac_gubun = v_kind AND fac_detail_gubun = v_detail;
END
$$;
