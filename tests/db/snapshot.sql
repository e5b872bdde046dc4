-- What an upgrade must keep: every row of every table, a line each behind
-- its table's name, personal columns as they read (fn_za010ms_04), so that
-- a changed cipher does not count as a change; the counters by their last
-- numbers.
SELECT format('SELECT %L || %L || r FROM (SELECT concat_ws(%L, %s) AS r FROM %I.%I) x ORDER BY 1',
              c.table_schema || '.' || c.table_name, '|', '|',
              string_agg(CASE WHEN c.data_type = 'text' AND c.table_schema = 'ktuser'
                              THEN format('ktuser.fn_za010ms_04(%I)', c.column_name)
                              ELSE format('%I::text', c.column_name) END, ', ' ORDER BY c.column_name),
              c.table_schema, c.table_name)
  FROM information_schema.columns c
  JOIN information_schema.tables t USING (table_schema, table_name)
 WHERE c.table_schema IN ('ktuser', 'kest_private') AND t.table_type = 'BASE TABLE'
   AND c.column_name <> 'row_ver' -- versions start with the upgrade that adds them
   AND c.table_name NOT IN ('schema_version', 'settings', 'counters', 'crypt_key')
 GROUP BY c.table_schema, c.table_name
 ORDER BY c.table_schema, c.table_name \gexec
SELECT last_no FROM kest_private.counters ORDER BY last_no, series;
