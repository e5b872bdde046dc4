-- Databases loaded before versions were recorded: the version table and the
-- administrator's settings.
CREATE TABLE kest_private.schema_version (
    version    integer PRIMARY KEY,
    script     text NOT NULL,
    applied_at timestamptz NOT NULL DEFAULT now()
);

CREATE TABLE kest_private.settings (
    only_row     boolean PRIMARY KEY DEFAULT true CHECK (only_row),
    hold_minutes integer NOT NULL DEFAULT 30 CHECK (hold_minutes BETWEEN 1 AND 1440)
);
INSERT INTO kest_private.settings DEFAULT VALUES;
