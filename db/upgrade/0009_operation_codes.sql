-- The weather stations and facility run states reach a server that had
-- none; those it has stay as they are.
SET search_path = ktuser, public;
\ir ../seed/51_operation_codes.sql
RESET search_path;
