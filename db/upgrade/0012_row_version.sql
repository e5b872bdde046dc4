-- Rows the counters edit carry a version, raised by each change, so that a
-- save made from an older read is refused instead of undoing another
-- counter's change. (A table an earlier script made from db/schema has it
-- already.)
ALTER TABLE ktuser.eb010ms ADD COLUMN IF NOT EXISTS row_ver integer NOT NULL DEFAULT 1;
ALTER TABLE ktuser.eb050ms ADD COLUMN IF NOT EXISTS row_ver integer NOT NULL DEFAULT 1;
ALTER TABLE ktuser.ee010ms ADD COLUMN IF NOT EXISTS row_ver integer NOT NULL DEFAULT 1;
ALTER TABLE ktuser.eb020ms ADD COLUMN IF NOT EXISTS row_ver integer NOT NULL DEFAULT 1;
ALTER TABLE ktuser.eb030ms ADD COLUMN IF NOT EXISTS row_ver integer NOT NULL DEFAULT 1;
ALTER TABLE ktuser.eb040ms ADD COLUMN IF NOT EXISTS row_ver integer NOT NULL DEFAULT 1;
ALTER TABLE ktuser.eb040dt ADD COLUMN IF NOT EXISTS row_ver integer NOT NULL DEFAULT 1;
