-- The patrol accident screens' code groups reach a server that had none.
SELECT NOT EXISTS (SELECT 1 FROM ktuser.zx010ms WHERE head = 'E0027') AS patrol_codes_missing \gset
\if :patrol_codes_missing
SET search_path = ktuser, public;
\ir ../seed/50_patrol_codes.sql
RESET search_path;
\endif
