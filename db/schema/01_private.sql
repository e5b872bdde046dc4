-- State the server keeps for itself, out of the login role's reach.

-- Upgrades applied to this database: scripts/db upgrade runs the scripts of
-- db/upgrade numbered above the highest version here. A fresh load records
-- the newest number, since its schema already holds every upgrade.
CREATE TABLE kest_private.schema_version (
    version    integer PRIMARY KEY,
    script     text NOT NULL,
    applied_at timestamptz NOT NULL DEFAULT now()
);

-- The last number issued per series (kest_private.next_number). The row stays
-- locked until the caller's transaction ends, so two counters never get the
-- same number; a rolled back save gives its number back.
CREATE TABLE kest_private.counters (
    series  text PRIMARY KEY,
    last_no bigint NOT NULL
);

-- The provisional numbers of rental heads whose real number is taken as
-- their save commits: unique among all open saves.
CREATE SEQUENCE kest_private.rental_draft;

-- Settings an administrator may change on a live server, e.g.
--   UPDATE kest_private.settings SET hold_minutes = 45;
-- hold_minutes: how long a counter's hold on a rental item lasts.
CREATE TABLE kest_private.settings (
    only_row     boolean PRIMARY KEY DEFAULT true CHECK (only_row),
    hold_minutes integer NOT NULL DEFAULT 30 CHECK (hold_minutes BETWEEN 1 AND 1440)
);
INSERT INTO kest_private.settings DEFAULT VALUES;
