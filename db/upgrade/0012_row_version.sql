-- Rows the counters edit carry a version, raised by each change, so that a
-- save made from an older read is refused instead of undoing another
-- counter's change.
ALTER TABLE ktuser.eb010ms ADD COLUMN row_ver integer NOT NULL DEFAULT 1;
ALTER TABLE ktuser.eb050ms ADD COLUMN row_ver integer NOT NULL DEFAULT 1;
ALTER TABLE ktuser.eb020ms ADD COLUMN row_ver integer NOT NULL DEFAULT 1;
ALTER TABLE ktuser.eb030ms ADD COLUMN row_ver integer NOT NULL DEFAULT 1;
ALTER TABLE ktuser.eb040ms ADD COLUMN row_ver integer NOT NULL DEFAULT 1;
ALTER TABLE ktuser.eb040dt ADD COLUMN row_ver integer NOT NULL DEFAULT 1;
