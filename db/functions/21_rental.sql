-- Rental and return at the counter: rental heads, rental rows and the
-- counters' item holds.

-- The holds still in force: what the free-item lists read instead of
-- eb020tm. A hold lapses kest_private.settings.hold_minutes after it was
-- taken.
CREATE OR REPLACE VIEW eb020tm_live AS
SELECT h.rent_date, h.area_gubun, h.equip_gubun, h.equip_no, h.au_emp_no, h.au_ip, h.au_date
  FROM eb020tm h
 WHERE h.au_date > LOCALTIMESTAMP(0) - (SELECT make_interval(mins => s.hold_minutes) FROM kest_private.settings s);

-- Why an item of the date cannot go out; NULL when it is free. A counter's
-- own hold does not keep the item from that counter, and a row that is
-- being changed does not keep its own item out.
CREATE OR REPLACE FUNCTION kest_private.rent_refusal(arent_date text, aarea_gubun text, aequip_gubun text,
                                                     aequip_no text, au_emp_no text, au_ip text,
                                                     self_no bigint DEFAULT NULL, self_seq integer DEFAULT NULL)
RETURNS text
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    v_item record;
BEGIN
    -- Locking the register row serialises every counter working on the item.
    SELECT * INTO v_item FROM eb020ms
     WHERE area_gubun = aarea_gubun AND equip_gubun = aequip_gubun AND equip_no = aequip_no
       FOR UPDATE;
    IF NOT FOUND THEN
        RETURN format('장비번호 [%s]은(는) 등록되지 않은 장비입니다.', aequip_no);
    END IF;
    IF v_item.equip_rent_yn <> 'Y' THEN
        RETURN format('장비번호 [%s]은(는) 대여할 수 없는 장비입니다.', aequip_no);
    END IF;
    IF v_item.svrl_rent_yn = 'Y' THEN
        RETURN format('장비번호 [%s]은(는) 연일대여 중인 장비입니다.', aequip_no);
    END IF;
    IF EXISTS (SELECT 1 FROM eb040dt d
                WHERE d.rent_date = arent_date AND d.area_gubun = aarea_gubun
                  AND d.equip_gubun = aequip_gubun AND d.equip_no = aequip_no
                  AND d.rent_stat IN ('D', 'S')
                  AND (self_no IS NULL OR (d.rent_no, d.rent_seq) <> (self_no, self_seq))) THEN
        RETURN format('장비번호 [%s]은(는) 이미 대여된 장비입니다.', aequip_no);
    END IF;
    IF EXISTS (SELECT 1 FROM eb020tm_live h
                WHERE h.rent_date = arent_date AND h.area_gubun = aarea_gubun
                  AND h.equip_gubun = aequip_gubun AND h.equip_no = aequip_no
                  AND (h.au_emp_no, h.au_ip) IS DISTINCT FROM (rent_refusal.au_emp_no, rent_refusal.au_ip)) THEN
        RETURN format('장비번호 [%s]은(는) 다른 작업대에서 선택한 장비입니다.', aequip_no);
    END IF;
    RETURN NULL;
END
$$;

-- The number of a new rental: the next of its date and area from a locked
-- counter, given to the head that waited under a provisional (negative)
-- number, its rows following by the key's ON UPDATE CASCADE. The counter
-- stays locked until the transaction ends, so it is taken as late as can
-- be, by the commit itself (below): numbers are unique, gap-free and in
-- commit order while the rest of eight counters' saves run side by side.
CREATE OR REPLACE FUNCTION kest_private.next_rent_no(v_date text, v_area text) RETURNS bigint
LANGUAGE sql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
    SELECT next_number('eb040ms', (SELECT max(rent_no) FROM eb040ms
                                    WHERE rent_date = v_date AND area_gubun = v_area AND rent_no > 0),
                       v_date, v_area)
$$;
CREATE OR REPLACE FUNCTION kest_private.number_rental(v_date text, v_area text, provisional bigint)
RETURNS bigint
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    v_no bigint := next_rent_no(v_date, v_area);
BEGIN
    UPDATE eb040ms SET rent_no = v_no
     WHERE rent_date = v_date AND area_gubun = v_area AND rent_no = provisional;
    IF NOT FOUND THEN
        RAISE EXCEPTION '대여번호 [%]의 대여 자료가 없습니다.', provisional;
    END IF;
    RETURN v_no;
END
$$;

-- A head still under its provisional number when its transaction commits
-- is numbered then, so no negative number is ever stored.
CREATE OR REPLACE FUNCTION kest_private.number_rental_at_commit() RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
BEGIN
    IF EXISTS (SELECT 1 FROM eb040ms
                WHERE rent_date = NEW.rent_date AND area_gubun = NEW.area_gubun AND rent_no = NEW.rent_no) THEN
        PERFORM number_rental(NEW.rent_date, NEW.area_gubun, NEW.rent_no);
    END IF;
    RETURN NULL;
END
$$;
DO $$
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_trigger WHERE tgname = 'eb040ms_number_at_commit'
                                              AND tgrelid = 'ktuser.eb040ms'::regclass) THEN
        CREATE CONSTRAINT TRIGGER eb040ms_number_at_commit AFTER INSERT ON eb040ms
            DEFERRABLE INITIALLY DEFERRED FOR EACH ROW WHEN (NEW.rent_no < 0)
            EXECUTE FUNCTION kest_private.number_rental_at_commit();
    END IF;
END
$$;

-- The rental head. A new rental (status 2) gets the next number of its date
-- and area (kest_private.number_rental), returned in anew_rent_no. With
-- alate_number 'Y' it gets a provisional number instead, which its rows
-- use; the commit gives the real one, which pr_ebi040_05 then tells, so
-- that the number series is locked only while the save commits.
SELECT kest_private.drop_without('pr_ebi040_01', 'alate_number');
CREATE OR REPLACE FUNCTION pr_ebi040_01(arent_date text DEFAULT NULL, aarea_gubun text DEFAULT NULL,
                                        arent_no text DEFAULT NULL, adeal_name text DEFAULT NULL,
                                        akeep_kind_gubun text DEFAULT NULL, akeep_box_no text DEFAULT NULL,
                                        arow_ver text DEFAULT NULL, au_emp_no text DEFAULT NULL, au_ip text DEFAULT NULL,
                                        aeditstatus text DEFAULT NULL, alate_number text DEFAULT NULL,
                                        OUT anew_rent_no text)
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st     text   := edit_status(aeditstatus, '12');
    au     record := audit(au_emp_no, au_ip);
    v_date text   := check_date(arent_date, '대여일자', true);
    v_area text   := check_zx_key(aarea_gubun, 'E0017', 2, '지역구분');
    v_deal text   := check_text(adeal_name, 30, '취급자');
    v_kind text   := check_zx_code(akeep_kind_gubun, 'E0013', 10, '보관내용구분');
    v_box  text   := check_text(akeep_box_no, 5, '보관함번호');
    v_late text   := check_code(alate_number, '{Y,N}', '번호 발급 시점');
    v_no   bigint;
    v_ver  integer;
BEGIN
    CASE st
    WHEN '2' THEN
        IF v_late = 'Y' THEN
            v_no := -nextval('kest_private.rental_draft');
        ELSE
            v_no := next_rent_no(v_date, v_area);
        END IF;
        INSERT INTO eb040ms (rent_date, area_gubun, rent_no, deal_name, keep_kind_gubun, keep_box_no,
                             au_emp_no, au_ip, au_date, draft_no)
        VALUES (v_date, v_area, v_no, v_deal, v_kind, v_box, au.emp_no, au.ip, au.at,
                CASE WHEN v_no < 0 THEN v_no END);
        anew_rent_no := v_no::text;
    WHEN '1' THEN
        v_no := check_int(arent_no, 1, 9999999999, '대여번호', true);
        SELECT row_ver INTO v_ver FROM eb040ms
         WHERE rent_date = v_date AND area_gubun = v_area AND rent_no = v_no
           FOR UPDATE;
        IF NOT FOUND THEN
            RAISE EXCEPTION '대여번호 [%]의 대여 자료가 없습니다.', arent_no;
        END IF;
        PERFORM check_row_ver(v_ver, arow_ver);
        UPDATE eb040ms
           SET (deal_name, keep_kind_gubun, keep_box_no) = (v_deal, v_kind, v_box),
               (au_emp_no, au_ip, au_date) = (au.emp_no, au.ip, au.at), row_ver = row_ver + 1
         WHERE rent_date = v_date AND area_gubun = v_area AND rent_no = v_no;
        anew_rent_no := arent_no;
    END CASE;
END
$$;

-- One rental row. The head row is locked first, so the row numbers of one
-- rental are issued one counter at a time. An item going out (a new row, or
-- a returned row taken out again) is checked to be free, and the counter's
-- hold on it is taken over by the row. A row in state S marks its item as
-- out on a multi-day rental; leaving S or being deleted gives the item back.
-- Limits: height 0..250 cm, weight 0..250 kg, binding setting 0..30 (the
-- DIN scale ends at 20 on race bindings); 0 is what an unknown value reads as.
SELECT kest_private.drop_without('pr_ebi040_02', 'arow_ver');
CREATE OR REPLACE FUNCTION pr_ebi040_02(arent_date text DEFAULT NULL, aarea_gubun text DEFAULT NULL,
                                        arent_no text DEFAULT NULL, arent_seq text DEFAULT NULL,
                                        aticket_kind text DEFAULT NULL, arent_stat text DEFAULT NULL,
                                        aequip_gubun text DEFAULT NULL, aequip_no text DEFAULT NULL,
                                        arent_name text DEFAULT NULL, atel_no text DEFAULT NULL,
                                        aheight text DEFAULT NULL, aweight text DEFAULT NULL,
                                        ashoes_size text DEFAULT NULL, abinding text DEFAULT NULL,
                                        azip_code text DEFAULT NULL, aaddr1 text DEFAULT NULL,
                                        aaddr2 text DEFAULT NULL,
                                        asvrl_rent_from_date text DEFAULT NULL,
                                        asvrl_rent_to_date text DEFAULT NULL,
                                        aremark text DEFAULT NULL, arow_ver text DEFAULT NULL,
                                        au_emp_no text DEFAULT NULL, au_ip text DEFAULT NULL,
                                        aeditstatus text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st       text    := edit_status(aeditstatus);
    au       record  := audit(au_emp_no, au_ip);
    v_date   text    := check_date(arent_date, '대여일자', true);
    v_area   text    := check_zx_key(aarea_gubun, 'E0017', 2, '지역구분');
    -- A new row may go under the provisional number of its new head.
    v_no     bigint  := check_int(arent_no, CASE WHEN st = '2' THEN -9999999999 ELSE 1 END, 9999999999,
                                  '대여번호', true);
    v_seq    integer;
    v_kind   text;
    v_item   text;
    v_stat   text;
    v_ticket text;
    v_name   text;
    v_tel    text;
    v_height integer;
    v_weight integer;
    v_shoes  text;
    v_bind   integer;
    v_zip    text;
    v_addr1  text;
    v_addr2  text;
    v_from   text;
    v_to     text;
    v_rmk    text;
    v_old    record;
    v_why    text;
BEGIN
    IF st IN ('1', '3') THEN
        v_seq := check_int(arent_seq, 1, 9999, '대여순번', true);
    END IF;
    IF st IN ('1', '2') THEN
        v_kind   := check_zx_key(aequip_gubun, 'E0009', 2, '장비구분');
        v_item   := check_key(aequip_no, 5, '장비번호');
        v_stat   := check_code(arent_stat, '{D,S,R}', '대여상태', true);
        v_ticket := check_zx_code(aticket_kind, 'I0005', 10, '권종');
        v_name   := check_text(arent_name, 30, '대여자명', true);
        v_tel    := check_text(atel_no, 20, '연락처');
        v_height := check_int(aheight, 0, 250, '신장');
        v_weight := check_int(aweight, 0, 250, '체중');
        v_shoes  := check_zx_code(ashoes_size, 'E0011', 10, '부츠사이즈');
        v_bind   := check_int(abinding, 0, 30, '바인딩강도');
        v_zip    := check_text(azip_code, 6, '우편번호');
        v_addr1  := check_text(aaddr1, 60, '주소');
        v_addr2  := check_text(aaddr2, 60, '상세주소');
        v_from   := check_date(asvrl_rent_from_date, '연일대여 시작일');
        v_to     := check_date(asvrl_rent_to_date, '연일대여 종료일');
        PERFORM check_period(v_from, v_to, '연일대여 시작일', '연일대여 종료일');
        v_rmk    := check_text(aremark, 60, '비고');
        IF v_stat = 'S' AND (v_from IS NULL OR v_to IS NULL) THEN
            RAISE EXCEPTION '대여상태가 [연일대여]일 경우 연일대여기간을 입력하십시오.';
        END IF;
    END IF;

    PERFORM 1 FROM eb040ms
      WHERE rent_date = v_date AND area_gubun = v_area AND rent_no = v_no
        FOR UPDATE;
    IF NOT FOUND THEN
        RAISE EXCEPTION '대여번호 [%]의 대여 자료가 없습니다.', arent_no;
    END IF;

    IF st = '2' THEN
        v_why := rent_refusal(v_date, v_area, v_kind, v_item, au.emp_no, au.ip);
        IF v_why IS NOT NULL THEN
            RAISE EXCEPTION '%', v_why;
        END IF;
        SELECT COALESCE(max(rent_seq), 0) + 1 INTO v_seq FROM eb040dt
         WHERE rent_date = v_date AND area_gubun = v_area AND rent_no = v_no;
        INSERT INTO eb040dt (rent_date, area_gubun, rent_no, rent_seq, ticket_kind, rent_stat, equip_gubun,
                             equip_no, rent_name, tel_no, height, weight, shoes_size, binding, zip_code,
                             addr1, addr2, svrl_rent_from_date, svrl_rent_to_date, remark, rent_time,
                             au_emp_no, au_ip, au_date)
        VALUES (v_date, v_area, v_no, v_seq, v_ticket, v_stat, v_kind, v_item, v_name, enc(v_tel),
                v_height, v_weight, v_shoes, v_bind, v_zip, enc(v_addr1), enc(v_addr2), v_from, v_to, v_rmk,
                to_char(au.at, 'HH24MI'), au.emp_no, au.ip, au.at);
        DELETE FROM eb020tm
         WHERE rent_date = v_date AND area_gubun = v_area AND equip_gubun = v_kind AND equip_no = v_item;
        IF v_stat = 'S' THEN
            UPDATE eb020ms SET svrl_rent_yn = 'Y', svrl_from_date = v_date
             WHERE area_gubun = v_area AND equip_gubun = v_kind AND equip_no = v_item;
        END IF;
        RETURN;
    END IF;

    SELECT * INTO v_old FROM eb040dt
     WHERE rent_date = v_date AND area_gubun = v_area AND rent_no = v_no AND rent_seq = v_seq
       FOR UPDATE;
    IF NOT FOUND THEN
        RAISE EXCEPTION '대여순번 [%]의 대여 자료가 없습니다.', arent_seq;
    END IF;
    PERFORM check_row_ver(v_old.row_ver, arow_ver);

    CASE st
    WHEN '1' THEN
        IF (v_old.equip_gubun, v_old.equip_no) IS DISTINCT FROM (v_kind, v_item) THEN
            RAISE EXCEPTION '저장된 대여 자료의 장비는 바꿀 수 없습니다.';
        END IF;
        IF v_old.rent_stat = 'S' AND v_stat <> 'S' THEN
            UPDATE eb020ms SET svrl_rent_yn = 'N', svrl_from_date = NULL
             WHERE area_gubun = v_area AND equip_gubun = v_kind AND equip_no = v_item
               AND svrl_from_date = v_date;
        END IF;
        -- A returned item taken out again must still be free.
        IF v_old.rent_stat = 'R' AND v_stat IN ('D', 'S') THEN
            v_why := rent_refusal(v_date, v_area, v_kind, v_item, au.emp_no, au.ip, v_no, v_seq);
            IF v_why IS NOT NULL THEN
                RAISE EXCEPTION '%', v_why;
            END IF;
        END IF;
        IF v_stat = 'S' AND v_old.rent_stat IS DISTINCT FROM 'S' THEN
            UPDATE eb020ms SET svrl_rent_yn = 'Y', svrl_from_date = v_date
             WHERE area_gubun = v_area AND equip_gubun = v_kind AND equip_no = v_item;
        END IF;
        UPDATE eb040dt
           SET (ticket_kind, rent_stat, rent_name, tel_no, height, weight, shoes_size, binding, zip_code,
                addr1, addr2, svrl_rent_from_date, svrl_rent_to_date, remark)
             = (v_ticket, v_stat, v_name, enc(v_tel), v_height, v_weight, v_shoes, v_bind, v_zip,
                enc(v_addr1), enc(v_addr2), v_from, v_to, v_rmk),
               (au_emp_no, au_ip, au_date) = (au.emp_no, au.ip, au.at), row_ver = row_ver + 1
         WHERE rent_date = v_date AND area_gubun = v_area AND rent_no = v_no AND rent_seq = v_seq;
    WHEN '3' THEN
        IF v_old.rent_stat = 'S' THEN
            UPDATE eb020ms SET svrl_rent_yn = 'N', svrl_from_date = NULL
             WHERE area_gubun = v_old.area_gubun AND equip_gubun = v_old.equip_gubun
               AND equip_no = v_old.equip_no AND svrl_from_date = v_date;
        END IF;
        DELETE FROM eb040dt
         WHERE rent_date = v_date AND area_gubun = v_area AND rent_no = v_no AND rent_seq = v_seq;
    END CASE;
EXCEPTION WHEN unique_violation THEN
    -- Another counter put the item out after the check above had looked.
    GET STACKED DIAGNOSTICS v_why = CONSTRAINT_NAME;
    IF v_why = 'eb040dt_open_item' THEN
        RAISE EXCEPTION '장비번호 [%]은(는) 이미 대여된 장비입니다.', v_item;
    END IF;
    RAISE;
END
$$;

-- The real number of a head saved under a provisional one (alate_number
-- 'Y'): once its save committed, the number the commit gave it; inside the
-- save, one taken at once (the series then stays locked until the commit).
-- A number already real is returned as it is.
CREATE OR REPLACE FUNCTION pr_ebi040_05(arent_date text DEFAULT NULL, aarea_gubun text DEFAULT NULL,
                                        arent_no text DEFAULT NULL, OUT anew_rent_no text)
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    v_date text   := check_date(arent_date, '대여일자', true);
    v_area text   := check_zx_key(aarea_gubun, 'E0017', 2, '지역구분');
    v_no   bigint := check_int(arent_no, -9999999999, 9999999999, '대여번호', true);
BEGIN
    IF v_no < 0 THEN
        IF EXISTS (SELECT 1 FROM eb040ms WHERE rent_date = v_date AND area_gubun = v_area AND rent_no = v_no) THEN
            v_no := number_rental(v_date, v_area, v_no);
        ELSE
            SELECT rent_no INTO v_no FROM eb040ms
             WHERE rent_date = v_date AND area_gubun = v_area AND draft_no = v_no;
            IF NOT FOUND THEN
                RAISE EXCEPTION '대여번호 [%]의 대여 자료가 없습니다.', arent_no;
            END IF;
        END IF;
    END IF;
    anew_rent_no := v_no::text;
END
$$;

-- A counter's hold on an item (2) or its release (3). A hold is unique per
-- date, area, kind and item and refused for an item that is held or out; a
-- lapsed hold gives way. A counter releases only its own holds: releasing
-- anything else is a no-op, so that Cancel and Close always work.
CREATE OR REPLACE FUNCTION pr_ebi040_03(arent_date text DEFAULT NULL, aarea_gubun text DEFAULT NULL,
                                        aequip_gubun text DEFAULT NULL, aequip_no text DEFAULT NULL,
                                        au_emp_no text DEFAULT NULL, au_ip text DEFAULT NULL,
                                        aeditstatus text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st     text   := edit_status(aeditstatus, '23');
    au     record := audit(au_emp_no, au_ip);
    v_date text;
    v_area text;
    v_kind text;
    v_item text;
    v_why  text;
BEGIN
    IF st = '3' THEN
        DELETE FROM eb020tm h
         WHERE h.rent_date = clean(arent_date) AND h.area_gubun = clean(aarea_gubun)
           AND h.equip_gubun = clean(aequip_gubun) AND h.equip_no = clean(aequip_no)
           AND h.au_emp_no = au.emp_no AND h.au_ip IS NOT DISTINCT FROM au.ip;
        RETURN;
    END IF;

    v_date := check_date(arent_date, '대여일자', true);
    v_area := check_key(aarea_gubun, 2, '지역구분');
    v_kind := check_key(aequip_gubun, 2, '장비구분');
    v_item := check_key(aequip_no, 5, '장비번호');
    PERFORM check_text(au.emp_no, 20, '작업자 사번', true);
    v_why := rent_refusal(v_date, v_area, v_kind, v_item, au.emp_no, au.ip);
    IF v_why IS NULL AND EXISTS (SELECT 1 FROM eb020tm_live h
                                  WHERE (h.rent_date, h.area_gubun, h.equip_gubun, h.equip_no)
                                      = (v_date, v_area, v_kind, v_item)) THEN
        v_why := format('장비번호 [%s]은(는) 이미 선택된 장비입니다.', v_item);
    END IF;
    IF v_why IS NOT NULL THEN
        RAISE EXCEPTION '%', v_why;
    END IF;
    -- What is left of the item's holds has lapsed and gives way.
    DELETE FROM eb020tm h
     WHERE (h.rent_date, h.area_gubun, h.equip_gubun, h.equip_no) = (v_date, v_area, v_kind, v_item);
    INSERT INTO eb020tm (rent_date, area_gubun, equip_gubun, equip_no, au_emp_no, au_ip, au_date)
    VALUES (v_date, v_area, v_kind, v_item, au.emp_no, au.ip, au.at);
END
$$;

-- Releases every hold one counter (employee and workstation) took before a
-- moment (YYYYMMDDHH24MISS; empty: now): the rental screen calls it when it
-- opens, so holds a crashed session left behind go at once.
CREATE OR REPLACE FUNCTION pr_ebi040_04(au_emp_no text DEFAULT NULL, au_ip text DEFAULT NULL,
                                        aheld_before text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    au       record    := audit(au_emp_no, au_ip);
    v_emp    text      := check_text(au.emp_no, 20, '작업자 사번', true);
    v_before timestamp := COALESCE(check_moment(aheld_before, '해제 기준시각'), au.at);
BEGIN
    DELETE FROM eb020tm h
     WHERE h.au_emp_no = v_emp AND h.au_ip IS NOT DISTINCT FROM au.ip AND h.au_date <= v_before;
END
$$;
