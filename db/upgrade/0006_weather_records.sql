-- The weather stations' observations, which the weather screens read. A
-- server where the weather system already keeps them is left as it is.
SELECT to_regclass('ktuser.ea010ms') IS NULL AS observations_missing \gset
\if :observations_missing
SET search_path = ktuser, public;
\ir ../schema/50_weather.sql
RESET search_path;
\endif
