-- Helpers every procedure shares. The files of this folder are re-applied to
-- live databases by scripts/db upgrade: only CREATE OR REPLACE here, and a
-- changed signature drops the old one first.

-- Personal columns (addresses, resident numbers, telephone numbers) are
-- stored as '$k1$' + base64(IV || AES-256-CBC ciphertext). The key is random
-- bytes, so no key stretching is needed, and reading stays cheap; it comes
-- from the server's key file (kest_private.key_bytes), never from a table.
CREATE OR REPLACE FUNCTION kest_private.enc(p text) RETURNS text
LANGUAGE sql VOLATILE SECURITY DEFINER
SET search_path = kest_private, public, pg_temp AS $$
    SELECT '$k1$' || translate(encode(x.iv || encrypt_iv(convert_to(x.v, 'UTF8'), key_bytes(), x.iv,
                                                          'aes-cbc/pad:pkcs'), 'base64'), E'\n', '')
      FROM (SELECT NULLIF(p, '') AS v, gen_random_bytes(16) AS iv) x
$$;

-- The key as a constant of the plans that read personal columns. Declared
-- immutable on purpose: the planner evaluates it once when it plans the
-- calling expression and keeps the bytes inside that cached plan, so the key
-- file is read once per session's plan instead of once per value. Only the
-- owner's definer functions call it. A new key (db/rotate_key.sql, run with
-- the counters closed) reaches a session when it connects again, or when
-- this function is made again (scripts/db upgrade), which drops the plans.
CREATE OR REPLACE FUNCTION kest_private.plan_key() RETURNS bytea
LANGUAGE sql IMMUTABLE SECURITY DEFINER
SET search_path = pg_catalog, pg_temp AS $$
    SELECT kest_private.key_bytes()
$$;

-- The readable text of a stored personal column. A value without the mark
-- (written by another system before encryption) is returned as it is.
-- PL/pgSQL keeps the expression's plan, and with it the key, for the
-- session; every name is qualified instead of a SET search_path, whose
-- save and restore on each call would cost as much as the decryption.
CREATE OR REPLACE FUNCTION fn_za010ms_04(p text) RETURNS text
LANGUAGE plpgsql STABLE STRICT SECURITY DEFINER AS $$
BEGIN
    IF pg_catalog.left(p, 4) OPERATOR(pg_catalog.=) '$k1$' THEN
        RETURN pg_catalog.convert_from(
            public.decrypt_iv(pg_catalog.substr(pg_catalog.decode(pg_catalog.substr(p, 5), 'base64'), 17),
                              kest_private.plan_key(),
                              pg_catalog.substr(pg_catalog.decode(pg_catalog.substr(p, 5), 'base64'), 1, 16),
                              'aes-cbc/pad:pkcs'),
            'UTF8');
    END IF;
    RETURN p;
END
$$;

-- The next number of the series of a table and its key values, e.g.
-- next_number('eb050ms', <highest stored>, season, area) counts in series
-- 'eb050ms:26:M'. in_use is the highest number already stored, so that a
-- series starts above rows written before it existed.
DROP FUNCTION IF EXISTS kest_private.next_number(text, bigint);
CREATE OR REPLACE FUNCTION kest_private.next_number(table_name text, in_use bigint, VARIADIC keys text[])
RETURNS bigint
LANGUAGE sql SECURITY DEFINER
SET search_path = kest_private, pg_temp AS $$
    INSERT INTO counters AS c (series, last_no)
    VALUES (lower(table_name) || ':' || array_to_string(keys, ':', '?'), COALESCE(in_use, 0) + 1)
    ON CONFLICT (series) DO UPDATE SET last_no = GREATEST(c.last_no, COALESCE(in_use, 0)) + 1
    RETURNING last_no
$$;

-- AEDITSTATUS of a row procedure: '1' update, '2' insert, '3' delete;
-- allowed narrows it for procedures that do not do all three.
CREATE OR REPLACE FUNCTION kest_private.edit_status(aeditstatus text, allowed text DEFAULT '123')
RETURNS text
LANGUAGE plpgsql IMMUTABLE AS $$
BEGIN
    IF aeditstatus IS NULL OR length(aeditstatus) <> 1 OR strpos(allowed, aeditstatus) = 0 THEN
        RAISE EXCEPTION '작업구분이 올바르지 않습니다.';
    END IF;
    RETURN aeditstatus;
END
$$;

-- A text without surrounding white space (also the full-width space of
-- Korean input and no-break space); NULL when nothing is left. The vertical
-- tab is \x0b: an E-string has no \v and reads it as a plain "v".
CREATE OR REPLACE FUNCTION kest_private.clean(value text) RETURNS text
LANGUAGE sql IMMUTABLE AS $$
    SELECT NULLIF(btrim(value, E' \t\r\n\x0b\f\u00a0\u3000'), '')
$$;

-- The audit stamp of a write: who (employee number), where (the counter's
-- workstation identity) and when.
-- Use: INSERT ... (..., au_emp_no, au_ip, au_date) VALUES (..., au.emp_no, au.ip, au.at)
--      UPDATE ... SET (au_emp_no, au_ip, au_date) = (au.emp_no, au.ip, au.at)
CREATE OR REPLACE FUNCTION kest_private.audit(au_emp_no text, au_ip text,
                                              OUT emp_no text, OUT ip text, OUT at timestamp)
LANGUAGE plpgsql STABLE AS $$
BEGIN
    emp_no := kest_private.check_text(kest_private.clean(au_emp_no), 20, '작업자 사번');
    ip := kest_private.check_text(kest_private.clean(au_ip), 60, '작업대 주소');
    at := LOCALTIMESTAMP(0);
END
$$;

-- The version of a stored row (row_ver) against the one the screen read
-- (arow_ver): a row another counter changed since is refused. A caller that
-- sends no version is not checked.
CREATE OR REPLACE FUNCTION kest_private.check_row_ver(stored integer, sent text) RETURNS void
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
    v text := kest_private.clean(sent);
BEGIN
    IF v IS NOT NULL AND (v !~ '^[0-9]{1,9}$' OR stored IS DISTINCT FROM v::integer) THEN
        RAISE EXCEPTION '다른 작업대에서 먼저 변경한 자료입니다. 다시 조회하십시오.';
    END IF;
END
$$;

-- Drops the forms of a procedure that lack a parameter, before the
-- procedure is made again with it (a signature that grew).
CREATE OR REPLACE FUNCTION kest_private.drop_without(procedure_name text, parameter text) RETURNS void
LANGUAGE plpgsql AS $$
DECLARE
    f regprocedure;
BEGIN
    FOR f IN SELECT p.oid::regprocedure FROM pg_proc p
              WHERE p.proname = procedure_name AND p.pronamespace = 'ktuser'::regnamespace
                AND NOT parameter = ANY (COALESCE(p.proargnames, '{}'::text[])) LOOP
        EXECUTE format('DROP FUNCTION %s', f);
    END LOOP;
END
$$;

-- Bytes of a text in CP949, as the client counts them: a Hangul syllable is
-- two bytes, a character CP949 lacks is sent as one '?'.
CREATE OR REPLACE FUNCTION kest_private.cp949_length(value text) RETURNS integer
LANGUAGE plpgsql IMMUTABLE STRICT AS $$
DECLARE
    n integer := 0;
    c text;
BEGIN
    RETURN octet_length(convert_to(value, 'UHC'));
EXCEPTION WHEN untranslatable_character THEN
    FOREACH c IN ARRAY regexp_split_to_array(value, '') LOOP
        BEGIN
            n := n + octet_length(convert_to(c, 'UHC'));
        EXCEPTION WHEN untranslatable_character THEN
            n := n + 1;
        END;
    END LOOP;
    RETURN n;
END
$$;

-- Checks of parameter values. Each returns the value to store (NULL for an
-- empty text, since columns never store '') or refuses with a Korean message
-- that names the field.

CREATE OR REPLACE FUNCTION kest_private.check_text(value text, width integer, label text,
                                                   required boolean DEFAULT false)
RETURNS text
LANGUAGE plpgsql IMMUTABLE AS $$
BEGIN
    IF required AND kest_private.clean(value) IS NULL THEN
        RAISE EXCEPTION '%을(를) 입력하십시오.', label;
    END IF;
    -- UTF-8 never takes fewer bytes than CP949: most texts need no conversion.
    IF octet_length(value) > width AND kest_private.cp949_length(value) > width THEN
        RAISE EXCEPTION '%은(는) %바이트(한글 %자)를 넘을 수 없습니다.', label, width, width / 2;
    END IF;
    RETURN NULLIF(value, '');
END
$$;

-- A key or code: trimmed and required.
CREATE OR REPLACE FUNCTION kest_private.check_key(value text, width integer, label text) RETURNS text
LANGUAGE sql IMMUTABLE AS $$
    SELECT kest_private.check_text(kest_private.clean(value), width, label, true)
$$;

-- One of a few fixed codes.
CREATE OR REPLACE FUNCTION kest_private.check_code(value text, allowed text[], label text,
                                                   required boolean DEFAULT false)
RETURNS text
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
    v text := kest_private.clean(value);
BEGIN
    IF v IS NULL THEN
        IF required THEN
            RAISE EXCEPTION '%을(를) 입력하십시오.', label;
        END IF;
    ELSIF NOT v = ANY (allowed) THEN
        RAISE EXCEPTION '%을(를) 정확히 입력하십시오.', label;
    END IF;
    RETURN v;
END
$$;

-- A whole number from lo to hi.
CREATE OR REPLACE FUNCTION kest_private.check_int(value text, lo bigint, hi bigint, label text,
                                                  required boolean DEFAULT false)
RETURNS bigint
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
    v text   := kest_private.clean(value);
    n bigint := CASE WHEN v ~ '^[+-]?[0-9]{1,18}$' THEN v::bigint END;
BEGIN
    IF v IS NULL THEN
        IF required THEN
            RAISE EXCEPTION '%을(를) 입력하십시오.', label;
        END IF;
    ELSIF n IS NULL OR n NOT BETWEEN lo AND hi THEN
        RAISE EXCEPTION '%은(는) %부터 %까지의 숫자로 입력하십시오.', label, lo, hi;
    END IF;
    RETURN n;
END
$$;

-- Whether a text is a calendar date YYYYMMDD, years 1 to 9999.
CREATE OR REPLACE FUNCTION kest_private.is_date(v text) RETURNS boolean
LANGUAGE sql IMMUTABLE STRICT AS $$
    SELECT CASE WHEN v ~ '^[0-9]{8}$' AND substr(v, 1, 4) <> '0000' AND substr(v, 5, 2) BETWEEN '01' AND '12'
                THEN substr(v, 7, 2)::integer BETWEEN 1 AND
                     extract(day FROM make_date(substr(v, 1, 4)::integer, substr(v, 5, 2)::integer, 1)
                                      + interval '1 month - 1 day')::integer
                ELSE false END
$$;

-- A date as the screens send it: YYYYMMDD.
CREATE OR REPLACE FUNCTION kest_private.check_date(value text, label text, required boolean DEFAULT false)
RETURNS text
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
    v text := kest_private.clean(value);
BEGIN
    IF v IS NULL THEN
        IF required THEN
            RAISE EXCEPTION '%을(를) 입력하십시오.', label;
        END IF;
    ELSIF NOT kest_private.is_date(v) THEN
        RAISE EXCEPTION '%을(를) 정확히 입력하십시오.', label;
    END IF;
    RETURN v;
END
$$;

-- A moment YYYYMMDDHH24MISS.
CREATE OR REPLACE FUNCTION kest_private.check_moment(value text, label text) RETURNS timestamp
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
    v text := kest_private.clean(value);
BEGIN
    IF v IS NULL THEN
        RETURN NULL;
    END IF;
    IF v !~ '^[0-9]{8}([01][0-9]|2[0-3])[0-5][0-9][0-5][0-9]$' OR NOT kest_private.is_date(left(v, 8)) THEN
        RAISE EXCEPTION '%을(를) 정확히 입력하십시오.', label;
    END IF;
    RETURN make_timestamp(substr(v, 1, 4)::integer, substr(v, 5, 2)::integer, substr(v, 7, 2)::integer,
                          substr(v, 9, 2)::integer, substr(v, 11, 2)::integer, substr(v, 13, 2)::integer);
END
$$;

-- Two checked dates of a period: the end may not come before the start.
CREATE OR REPLACE FUNCTION kest_private.check_period(date_from text, date_to text, from_label text, to_label text)
RETURNS void
LANGUAGE plpgsql IMMUTABLE AS $$
BEGIN
    IF date_to < date_from THEN
        RAISE EXCEPTION '%이(가) %보다 앞설 수 없습니다.', to_label, from_label;
    END IF;
END
$$;

-- A code of a common-code group: NULL when blank, refused when the group
-- has no such row.
CREATE OR REPLACE FUNCTION kest_private.check_zx_code(value text, grp text, width integer, label text)
RETURNS text
LANGUAGE plpgsql STABLE
SET search_path = ktuser, kest_private, public, pg_temp AS $$
DECLARE
    v text := check_text(clean(value), width, label);
BEGIN
    IF v IS NOT NULL AND NOT EXISTS (SELECT 1 FROM zx010ms WHERE head = grp AND detail = v) THEN
        RAISE EXCEPTION '%을(를) 정확히 입력하십시오.', label;
    END IF;
    RETURN v;
END
$$;

-- A time of day 'HHMM', 0000 to 2359.
CREATE OR REPLACE FUNCTION kest_private.check_hhmm(value text, label text, required boolean DEFAULT false)
RETURNS text
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
    v text := kest_private.clean(value);
BEGIN
    IF v IS NULL THEN
        IF required THEN
            RAISE EXCEPTION '%을(를) 입력하십시오.', label;
        END IF;
    ELSIF v !~ '^([01][0-9]|2[0-3])[0-5][0-9]$' THEN
        RAISE EXCEPTION '%을(를) 정확히 입력하십시오.', label;
    END IF;
    RETURN v;
END
$$;

-- Digits only, from shortest to longest characters (a resident number
-- takes 13, a postal code 6, an age 1 to 3).
CREATE OR REPLACE FUNCTION kest_private.check_digits(value text, shortest integer, longest integer, label text,
                                                     required boolean DEFAULT false)
RETURNS text
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
    v text := kest_private.clean(value);
BEGIN
    IF v IS NULL THEN
        IF required THEN
            RAISE EXCEPTION '%을(를) 입력하십시오.', label;
        END IF;
    ELSIF v !~ '^[0-9]+$' OR length(v) NOT BETWEEN shortest AND longest THEN
        RAISE EXCEPTION '%을(를) 정확히 입력하십시오.', label;
    END IF;
    RETURN v;
END
$$;

-- A required code of a common-code group (a key column).
CREATE OR REPLACE FUNCTION kest_private.check_zx_key(value text, grp text, width integer, label text)
RETURNS text
LANGUAGE sql STABLE
SET search_path = ktuser, kest_private, public, pg_temp AS $$
    SELECT check_zx_code(check_key(value, width, label), grp, width, label)
$$;

-- Writes a checked row over the stored row with the same keys: every column
-- but the keys, taken from the table's own definition, so that a writer
-- lists its columns once (where it checks them). False when no row has
-- those keys.
CREATE OR REPLACE FUNCTION kest_private.update_row(tbl regclass, r anyelement, keys text[])
RETURNS boolean
LANGUAGE plpgsql AS $$
DECLARE
    cols  text;
    match text;
    n     integer;
BEGIN
    SELECT string_agg(quote_ident(attname), ', ' ORDER BY attnum) INTO cols
      FROM pg_attribute
     WHERE attrelid = tbl AND attnum > 0 AND NOT attisdropped AND attname <> ALL (keys);
    SELECT string_agg(format('t.%1$I = ($1).%1$I', k), ' AND ') INTO match FROM unnest(keys) AS k;
    EXECUTE format('UPDATE %s t SET (%s) = (SELECT %s FROM (SELECT ($1).*) s) WHERE %s', tbl, cols, cols, match)
      USING r;
    GET DIAGNOSTICS n = ROW_COUNT;
    RETURN n > 0;
END
$$;
