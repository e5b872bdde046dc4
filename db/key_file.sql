-- The server's key file for the personal columns, made once per server when
-- it has none: 32 random bytes as hex in kest_crypt.key of the data
-- directory, written by the server itself (so also on a remote server). An
-- existing file is kept: every database of the server shares its key.
-- Runs as a superuser.
RESET ROLE;
DO $$
BEGIN
    IF pg_stat_file('kest_crypt.key', true) IS NULL THEN
        EXECUTE format('COPY (SELECT encode(public.gen_random_bytes(32), %L)) TO %L', 'hex',
                       current_setting('data_directory') || '/kest_crypt.key');
    END IF;
END
$$;
SET ROLE kest_owner;
