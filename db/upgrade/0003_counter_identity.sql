-- AU_IP carries the counter's identity (employee number and workstation
-- name): 60 bytes wherever it is stored. A hold needs no address, and
-- always knows when it was taken, so that it can lapse.
DO $$
DECLARE
    c record;
BEGIN
    FOR c IN SELECT table_name FROM information_schema.columns
              WHERE table_schema = 'ktuser' AND column_name = 'au_ip' AND character_maximum_length < 60
                AND table_name IN (SELECT table_name FROM information_schema.tables
                                    WHERE table_schema = 'ktuser' AND table_type = 'BASE TABLE')
    LOOP
        EXECUTE format('ALTER TABLE ktuser.%I ALTER COLUMN au_ip TYPE varchar(60)', c.table_name);
    END LOOP;
END
$$;

UPDATE ktuser.eb020tm SET au_date = LOCALTIMESTAMP(0) WHERE au_date IS NULL;
ALTER TABLE ktuser.eb020tm
    ALTER COLUMN au_ip DROP NOT NULL,
    ALTER COLUMN au_date SET NOT NULL;
