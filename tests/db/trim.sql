-- Keys, numbers and the counter's identity that begin or end with "v", sent
-- through a procedure as the login role, are stored as sent.
\set ON_ERROR_STOP on
SELECT pr_ebi030_01(aarea_gubun => 'M', aboots_size_gubun => E'\u3000v250V ', astock_qty => ' 7 ',
                    au_emp_no => 'v01', au_ip => E'rental-dev\t', aeditstatus => '2');
DO $test$
DECLARE
    r record;
BEGIN
    SELECT boots_size_gubun, stock_qty, au_emp_no, au_ip INTO r FROM eb030ms WHERE area_gubun = 'M';
    IF (r.boots_size_gubun, r.stock_qty, r.au_emp_no, r.au_ip) IS DISTINCT FROM ('v250V', 7, 'v01', 'rental-dev') THEN
        RAISE EXCEPTION 'stored %', r;
    END IF;
END
$test$;
