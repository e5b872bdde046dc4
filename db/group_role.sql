-- The group of the counters' login roles. NOINHERIT: a role granted to the
-- group by mistake does not pass its rights on to every counter. Written
-- only when something differs, so that loads running at once do not update
-- the same role.
SELECT 'CREATE ROLE kest_counter NOLOGIN NOINHERIT'
 WHERE NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'kest_counter') \gexec
SELECT 'ALTER ROLE kest_counter NOLOGIN NOINHERIT NOCREATEDB NOCREATEROLE NOREPLICATION NOBYPASSRLS'
 WHERE EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'kest_counter'
                  AND (rolcanlogin OR rolinherit OR rolcreatedb OR rolcreaterole OR rolreplication OR rolbypassrls)) \gexec
