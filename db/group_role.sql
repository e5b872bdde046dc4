-- The group of the counters' login roles. NOINHERIT: a role granted to the
-- group by mistake does not pass its rights on to every counter.
SELECT 'CREATE ROLE kest_counter NOLOGIN NOINHERIT'
 WHERE NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'kest_counter') \gexec
ALTER ROLE kest_counter NOLOGIN NOINHERIT NOCREATEDB NOCREATEROLE NOREPLICATION NOBYPASSRLS;
