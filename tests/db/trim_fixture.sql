-- The server's trim, case by case: white space goes from both ends, letters
-- and inner spaces stay. Run as the schema owner (the trim is private).
DO $test$
DECLARE
    c        record;
    got      text;
    failures text[] := '{}';
BEGIN
    FOR c IN SELECT * FROM (VALUES
        ('vivid', 'vivid'), ('rental-dev', 'rental-dev'), ('Vv', 'Vv'), ('v', 'v'), ('V', 'V'),
        ('  vivid  ', 'vivid'), (E'\tvivid\t', 'vivid'), (E'\x0bvivid\x0b', 'vivid'),
        (E'\r\nvivid\n', 'vivid'), (E'\fv\f', 'v'), (E'\u00a0v\u00a0', 'v'), (E'\u3000김 v\u3000', '김 v'),
        (E' \t\x0b\u00a0\u3000 김 대여 \u3000', '김 대여'), ('a  b', 'a  b'), (E'a\tb', E'a\tb'),
        ('', NULL), (E' \x0b\u3000\t', NULL), (NULL, NULL)) AS t(val, expect)
    LOOP
        got := kest_private.clean(c.val);
        IF got IS DISTINCT FROM c.expect THEN
            failures := failures || format('clean(%L) = %L, expected %L', c.val, got, c.expect);
        END IF;
    END LOOP;
    IF cardinality(failures) > 0 THEN
        RAISE EXCEPTION E'trim cases failed:\n%', array_to_string(failures, E'\n');
    END IF;
END
$test$;
