-- Writes of the equipment register and the boot base stock.

-- One row change of the equipment register. A new item's number is issued
-- here from a counter per area and kind, whatever the screen sent. The
-- multi-day columns belong to the rental procedures: the values the screen
-- loaded may be stale by now, so they are never written back, and a change
-- of them does not count against the row's version.
SELECT kest_private.drop_without('pr_ebi020_01', 'arow_ver');
CREATE OR REPLACE FUNCTION pr_ebi020_01(
    aarea_gubun          text DEFAULT NULL,
    aequip_gubun         text DEFAULT NULL,
    aequip_no            text DEFAULT NULL,
    aequip_size_gubun    text DEFAULT NULL,
    aequip_rent_yn       text DEFAULT NULL,
    abuy_date            text DEFAULT NULL,
    aremark              text DEFAULT NULL,
    asvrl_rent_yn        text DEFAULT NULL,
    asvrl_rent_from_date text DEFAULT NULL,
    asvrl_rent_to_date   text DEFAULT NULL,
    arow_ver             text DEFAULT NULL,
    au_emp_no            text DEFAULT NULL,
    au_ip                text DEFAULT NULL,
    aeditstatus          text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st     text   := edit_status(aeditstatus);
    au     record := audit(au_emp_no, au_ip);
    v_area text   := check_key(aarea_gubun, 2, '지역구분');
    v_kind text   := check_key(aequip_gubun, 2, '장비구분');
    v_no   text;
    v_size text;
    v_rent text;
    v_buy  text;
    v_rmk  text;
    v_next bigint;
    v_out  text;
    v_ver  integer;
BEGIN
    IF st IN ('1', '3') THEN
        v_no := check_key(aequip_no, 5, '장비번호');
    END IF;
    IF st IN ('1', '2') THEN
        v_size := check_key(aequip_size_gubun, 10, '사이즈');
        v_rent := check_code(aequip_rent_yn, '{Y,N}', '장비대여 가능여부', true);
        v_buy  := check_date(abuy_date, '구입일자');
        v_rmk  := check_text(aremark, 60, '비고');
    END IF;

    CASE st
    WHEN '2' THEN
        v_next := next_number('eb020ms',
                              (SELECT max(equip_no::bigint) FROM eb020ms
                                WHERE area_gubun = v_area AND equip_gubun = v_kind AND equip_no ~ '^[0-9]+$'),
                              v_area, v_kind);
        IF v_next > 99999 THEN
            RAISE EXCEPTION '장비번호가 모두 사용되었습니다. (지역 %, 장비 %)', v_area, v_kind;
        END IF;
        INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun, equip_rent_yn,
                             buy_date, remark, au_emp_no, au_ip, au_date)
        VALUES (v_area, v_kind, lpad(v_next::text, 5, '0'), v_size, v_rent, v_buy, v_rmk, au.emp_no, au.ip, au.at);

    WHEN '1' THEN
        SELECT row_ver INTO v_ver FROM eb020ms
         WHERE area_gubun = v_area AND equip_gubun = v_kind AND equip_no = v_no
           FOR UPDATE;
        IF NOT FOUND THEN
            RAISE EXCEPTION '장비번호 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', v_no;
        END IF;
        PERFORM check_row_ver(v_ver, arow_ver);
        UPDATE eb020ms
           SET (equip_size_gubun, equip_rent_yn, buy_date, remark) = (v_size, v_rent, v_buy, v_rmk),
               (au_emp_no, au_ip, au_date) = (au.emp_no, au.ip, au.at), row_ver = row_ver + 1
         WHERE area_gubun = v_area AND equip_gubun = v_kind AND equip_no = v_no;

    WHEN '3' THEN
        -- Locked first, so that a rental saved meanwhile waits for this decision.
        SELECT row_ver INTO v_ver FROM eb020ms
         WHERE area_gubun = v_area AND equip_gubun = v_kind AND equip_no = v_no
           FOR UPDATE;
        IF NOT FOUND THEN
            RETURN; -- already gone: the operator's wish holds
        END IF;
        PERFORM check_row_ver(v_ver, arow_ver);
        -- Only a rental still out blocks: past days' rows are history and stay.
        IF EXISTS (SELECT 1 FROM eb020ms
                    WHERE area_gubun = v_area AND equip_gubun = v_kind AND equip_no = v_no
                      AND svrl_rent_yn = 'Y') THEN
            RAISE EXCEPTION '장비번호 % 은(는) 연일대여 중인 장비이므로 삭제할 수 없습니다.', v_no;
        END IF;
        SELECT min(rent_date) INTO v_out FROM eb040dt
         WHERE area_gubun = v_area AND equip_gubun = v_kind AND equip_no = v_no
           AND rent_stat = 'D' AND rent_date >= to_char(au.at, 'YYYYMMDD');
        IF v_out IS NOT NULL THEN
            RAISE EXCEPTION '장비번호 % 은(는) % 일자에 대여된 장비이므로 삭제할 수 없습니다.', v_no,
                to_char(to_date(v_out, 'YYYYMMDD'), 'YYYY-MM-DD');
        END IF;
        IF EXISTS (SELECT 1 FROM eb020tm_live
                    WHERE area_gubun = v_area AND equip_gubun = v_kind AND equip_no = v_no) THEN
            RAISE EXCEPTION '장비번호 % 은(는) 대여 작업중인 장비이므로 삭제할 수 없습니다.', v_no;
        END IF;
        -- Lapsed holds would otherwise outlive their item.
        DELETE FROM eb020tm WHERE area_gubun = v_area AND equip_gubun = v_kind AND equip_no = v_no;
        DELETE FROM eb020ms WHERE area_gubun = v_area AND equip_gubun = v_kind AND equip_no = v_no;
    END CASE;
END
$$;

-- One row change of the boot base stock.
SELECT kest_private.drop_without('pr_ebi030_01', 'arow_ver');
CREATE OR REPLACE FUNCTION pr_ebi030_01(
    aarea_gubun       text DEFAULT NULL,
    aboots_size_gubun text DEFAULT NULL,
    astock_qty        text DEFAULT NULL,
    arow_ver          text DEFAULT NULL,
    au_emp_no         text DEFAULT NULL,
    au_ip             text DEFAULT NULL,
    aeditstatus       text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    st     text    := edit_status(aeditstatus);
    au     record  := audit(au_emp_no, au_ip);
    v_area text    := check_key(aarea_gubun, 2, '지역구분');
    v_size text    := check_key(aboots_size_gubun, 10, '사이즈');
    v_qty  integer := COALESCE(check_int(astock_qty, 0, 9999, '기준재고수량'), 0);
    v_ver  integer;
BEGIN
    CASE st
    WHEN '2' THEN
        INSERT INTO eb030ms (area_gubun, boots_size_gubun, stock_qty, au_emp_no, au_ip, au_date)
        VALUES (v_area, v_size, v_qty, au.emp_no, au.ip, au.at)
        ON CONFLICT DO NOTHING;
        IF NOT FOUND THEN
            RAISE EXCEPTION '기존 등록된 자료와 중복됩니다. (사이즈 %)', v_size;
        END IF;
    WHEN '1' THEN
        SELECT row_ver INTO v_ver FROM eb030ms WHERE area_gubun = v_area AND boots_size_gubun = v_size FOR UPDATE;
        IF NOT FOUND THEN
            RAISE EXCEPTION '사이즈 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', v_size;
        END IF;
        PERFORM check_row_ver(v_ver, arow_ver);
        UPDATE eb030ms
           SET stock_qty = v_qty, (au_emp_no, au_ip, au_date) = (au.emp_no, au.ip, au.at), row_ver = row_ver + 1
         WHERE area_gubun = v_area AND boots_size_gubun = v_size;
    WHEN '3' THEN
        SELECT row_ver INTO v_ver FROM eb030ms WHERE area_gubun = v_area AND boots_size_gubun = v_size FOR UPDATE;
        IF FOUND THEN
            PERFORM check_row_ver(v_ver, arow_ver);
        END IF;
        DELETE FROM eb030ms WHERE area_gubun = v_area AND boots_size_gubun = v_size;
    END CASE;
END
$$;
