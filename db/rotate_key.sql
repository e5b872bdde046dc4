-- A new key for the personal columns of one database, as a superuser with
-- the counters closed:
--   psql -1 -f db/rotate_key.sql kest
-- The new key is kest_crypt.key.new in the server's data directory (made by
-- the first run; every database of the server is run with the same one).
-- Once every database has been run, replace kest_crypt.key with it; until
-- then the counters read nothing. Running it again on a database changes
-- nothing more.
SET client_min_messages = warning;
DO $$
BEGIN
    IF pg_stat_file('kest_crypt.key.new', true) IS NULL THEN
        EXECUTE format('COPY (SELECT encode(public.gen_random_bytes(32), %L)) TO %L', 'hex',
                       current_setting('data_directory') || '/kest_crypt.key.new');
    END IF;
END
$$;
CREATE TEMP TABLE rekey_keys AS
SELECT kest_private.key_bytes() AS old_key,
       decode(btrim(pg_read_file('kest_crypt.key.new'), E' \t\r\n'), 'hex') AS new_key;
\ir rekey.sql
