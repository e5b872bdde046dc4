-- Encrypts every personal value again, from rekey_keys.old_key to
-- rekey_keys.new_key (a temporary table of one row the caller made). The
-- personal columns are the text columns of the application's tables. A value
-- the old key does not open (written under the new key by an earlier,
-- interrupted run) stays as it is. Runs as a superuser, inside the caller's
-- transaction.
CREATE FUNCTION pg_temp.rekey(p text, old_key bytea, new_key bytea) RETURNS text
LANGUAGE plpgsql AS $$
DECLARE
    b     bytea;
    plain bytea;
    iv    bytea := public.gen_random_bytes(16);
BEGIN
    IF p IS NULL OR left(p, 4) <> '$k1$' THEN
        RETURN p;
    END IF;
    b := decode(substr(p, 5), 'base64');
    BEGIN
        plain := public.decrypt_iv(substr(b, 17), old_key, substr(b, 1, 16), 'aes-cbc/pad:pkcs');
        PERFORM convert_from(plain, 'UTF8');
    EXCEPTION WHEN others THEN
        RETURN p;
    END;
    RETURN '$k1$' || translate(encode(iv || public.encrypt_iv(plain, new_key, iv, 'aes-cbc/pad:pkcs'), 'base64'),
                               E'\n', '');
END
$$;

DO $$
DECLARE
    c record;
BEGIN
    FOR c IN SELECT table_name, column_name FROM information_schema.columns
              WHERE table_schema = 'ktuser' AND data_type = 'text'
                AND table_name IN (SELECT table_name FROM information_schema.tables
                                    WHERE table_schema = 'ktuser' AND table_type = 'BASE TABLE')
              ORDER BY 1, 2 LOOP
        EXECUTE format('UPDATE ktuser.%I SET %I = pg_temp.rekey(%I, k.old_key, k.new_key) FROM rekey_keys k'
                       ' WHERE left(%I, 4) = %L', c.table_name, c.column_name, c.column_name, c.column_name, '$k1$');
    END LOOP;
END
$$;

-- The keyed hashes of the resident numbers follow the key (on a server
-- that has the member master already).
DO $$
BEGIN
    IF to_regclass('ktuser.ba040ms') IS NOT NULL
       AND to_regprocedure('kest_private.id_no_hash(text, bytea)') IS NOT NULL THEN
        UPDATE ktuser.ba040ms b
           SET id_no_hash = kest_private.id_no_hash(CASE WHEN left(b.id_no, 4) = '$k1$' THEN
                   convert_from(public.decrypt_iv(substr(decode(substr(b.id_no, 5), 'base64'), 17), k.new_key,
                                                  substr(decode(substr(b.id_no, 5), 'base64'), 1, 16),
                                                  'aes-cbc/pad:pkcs'), 'UTF8')
                   ELSE b.id_no END, k.new_key)
          FROM rekey_keys k
         WHERE b.id_no IS NOT NULL;
    END IF;
END
$$;

DROP TABLE rekey_keys;
DROP FUNCTION pg_temp.rekey(text, bytea, bytea);
