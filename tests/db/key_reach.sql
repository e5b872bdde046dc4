-- The key of the personal columns is out of the login role's reach: not
-- callable, not in any function it may call without arguments, not in any
-- table or view it may read (pg_settings among them), while the reading
-- function still opens a stored value.
\set ON_ERROR_STOP on
-- True when a text shows the key: as hex, as base64 or as its own bytes.
CREATE FUNCTION pg_temp.shows_key(t text) RETURNS boolean LANGUAGE plpgsql AS $$
DECLARE
    d bytea := (SELECT key_digest FROM key_probe);
BEGIN
    RETURN t IS NOT NULL AND (
        EXISTS (SELECT 1 FROM regexp_matches(t, '[0-9a-fA-F]{64}', 'g') m
                 WHERE public.digest(decode(m[1], 'hex'), 'sha256') = d)
        OR EXISTS (SELECT 1 FROM regexp_matches(t, '[A-Za-z0-9+/]{43}=', 'g') m
                    WHERE public.digest(decode(m[1], 'base64'), 'sha256') = d)
        OR public.digest(convert_to(t, 'UTF8'), 'sha256') = d);
END $$;

SELECT pg_temp.expect('reading function', '010-9876-5432', (SELECT fn_za010ms_04(stored) FROM key_probe_value));

-- The reading function names its functions by schema instead of setting a
-- search path: none of those schemas takes a look-alike from the login role.
SELECT pg_temp.expect('schemas the login role may create in', NULL,
                      (SELECT string_agg(nspname, ', ') FROM pg_namespace
                        WHERE nspname IN ('public', 'ktuser', 'pg_catalog', 'kest_private')
                          AND has_schema_privilege(oid, 'CREATE')));

-- Straight at it: each refused.
SELECT pg_temp.expect(call, 'refused', CASE WHEN pg_temp.refusal(call) IS NULL THEN 'answered' ELSE 'refused' END)
  FROM unnest(ARRAY['SELECT kest_private.key_bytes()', 'SELECT kest_private.plan_key()',
                    'SELECT pg_read_file(''kest_crypt.key'')', 'SELECT pg_read_binary_file(''kest_crypt.key'')',
                    'SELECT lo_import(''kest_crypt.key'')', 'COPY key_probe FROM ''kest_crypt.key''',
                    'SELECT * FROM kest_private.settings']) AS call;

BEGIN;
DO $$
DECLARE
    what text;
    call text;
    out  text;
BEGIN
    -- Every function the login role may call with no arguments, whatever it
    -- does, and every table and view it may read, the server's settings among them.
    FOR what, call IN
        SELECT 'function ' || p.oid::regprocedure,
               format('SELECT string_agg(r::text, %L) FROM (SELECT %s() AS r) s', ' ', p.oid::regproc)
          FROM pg_proc p
         WHERE p.pronamespace IN ('ktuser'::regnamespace, 'public'::regnamespace)
           AND p.prokind = 'f' AND p.pronargs = p.pronargdefaults AND has_function_privilege(p.oid, 'EXECUTE')
        UNION ALL
        SELECT 'relation ' || c.oid::regclass, format('SELECT string_agg(t::text, %L) FROM %s t', ' ', c.oid::regclass)
          FROM pg_class c
         WHERE c.relkind IN ('r', 'v', 'm', 'p', 'f') AND has_table_privilege(c.oid, 'SELECT') LOOP
        BEGIN
            EXECUTE call INTO out;
        EXCEPTION WHEN OTHERS THEN
            out := SQLERRM;
        END;
        IF pg_temp.shows_key(out) THEN
            RAISE EXCEPTION 'the % shows the key', what;
        END IF;
    END LOOP;
END $$;
ROLLBACK;
SELECT pg_temp.expect('a setting holding the key', '0',
                      (SELECT count(*)::text FROM pg_settings WHERE pg_temp.shows_key(setting) OR pg_temp.shows_key(reset_val)));
