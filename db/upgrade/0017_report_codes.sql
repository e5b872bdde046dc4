-- The accident reports' list reaches a server that had none; names a site
-- gave its reports stay as they are.
SET search_path = ktuser, public;
\ir ../seed/52_report_codes.sql
RESET search_path;
