-- The login role of one counter PC, as an administrator:
--   psql -v login_role=counter01 -v login_password=... -f db/counter_role.sql
-- (`scripts/db counter add ROLE PASSWORD` runs it). Run again it sets the
-- password, takes away anything beyond a counter's rights and the defaults
-- the role set on itself. The role creates nothing and holds no grant of its
-- own: it reads and calls through kest_counter. The client sets the session values it relies on itself, so
-- a default the role sets on itself changes nothing it does.
SELECT format('CREATE ROLE %I LOGIN', :'login_role')
 WHERE NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = :'login_role') \gexec
SELECT format('ALTER ROLE %I LOGIN INHERIT NOSUPERUSER NOCREATEDB NOCREATEROLE NOREPLICATION NOBYPASSRLS'
              ' PASSWORD %L', :'login_role', :'login_password') \gexec
SELECT format('GRANT kest_counter TO %I', :'login_role') \gexec
SELECT format('ALTER ROLE %I RESET ALL', :'login_role') \gexec
SELECT format('ALTER ROLE %I SET search_path = ktuser, public', :'login_role') \gexec
SELECT format('ALTER ROLE %I SET timezone = %L', :'login_role', 'Asia/Seoul') \gexec
