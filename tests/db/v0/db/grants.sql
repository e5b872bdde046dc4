-- Runs last: the login role reads every table and calls every function of
-- the application schema, and writes nothing directly.
RESET ROLE;
SELECT format('GRANT USAGE ON SCHEMA ktuser TO %I', :'login_role') \gexec
SELECT format('GRANT SELECT ON ALL TABLES IN SCHEMA ktuser TO %I', :'login_role') \gexec
SELECT format('GRANT EXECUTE ON ALL FUNCTIONS IN SCHEMA ktuser TO %I', :'login_role') \gexec
REVOKE ALL ON ALL TABLES IN SCHEMA kest_private FROM PUBLIC;
REVOKE ALL ON ALL FUNCTIONS IN SCHEMA kest_private FROM PUBLIC;
