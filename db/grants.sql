-- Runs last: the counters (members of kest_counter) read every table and
-- call every function of the application schema, and write nothing
-- directly. Servers set up before the group existed get it here, and their
-- login role moves into it.
RESET ROLE;
\ir group_role.sql
SELECT format('GRANT kest_counter TO %I', :'login_role')
 WHERE EXISTS (SELECT 1 FROM pg_roles WHERE rolname = :'login_role' AND rolcanlogin)
   AND NOT EXISTS (SELECT 1 FROM pg_auth_members m JOIN pg_roles r ON r.oid = m.member
                    WHERE m.roleid = 'kest_counter'::regrole AND r.rolname = :'login_role') \gexec
SELECT format('REVOKE ALL ON ALL TABLES IN SCHEMA ktuser FROM %I', :'login_role')
 WHERE EXISTS (SELECT 1 FROM pg_roles WHERE rolname = :'login_role' AND rolcanlogin) \gexec
SELECT format('REVOKE ALL ON ALL FUNCTIONS IN SCHEMA ktuser FROM %I', :'login_role')
 WHERE EXISTS (SELECT 1 FROM pg_roles WHERE rolname = :'login_role' AND rolcanlogin) \gexec
SELECT format('REVOKE ALL ON SCHEMA ktuser FROM %I', :'login_role')
 WHERE EXISTS (SELECT 1 FROM pg_roles WHERE rolname = :'login_role' AND rolcanlogin) \gexec
GRANT USAGE ON SCHEMA ktuser TO kest_counter;
GRANT SELECT ON ALL TABLES IN SCHEMA ktuser TO kest_counter;
GRANT EXECUTE ON ALL FUNCTIONS IN SCHEMA ktuser TO kest_counter;
REVOKE ALL ON ALL TABLES IN SCHEMA kest_private FROM PUBLIC;
REVOKE ALL ON ALL FUNCTIONS IN SCHEMA kest_private FROM PUBLIC;
