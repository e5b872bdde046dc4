-- The competitions (ed010ms) and the badge test judging (ed020dt), new in
-- this version, and the rest of the entrant's columns (ed020ms held only
-- what the lookups read). Texts hold twice the characters the screens'
-- edits take, in CP949 bytes: a name typed in Hangul is kept whole.
SET search_path = ktuser, public;
ALTER TABLE ed020ms
    ALTER COLUMN entry_name_kor TYPE varchar(60),
    ADD COLUMN IF NOT EXISTS entry_name_chi  varchar(60),
    ADD COLUMN IF NOT EXISTS entry_name_eng  varchar(60),
    ADD COLUMN IF NOT EXISTS ski_skill       varchar(80),
    ADD COLUMN IF NOT EXISTS home_tel_no     text,
    ADD COLUMN IF NOT EXISTS home_fax_no     text,
    ADD COLUMN IF NOT EXISTS home_zip_code   varchar(6),
    ADD COLUMN IF NOT EXISTS home_addr1      text,
    ADD COLUMN IF NOT EXISTS home_addr2      text,
    ADD COLUMN IF NOT EXISTS office_tel_no   text,
    ADD COLUMN IF NOT EXISTS office_fax_no   text,
    ADD COLUMN IF NOT EXISTS office_zip_code varchar(6),
    ADD COLUMN IF NOT EXISTS office_addr1    text,
    ADD COLUMN IF NOT EXISTS office_addr2    text,
    ADD COLUMN IF NOT EXISTS mobile_no       text,
    ADD COLUMN IF NOT EXISTS email           varchar(80),
    ADD COLUMN IF NOT EXISTS apply_amt       bigint CHECK (apply_amt BETWEEN 0 AND 9999999999),
    ADD COLUMN IF NOT EXISTS row_ver         integer NOT NULL DEFAULT 1;
\ir ../schema/41_competition_records.sql
RESET search_path;
