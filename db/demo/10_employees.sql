-- Demo employees and what their menus hold (project KEST_E):
--   D0001  level '9': every menu and screen.
--   D0002  rental shop level '2' without the equipment register (personal
--          'N' on EBI020), plus the patrol record entry (personal 'Y' on
--          EEI010). Its level in another module must not leak into this one.
--   D0003  no level: only the staff reservation screen, granted personally.
--   D0004  ski patrol level '4'; a personal 'Y' on a screen the level already
--          grants (shown once) and a personal 'N' on one it does not grant
--          (no effect). The patrol chief: a personal 'Y' on the grant
--          EES010W, so his EES010 records where accidents happened.

INSERT INTO za130ms (emp_no, project_id, project_level) VALUES
    ('D0001', 'KEST_E', '9'),
    ('D0002', 'KEST_E', '2'),
    ('D0002', 'KEST_A', '9'),
    ('D0004', 'KEST_E', '4');

INSERT INTO za150ms (emp_no, project_id, program_id, add_yn) VALUES
    ('D0002', 'KEST_E', 'EEI010', 'Y'),
    ('D0002', 'KEST_E', 'EBI020', 'N'),
    ('D0002', 'KEST_A', 'EAS020', 'Y'),
    ('D0003', 'KEST_E', 'ECI050', 'Y'),
    ('D0004', 'KEST_E', 'EES020', 'Y'),
    ('D0004', 'KEST_E', 'ECI050', 'N'),
    ('D0004', 'KEST_E', 'EES010W', 'Y');

-- The employee master belongs to the HR module and may not be installed;
-- the demo employees go into it only when it exists, filling the columns
-- it has of those known here.
DO $$
DECLARE
    cols text;
    vals text;
BEGIN
    IF to_regclass('ktuser.qa010ms') IS NULL THEN
        RETURN;
    END IF;
    SELECT string_agg(quote_ident(k.col), ', ' ORDER BY k.ord),
           string_agg('e.' || quote_ident(k.col), ', ' ORDER BY k.ord)
      INTO cols, vals
      FROM (VALUES (1, 'emp_no'), (2, 'emp_k_name'), (3, 'emp_name'))
           AS k (ord, col)
      JOIN information_schema.columns c
        ON c.table_schema = 'ktuser' AND c.table_name = 'qa010ms'
       AND c.column_name = k.col;
    EXECUTE format(
        'INSERT INTO ktuser.qa010ms (%s) SELECT %s FROM (VALUES '
        '(''D0001'', ''김관리'', ''김관리''), '
        '(''D0002'', ''이대여'', ''이대여''), '
        '(''D0003'', ''박예약'', ''박예약''), '
        '(''D0004'', ''최순찰'', ''최순찰'')'
        ') AS e (emp_no, emp_k_name, emp_name) '
        'ON CONFLICT DO NOTHING',
        cols, vals);
END
$$;
