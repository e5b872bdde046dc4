-- The shape of a database as its objects define it, for comparing an
-- upgraded database with a freshly loaded one.
SET search_path = pg_catalog;
SELECT table_schema, table_name, column_name, data_type, character_maximum_length, numeric_precision,
       is_nullable, column_default
  FROM information_schema.columns
 WHERE table_schema IN ('ktuser', 'kest_private')
 ORDER BY 1, 2, 3;
SELECT n.nspname, c.conrelid::regclass::text, c.conname, pg_get_constraintdef(c.oid)
  FROM pg_constraint c JOIN pg_namespace n ON n.oid = c.connamespace
 WHERE n.nspname IN ('ktuser', 'kest_private')
 ORDER BY 1, 2, 3;
SELECT schemaname, tablename, indexname, indexdef FROM pg_indexes
 WHERE schemaname IN ('ktuser', 'kest_private')
 ORDER BY 1, 2, 3;
SELECT schemaname, viewname, definition FROM pg_views
 WHERE schemaname IN ('ktuser', 'kest_private')
 ORDER BY 1, 2;
SELECT p.oid::regprocedure::text, p.prorettype::regtype::text, p.prosecdef, p.provolatile, p.proconfig,
       md5(p.prosrc), p.proacl::text
  FROM pg_proc p JOIN pg_namespace n ON n.oid = p.pronamespace
 WHERE n.nspname IN ('ktuser', 'kest_private')
 ORDER BY 1;
SELECT n.nspname, c.relname, c.relkind, c.relacl::text
  FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace
 WHERE n.nspname IN ('ktuser', 'kest_private') AND c.relkind IN ('r', 'v', 'S')
 ORDER BY 1, 2;
