-- Personal columns (addresses, resident numbers, telephone numbers) are
-- stored encrypted. The key sits in kest_private, which the login role
-- cannot reach; procedures store through kest_private.enc and screens read
-- through fn_za010ms_04.

CREATE TABLE kest_private.crypt_key (
    only_row boolean PRIMARY KEY DEFAULT true CHECK (only_row),
    key      text NOT NULL
);
INSERT INTO kest_private.crypt_key (key) VALUES (encode(public.gen_random_bytes(32), 'hex'));

CREATE FUNCTION kest_private.enc(p text) RETURNS text
LANGUAGE sql STABLE SECURITY DEFINER
SET search_path = kest_private, public, pg_temp AS $$
    SELECT translate(encode(pgp_sym_encrypt(NULLIF(p, ''), (SELECT key FROM crypt_key)), 'base64'), E'\n', '')
$$;

-- Returns the readable text of a stored personal column. A value that is not
-- in the encrypted form (written by another system before encryption) is
-- returned as it is.
CREATE FUNCTION fn_za010ms_04(p text) RETURNS text
LANGUAGE plpgsql STABLE STRICT SECURITY DEFINER
SET search_path = kest_private, public, pg_temp AS $$
BEGIN
    RETURN pgp_sym_decrypt(decode(p, 'base64'), (SELECT key FROM crypt_key));
EXCEPTION WHEN others THEN
    RETURN p;
END
$$;

-- Numbers the server issues (rental, storage, item numbers) come from a
-- counter row per series. The row stays locked until the caller's
-- transaction ends, so two counters never get the same number; a rolled back
-- save gives its number back.
CREATE TABLE kest_private.counters (
    series  text PRIMARY KEY,
    last_no bigint NOT NULL
);

-- The next number of a series. `in_use` is the highest number already
-- stored, so that a series starts above rows written before it existed.
CREATE FUNCTION kest_private.next_number(series text, in_use bigint) RETURNS bigint
LANGUAGE sql SECURITY DEFINER
SET search_path = kest_private, pg_temp AS $$
    INSERT INTO counters AS c (series, last_no) VALUES (series, COALESCE(in_use, 0) + 1)
    ON CONFLICT (series) DO UPDATE SET last_no = GREATEST(c.last_no, COALESCE(in_use, 0)) + 1
    RETURNING last_no
$$;
