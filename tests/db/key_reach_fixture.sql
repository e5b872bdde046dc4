-- What the login role may know of the key: only a digest to recognise it by,
-- and one personal value stored under it.
CREATE TABLE key_probe AS SELECT public.digest(kest_private.key_bytes(), 'sha256') AS key_digest;
GRANT SELECT ON key_probe TO kest_counter;
CREATE TABLE key_probe_value AS SELECT kest_private.enc('010-9876-5432') AS stored;
GRANT SELECT ON key_probe_value TO kest_counter;
