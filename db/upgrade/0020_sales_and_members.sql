-- The ticketing system's tables the sales statistics read, with their
-- indexes on sale date and outlet, and the member master.
SET search_path = ktuser, public;
\ir ../schema/70_ticketing.sql
\ir ../schema/71_members.sql
RESET search_path;
