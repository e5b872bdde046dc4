-- Cluster-wide roles. Run once per server by an administrator:
--   psql -v login_role=ktuser -v login_password=... -f db/roles.sql
-- kest_owner owns every object; the login role the counters sign in with may
-- only read tables and call functions.
SELECT format('CREATE ROLE kest_owner NOLOGIN')
 WHERE NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'kest_owner') \gexec
SELECT format('CREATE ROLE %I LOGIN PASSWORD %L', :'login_role', :'login_password')
 WHERE NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = :'login_role') \gexec
SELECT format('ALTER ROLE %I SET search_path = ktuser, public', :'login_role') \gexec
SELECT format('ALTER ROLE %I SET timezone = %L', :'login_role', 'Asia/Seoul') \gexec
