-- The accident statistics: the suite's calendar, the hour bands they
-- count by, and the index of the daily lists.
CREATE TABLE IF NOT EXISTS ktuser.zx020ms (
    caln_date varchar(8) PRIMARY KEY CHECK (caln_date ~ '^[0-9]{8}$'),
    yoil_code varchar(1) NOT NULL CHECK (yoil_code BETWEEN '1' AND '7'),
    au_emp_no varchar(20),
    au_ip     varchar(60),
    au_date   timestamp(0) DEFAULT LOCALTIMESTAMP(0)
);
CREATE INDEX IF NOT EXISTS ee010ms_peak_date ON ktuser.ee010ms (peak_gubun, trob_date);
INSERT INTO ktuser.zx010ms (head, detail, detail_name)
SELECT 'E0052', lpad(h::text, 2, '0'), lpad(h::text, 2, '0') || ':00∼' || lpad((h + 1)::text, 2, '0') || ':00'
FROM   generate_series(8, 22) h
ON CONFLICT DO NOTHING;
