-- Runs first when a database is loaded or upgraded, as an administrator.
SET client_min_messages = warning;
CREATE EXTENSION IF NOT EXISTS pgcrypto SCHEMA public;
ALTER DATABASE :"DBNAME" SET timezone = 'Asia/Seoul';
ALTER DATABASE :"DBNAME" SET search_path = ktuser, public;
CREATE SCHEMA IF NOT EXISTS ktuser AUTHORIZATION kest_owner;
-- Keys and helpers that the login role must never reach.
CREATE SCHEMA IF NOT EXISTS kest_private AUTHORIZATION kest_owner;
REVOKE ALL ON SCHEMA kest_private FROM PUBLIC;
-- The key of the personal columns lives in a file of the server's data
-- directory (kest_crypt.key: 64 hex digits, readable by the server's OS user
-- alone; db/key_file.sql makes it), never in a table, so no dump carries it.
-- Only the owner's definer functions call this.
CREATE OR REPLACE FUNCTION kest_private.key_bytes() RETURNS bytea
LANGUAGE sql STABLE SECURITY DEFINER
SET search_path = pg_catalog, pg_temp AS $$
    SELECT decode(btrim(pg_read_file('kest_crypt.key'), E' \t\r\n'), 'hex')
$$;
REVOKE ALL ON FUNCTION kest_private.key_bytes() FROM PUBLIC;
GRANT EXECUTE ON FUNCTION kest_private.key_bytes() TO kest_owner;
SET ROLE kest_owner;
SET search_path = ktuser, public;
-- New functions are not callable by everybody; grants.sql names who may.
ALTER DEFAULT PRIVILEGES FOR ROLE kest_owner REVOKE EXECUTE ON FUNCTIONS FROM PUBLIC;
