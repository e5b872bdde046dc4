-- Runs first when a database is loaded, as an administrator.
CREATE EXTENSION IF NOT EXISTS pgcrypto SCHEMA public;
ALTER DATABASE :"DBNAME" SET timezone = 'Asia/Seoul';
ALTER DATABASE :"DBNAME" SET search_path = ktuser, public;
CREATE SCHEMA IF NOT EXISTS ktuser AUTHORIZATION kest_owner;
-- Keys and helpers that the login role must never reach.
CREATE SCHEMA IF NOT EXISTS kest_private AUTHORIZATION kest_owner;
REVOKE ALL ON SCHEMA kest_private FROM PUBLIC;
SET ROLE kest_owner;
SET search_path = ktuser, public;
-- New functions are not callable by everybody; grants.sql names who may.
ALTER DEFAULT PRIVILEGES FOR ROLE kest_owner REVOKE EXECUTE ON FUNCTIONS FROM PUBLIC;
