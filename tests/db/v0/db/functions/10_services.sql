-- A number from a text attribute of the code table, NULL when the text is
-- not a number: the server may test a condition on rows of other code
-- groups first, whose attributes hold words.
CREATE OR REPLACE FUNCTION to_num(t text) RETURNS numeric
LANGUAGE sql IMMUTABLE PARALLEL SAFE AS
$$ SELECT CASE WHEN t ~ '^\s*[-+]?([0-9]+\.?[0-9]*|\.[0-9]+)\s*$' THEN trim(t)::numeric END $$;
