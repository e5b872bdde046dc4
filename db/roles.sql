-- Cluster-wide roles. Run once per server by an administrator:
--   psql -v login_role=ktuser -v login_password=... -f db/roles.sql
-- kest_owner owns every object. kest_counter holds what the counters may do
-- (read tables, call functions: db/grants.sql); it signs in nowhere itself.
-- Each counter PC signs in with a login role of its own, a member of
-- kest_counter (db/counter_role.sql, `scripts/db counter add`): a counter
-- can then change only its own role's password or defaults, and end only
-- its own sessions.
SELECT format('CREATE ROLE kest_owner NOLOGIN')
 WHERE NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'kest_owner') \gexec
\ir group_role.sql
\ir counter_role.sql
