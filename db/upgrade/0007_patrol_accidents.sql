-- The patrol accident records (ee010ms), new in this version.
SET search_path = ktuser, public;
\ir ../schema/50_patrol.sql
RESET search_path;
