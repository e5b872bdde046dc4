-- Rental and return at the counter: rental heads, rental rows and the
-- counters' item holds.

-- Why an item of the date cannot go out; NULL when it is free. A counter's
-- own hold does not keep the item from that counter, and a row that is
-- being changed does not keep its own item out.
CREATE FUNCTION kest_private.rent_refusal(arent_date text, aarea_gubun text, aequip_gubun text, aequip_no text,
                                          au_emp_no text, au_ip text,
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
    IF EXISTS (SELECT 1 FROM eb020tm h
                WHERE h.rent_date = arent_date AND h.area_gubun = aarea_gubun
                  AND h.equip_gubun = aequip_gubun AND h.equip_no = aequip_no
                  AND (h.au_emp_no, h.au_ip) IS DISTINCT FROM (rent_refusal.au_emp_no, rent_refusal.au_ip)) THEN
        RETURN format('장비번호 [%s]은(는) 다른 작업대에서 선택한 장비입니다.', aequip_no);
    END IF;
    RETURN NULL;
END
$$;

-- The rental head. A new rental (status 2) gets the next number of its date
-- and area from a locked counter, so that concurrent counters never share
-- one; the number is returned in anew_rent_no.
CREATE FUNCTION pr_ebi040_01(arent_date text DEFAULT NULL, aarea_gubun text DEFAULT NULL,
                             arent_no text DEFAULT NULL, adeal_name text DEFAULT NULL,
                             akeep_kind_gubun text DEFAULT NULL, akeep_box_no text DEFAULT NULL,
                             au_emp_no text DEFAULT NULL, au_ip text DEFAULT NULL,
                             aeditstatus text DEFAULT NULL, OUT anew_rent_no text)
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    v_no bigint;
BEGIN
    IF NULLIF(arent_date, '') IS NULL OR NULLIF(aarea_gubun, '') IS NULL THEN
        RAISE EXCEPTION '대여일자와 지역구분을 입력하십시오.' USING ERRCODE = 'P0001';
    END IF;
    IF aeditstatus = '2' THEN
        v_no := kest_private.next_number('EB040MS/' || arent_date || '/' || aarea_gubun,
                                         (SELECT max(rent_no) FROM eb040ms
                                           WHERE rent_date = arent_date AND area_gubun = aarea_gubun));
        INSERT INTO eb040ms (rent_date, area_gubun, rent_no, deal_name, keep_kind_gubun, keep_box_no,
                             au_emp_no, au_ip, au_date)
        VALUES (arent_date, aarea_gubun, v_no, NULLIF(adeal_name, ''), NULLIF(akeep_kind_gubun, ''),
                NULLIF(akeep_box_no, ''), NULLIF(au_emp_no, ''), NULLIF(au_ip, ''), LOCALTIMESTAMP(0));
        anew_rent_no := v_no::text;
    ELSIF aeditstatus = '1' THEN
        UPDATE eb040ms
           SET deal_name = NULLIF(adeal_name, ''), keep_kind_gubun = NULLIF(akeep_kind_gubun, ''),
               keep_box_no = NULLIF(akeep_box_no, ''),
               au_emp_no = NULLIF(pr_ebi040_01.au_emp_no, ''), au_ip = NULLIF(pr_ebi040_01.au_ip, ''),
               au_date = LOCALTIMESTAMP(0)
         WHERE rent_date = arent_date AND area_gubun = aarea_gubun
           AND rent_no = NULLIF(trim(arent_no), '')::bigint;
        IF NOT FOUND THEN
            RAISE EXCEPTION '대여번호 [%]의 대여 자료가 없습니다.', arent_no USING ERRCODE = 'P0001';
        END IF;
        anew_rent_no := arent_no;
    ELSE
        RAISE EXCEPTION '작업구분이 올바르지 않습니다.' USING ERRCODE = 'P0001';
    END IF;
END
$$;

-- One rental row: 2 new, 1 changed, 3 deleted. The head row is locked first,
-- so the row numbers of one rental are issued one counter at a time. An
-- item going out (a new row, or a returned row taken out again) is checked
-- to be free, and the counter's hold on it is taken over by the row. A row
-- in state S marks its item as out on a multi-day rental; leaving S or
-- being deleted gives the item back.
CREATE FUNCTION pr_ebi040_02(arent_date text DEFAULT NULL, aarea_gubun text DEFAULT NULL,
                             arent_no text DEFAULT NULL, arent_seq text DEFAULT NULL,
                             aticket_kind text DEFAULT NULL, arent_stat text DEFAULT NULL,
                             aequip_gubun text DEFAULT NULL, aequip_no text DEFAULT NULL,
                             arent_name text DEFAULT NULL, atel_no text DEFAULT NULL,
                             aheight text DEFAULT NULL, aweight text DEFAULT NULL,
                             ashoes_size text DEFAULT NULL, abinding text DEFAULT NULL,
                             azip_code text DEFAULT NULL, aaddr1 text DEFAULT NULL, aaddr2 text DEFAULT NULL,
                             asvrl_rent_from_date text DEFAULT NULL, asvrl_rent_to_date text DEFAULT NULL,
                             aremark text DEFAULT NULL, au_emp_no text DEFAULT NULL, au_ip text DEFAULT NULL,
                             aeditstatus text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    v_no   bigint := NULLIF(trim(arent_no), '')::bigint;
    v_seq  integer := NULLIF(trim(arent_seq), '')::integer;
    v_old  record;
    v_why  text;
    v_emp  text := NULLIF(pr_ebi040_02.au_emp_no, '');
    v_ip   text := NULLIF(pr_ebi040_02.au_ip, '');
BEGIN
    PERFORM 1 FROM eb040ms
      WHERE rent_date = arent_date AND area_gubun = aarea_gubun AND rent_no = v_no
        FOR UPDATE;
    IF NOT FOUND THEN
        RAISE EXCEPTION '대여번호 [%]의 대여 자료가 없습니다.', arent_no USING ERRCODE = 'P0001';
    END IF;

    IF aeditstatus IN ('1', '2') THEN
        IF NULLIF(aequip_gubun, '') IS NULL OR NULLIF(aequip_no, '') IS NULL THEN
            RAISE EXCEPTION '장비구분과 장비번호를 입력하십시오.' USING ERRCODE = 'P0001';
        END IF;
        IF arent_stat IS NULL OR arent_stat NOT IN ('D', 'S', 'R') THEN
            RAISE EXCEPTION '대여상태를 선택하십시오.' USING ERRCODE = 'P0001';
        END IF;
        IF arent_stat = 'S' AND (NULLIF(asvrl_rent_from_date, '') IS NULL OR NULLIF(asvrl_rent_to_date, '') IS NULL) THEN
            RAISE EXCEPTION '대여상태가 [연일대여]일 경우 연일대여기간을 입력하십시오.' USING ERRCODE = 'P0001';
        END IF;
    END IF;

    IF aeditstatus = '2' THEN
        v_why := kest_private.rent_refusal(arent_date, aarea_gubun, aequip_gubun, aequip_no, v_emp, v_ip);
        IF v_why IS NOT NULL THEN
            RAISE EXCEPTION '%', v_why USING ERRCODE = 'P0001';
        END IF;
        SELECT COALESCE(max(rent_seq), 0) + 1 INTO v_seq FROM eb040dt
         WHERE rent_date = arent_date AND area_gubun = aarea_gubun AND rent_no = v_no;
        INSERT INTO eb040dt (rent_date, area_gubun, rent_no, rent_seq, ticket_kind, rent_stat, equip_gubun,
                             equip_no, rent_name, tel_no, height, weight, shoes_size, binding, zip_code,
                             addr1, addr2, svrl_rent_from_date, svrl_rent_to_date, remark,
                             au_emp_no, au_ip, au_date)
        VALUES (arent_date, aarea_gubun, v_no, v_seq, NULLIF(aticket_kind, ''), arent_stat, aequip_gubun,
                aequip_no, NULLIF(arent_name, ''), kest_private.enc(atel_no),
                NULLIF(trim(aheight), '')::integer, NULLIF(trim(aweight), '')::integer,
                NULLIF(ashoes_size, ''), NULLIF(trim(abinding), '')::integer, NULLIF(azip_code, ''),
                kest_private.enc(aaddr1), kest_private.enc(aaddr2),
                NULLIF(asvrl_rent_from_date, ''), NULLIF(asvrl_rent_to_date, ''), NULLIF(aremark, ''),
                v_emp, v_ip, LOCALTIMESTAMP(0));
        DELETE FROM eb020tm
         WHERE rent_date = arent_date AND area_gubun = aarea_gubun
           AND equip_gubun = aequip_gubun AND equip_no = aequip_no;
        IF arent_stat = 'S' THEN
            UPDATE eb020ms SET svrl_rent_yn = 'Y', svrl_from_date = arent_date
             WHERE area_gubun = aarea_gubun AND equip_gubun = aequip_gubun AND equip_no = aequip_no;
        END IF;
        RETURN;
    END IF;

    SELECT * INTO v_old FROM eb040dt
     WHERE rent_date = arent_date AND area_gubun = aarea_gubun AND rent_no = v_no AND rent_seq = v_seq
       FOR UPDATE;
    IF NOT FOUND THEN
        RAISE EXCEPTION '대여순번 [%]의 대여 자료가 없습니다.', arent_seq USING ERRCODE = 'P0001';
    END IF;

    IF aeditstatus = '1' THEN
        IF (v_old.equip_gubun, v_old.equip_no) IS DISTINCT FROM (aequip_gubun, aequip_no) THEN
            RAISE EXCEPTION '저장된 대여 자료의 장비는 바꿀 수 없습니다.' USING ERRCODE = 'P0001';
        END IF;
        IF v_old.rent_stat = 'S' AND arent_stat <> 'S' THEN
            UPDATE eb020ms SET svrl_rent_yn = 'N', svrl_from_date = NULL
             WHERE area_gubun = aarea_gubun AND equip_gubun = aequip_gubun AND equip_no = aequip_no
               AND svrl_from_date = arent_date;
        END IF;
        -- A returned item taken out again must still be free.
        IF v_old.rent_stat = 'R' AND arent_stat IN ('D', 'S') THEN
            v_why := kest_private.rent_refusal(arent_date, aarea_gubun, aequip_gubun, aequip_no, v_emp, v_ip,
                                               v_no, v_seq);
            IF v_why IS NOT NULL THEN
                RAISE EXCEPTION '%', v_why USING ERRCODE = 'P0001';
            END IF;
        END IF;
        IF arent_stat = 'S' AND v_old.rent_stat IS DISTINCT FROM 'S' THEN
            UPDATE eb020ms SET svrl_rent_yn = 'Y', svrl_from_date = arent_date
             WHERE area_gubun = aarea_gubun AND equip_gubun = aequip_gubun AND equip_no = aequip_no;
        END IF;
        UPDATE eb040dt
           SET ticket_kind = NULLIF(aticket_kind, ''), rent_stat = arent_stat, rent_name = NULLIF(arent_name, ''),
               tel_no = kest_private.enc(atel_no), height = NULLIF(trim(aheight), '')::integer,
               weight = NULLIF(trim(aweight), '')::integer, shoes_size = NULLIF(ashoes_size, ''),
               binding = NULLIF(trim(abinding), '')::integer, zip_code = NULLIF(azip_code, ''),
               addr1 = kest_private.enc(aaddr1), addr2 = kest_private.enc(aaddr2),
               svrl_rent_from_date = NULLIF(asvrl_rent_from_date, ''),
               svrl_rent_to_date = NULLIF(asvrl_rent_to_date, ''), remark = NULLIF(aremark, ''),
               au_emp_no = v_emp, au_ip = v_ip, au_date = LOCALTIMESTAMP(0)
         WHERE rent_date = arent_date AND area_gubun = aarea_gubun AND rent_no = v_no AND rent_seq = v_seq;
    ELSIF aeditstatus = '3' THEN
        IF v_old.rent_stat = 'S' THEN
            UPDATE eb020ms SET svrl_rent_yn = 'N', svrl_from_date = NULL
             WHERE area_gubun = v_old.area_gubun AND equip_gubun = v_old.equip_gubun
               AND equip_no = v_old.equip_no AND svrl_from_date = arent_date;
        END IF;
        DELETE FROM eb040dt
         WHERE rent_date = arent_date AND area_gubun = aarea_gubun AND rent_no = v_no AND rent_seq = v_seq;
    ELSE
        RAISE EXCEPTION '작업구분이 올바르지 않습니다.' USING ERRCODE = 'P0001';
    END IF;
END
$$;

-- A counter's hold on an item (2) or its release (3). A hold is unique per
-- date, area, kind and item and refused for an item that is held or out; a
-- counter releases only its own holds. Releasing no item is a no-op.
CREATE FUNCTION pr_ebi040_03(arent_date text DEFAULT NULL, aarea_gubun text DEFAULT NULL,
                             aequip_gubun text DEFAULT NULL, aequip_no text DEFAULT NULL,
                             au_emp_no text DEFAULT NULL, au_ip text DEFAULT NULL,
                             aeditstatus text DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    v_emp text := NULLIF(pr_ebi040_03.au_emp_no, '');
    v_ip  text := NULLIF(pr_ebi040_03.au_ip, '');
    v_why text;
BEGIN
    IF aeditstatus = '3' THEN
        IF NULLIF(trim(aequip_no), '') IS NULL THEN
            RETURN;
        END IF;
        IF EXISTS (SELECT 1 FROM eb020tm h
                    WHERE h.rent_date = arent_date AND h.area_gubun = aarea_gubun
                      AND h.equip_gubun = aequip_gubun AND h.equip_no = aequip_no
                      AND (h.au_emp_no, h.au_ip) IS DISTINCT FROM (v_emp, v_ip)) THEN
            RAISE EXCEPTION '장비번호 [%]은(는) 다른 작업대에서 선택한 장비이므로 해제할 수 없습니다.', aequip_no
                USING ERRCODE = 'P0001';
        END IF;
        DELETE FROM eb020tm h
         WHERE h.rent_date = arent_date AND h.area_gubun = aarea_gubun
           AND h.equip_gubun = aequip_gubun AND h.equip_no = aequip_no;
    ELSIF aeditstatus = '2' THEN
        IF NULLIF(trim(aequip_no), '') IS NULL OR NULLIF(aequip_gubun, '') IS NULL
           OR NULLIF(arent_date, '') IS NULL OR NULLIF(aarea_gubun, '') IS NULL THEN
            RAISE EXCEPTION '선택할 장비가 없습니다.' USING ERRCODE = 'P0001';
        END IF;
        IF v_emp IS NULL OR v_ip IS NULL THEN
            RAISE EXCEPTION '작업자와 작업대 주소가 없습니다.' USING ERRCODE = 'P0001';
        END IF;
        v_why := kest_private.rent_refusal(arent_date, aarea_gubun, aequip_gubun, aequip_no, v_emp, v_ip);
        IF v_why IS NULL AND EXISTS (SELECT 1 FROM eb020tm h
                                      WHERE h.rent_date = arent_date AND h.area_gubun = aarea_gubun
                                        AND h.equip_gubun = aequip_gubun AND h.equip_no = aequip_no) THEN
            v_why := format('장비번호 [%s]은(는) 이미 선택된 장비입니다.', aequip_no);
        END IF;
        IF v_why IS NOT NULL THEN
            RAISE EXCEPTION '%', v_why USING ERRCODE = 'P0001';
        END IF;
        INSERT INTO eb020tm (rent_date, area_gubun, equip_gubun, equip_no, au_emp_no, au_ip, au_date)
        VALUES (arent_date, aarea_gubun, aequip_gubun, aequip_no, v_emp, v_ip, LOCALTIMESTAMP(0));
    ELSE
        RAISE EXCEPTION '작업구분이 올바르지 않습니다.' USING ERRCODE = 'P0001';
    END IF;
END
$$;
