-- What every SQL test may use, run in the test's own session before it:
-- expect() fails the test on a value other than the expected one, refusal()
-- runs a call and returns the server's message (NULL when it went through).
\set ON_ERROR_STOP on
CREATE FUNCTION pg_temp.expect(what text, expected text, actual text) RETURNS void LANGUAGE plpgsql AS $$
BEGIN
    IF actual IS DISTINCT FROM expected THEN
        RAISE EXCEPTION '%: expected [%], got [%]', what, expected, actual;
    END IF;
END $$;
CREATE FUNCTION pg_temp.refusal(call text) RETURNS text LANGUAGE plpgsql AS $$
BEGIN
    EXECUTE call;
    RETURN NULL;
EXCEPTION WHEN OTHERS THEN
    RETURN SQLERRM;
END $$;
