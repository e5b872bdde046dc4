-- The key of the personal columns leaves the database for the server's key
-- file (kest_private.key_bytes), and every personal value is encrypted
-- again under the file's key: a backup taken before carries the old key,
-- which opens nothing stored from now on.
\ir ../key_file.sql
RESET ROLE; -- the key file is the server's: read as the administrator
CREATE TEMP TABLE rekey_keys AS
SELECT decode(k.key, 'hex') AS old_key, kest_private.key_bytes() AS new_key FROM kest_private.crypt_key k;

\ir ../rekey.sql
DROP TABLE kest_private.crypt_key;
SET ROLE kest_owner;
