-- Writes of the equipment register and the boot base stock.

-- One row change of the equipment register. A new item's number is issued
-- here from a counter per area and kind, whatever the screen sent. The
-- multi-day columns belong to the rental procedures: the values the screen
-- loaded may be stale by now, so they are never written back.
CREATE FUNCTION pr_ebi020_01(
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
    au_emp_no            text DEFAULT NULL,
    au_ip                text DEFAULT NULL,
    aeditstatus          text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    v_area  text := NULLIF(TRIM(aarea_gubun), '');
    v_kind  text := NULLIF(TRIM(aequip_gubun), '');
    v_no    text := NULLIF(TRIM(aequip_no), '');
    v_next  bigint;
BEGIN
    IF v_area IS NULL OR v_kind IS NULL THEN
        RAISE EXCEPTION '지역구분과 장비구분을 선택하십시오.' USING ERRCODE = 'P0001';
    END IF;

    IF aeditstatus IN ('1', '2') THEN
        IF NULLIF(TRIM(aequip_size_gubun), '') IS NULL THEN
            RAISE EXCEPTION '사이즈를 입력하십시오.' USING ERRCODE = 'P0001';
        END IF;
        IF COALESCE(aequip_rent_yn, '') NOT IN ('Y', 'N') THEN
            RAISE EXCEPTION '장비대여 가능여부를 입력하십시오.' USING ERRCODE = 'P0001';
        END IF;
        IF NULLIF(abuy_date, '') IS NOT NULL AND abuy_date !~ '^[0-9]{8}$' THEN
            RAISE EXCEPTION '구입일자가 올바르지 않습니다: %', abuy_date USING ERRCODE = 'P0001';
        END IF;
    END IF;

    IF aeditstatus = '2' THEN
        v_next := next_number('EB020MS/' || v_area || '/' || v_kind,
                              (SELECT max(to_num(equip_no))::bigint FROM eb020ms
                                WHERE area_gubun = v_area AND equip_gubun = v_kind
                                  AND equip_no ~ '^[0-9]+$'));
        IF v_next > 99999 THEN
            RAISE EXCEPTION '장비번호가 모두 사용되었습니다. (지역 %, 장비 %)', v_area, v_kind
                USING ERRCODE = 'P0001';
        END IF;
        INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun, equip_rent_yn,
                             buy_date, remark, au_emp_no, au_ip, au_date)
        VALUES (v_area, v_kind, lpad(v_next::text, 5, '0'), TRIM(aequip_size_gubun), aequip_rent_yn,
                NULLIF(abuy_date, ''), NULLIF(aremark, ''), NULLIF(au_emp_no, ''), NULLIF(au_ip, ''),
                LOCALTIMESTAMP(0));

    ELSIF aeditstatus = '1' THEN
        UPDATE eb020ms
           SET equip_size_gubun = TRIM(aequip_size_gubun),
               equip_rent_yn    = aequip_rent_yn,
               buy_date         = NULLIF(abuy_date, ''),
               remark           = NULLIF(aremark, ''),
               au_emp_no        = NULLIF(pr_ebi020_01.au_emp_no, ''),
               au_ip            = NULLIF(pr_ebi020_01.au_ip, ''),
               au_date          = LOCALTIMESTAMP(0)
         WHERE area_gubun = v_area AND equip_gubun = v_kind AND equip_no = v_no;
        IF NOT FOUND THEN
            RAISE EXCEPTION '장비번호 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', COALESCE(v_no, '')
                USING ERRCODE = 'P0001';
        END IF;

    ELSIF aeditstatus = '3' THEN
        -- Locked first, so that a rental saved meanwhile waits for this decision.
        PERFORM 1 FROM eb020ms
          WHERE area_gubun = v_area AND equip_gubun = v_kind AND equip_no = v_no
          FOR UPDATE;
        IF NOT FOUND THEN
            RETURN; -- already gone: the operator's wish holds
        END IF;
        IF EXISTS (SELECT 1 FROM eb020ms
                    WHERE area_gubun = v_area AND equip_gubun = v_kind AND equip_no = v_no
                      AND svrl_rent_yn = 'Y')
           OR EXISTS (SELECT 1 FROM eb040dt
                       WHERE area_gubun = v_area AND equip_gubun = v_kind AND equip_no = v_no
                         AND rent_stat IN ('D', 'S')) THEN
            RAISE EXCEPTION '장비번호 % 은(는) 대여중인 장비이므로 삭제할 수 없습니다.', v_no
                USING ERRCODE = 'P0001';
        END IF;
        IF EXISTS (SELECT 1 FROM eb020tm
                    WHERE area_gubun = v_area AND equip_gubun = v_kind AND equip_no = v_no) THEN
            RAISE EXCEPTION '장비번호 % 은(는) 대여 작업중인 장비이므로 삭제할 수 없습니다.', v_no
                USING ERRCODE = 'P0001';
        END IF;
        DELETE FROM eb020ms WHERE area_gubun = v_area AND equip_gubun = v_kind AND equip_no = v_no;

    ELSE
        RAISE EXCEPTION '알 수 없는 작업구분입니다: %', COALESCE(aeditstatus, '') USING ERRCODE = 'P0001';
    END IF;
END
$$;

-- One row change of the boot base stock.
CREATE FUNCTION pr_ebi030_01(
    aarea_gubun       text DEFAULT NULL,
    aboots_size_gubun text DEFAULT NULL,
    astock_qty        text DEFAULT NULL,
    au_emp_no         text DEFAULT NULL,
    au_ip             text DEFAULT NULL,
    aeditstatus       text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    v_area text := NULLIF(TRIM(aarea_gubun), '');
    v_size text := NULLIF(TRIM(aboots_size_gubun), '');
    v_qty  integer;
BEGIN
    IF v_area IS NULL OR v_size IS NULL THEN
        RAISE EXCEPTION '지역구분과 사이즈를 입력하십시오.' USING ERRCODE = 'P0001';
    END IF;
    IF aeditstatus IN ('1', '2') THEN
        IF NULLIF(TRIM(astock_qty), '') IS NULL THEN
            v_qty := 0;
        ELSIF TRIM(astock_qty) ~ '^[0-9]{1,4}$' THEN
            v_qty := TRIM(astock_qty)::integer;
        ELSE
            RAISE EXCEPTION '기준재고수량이 올바르지 않습니다: %', astock_qty USING ERRCODE = 'P0001';
        END IF;
    END IF;

    IF aeditstatus = '2' THEN
        INSERT INTO eb030ms (area_gubun, boots_size_gubun, stock_qty, au_emp_no, au_ip, au_date)
        VALUES (v_area, v_size, v_qty, NULLIF(au_emp_no, ''), NULLIF(au_ip, ''), LOCALTIMESTAMP(0))
        ON CONFLICT DO NOTHING;
        IF NOT FOUND THEN
            RAISE EXCEPTION '기존 등록된 자료와 중복됩니다. (사이즈 %)', v_size USING ERRCODE = 'P0001';
        END IF;
    ELSIF aeditstatus = '1' THEN
        UPDATE eb030ms
           SET stock_qty = v_qty,
               au_emp_no = NULLIF(pr_ebi030_01.au_emp_no, ''),
               au_ip     = NULLIF(pr_ebi030_01.au_ip, ''),
               au_date   = LOCALTIMESTAMP(0)
         WHERE area_gubun = v_area AND boots_size_gubun = v_size;
        IF NOT FOUND THEN
            RAISE EXCEPTION '사이즈 % 은(는) 등록되어 있지 않습니다. 다시 조회하십시오.', v_size
                USING ERRCODE = 'P0001';
        END IF;
    ELSIF aeditstatus = '3' THEN
        DELETE FROM eb030ms WHERE area_gubun = v_area AND boots_size_gubun = v_size;
    ELSE
        RAISE EXCEPTION '알 수 없는 작업구분입니다: %', COALESCE(aeditstatus, '') USING ERRCODE = 'P0001';
    END IF;
END
$$;
