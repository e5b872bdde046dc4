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
