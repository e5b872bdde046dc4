-- The season lockers (eh010ms, eh020ms, eh030ms) and their code groups,
-- new in this version.
SET search_path = ktuser, public;
\ir ../schema/60_lockers.sql
\ir ../seed/60_locker_codes.sql
RESET search_path;
