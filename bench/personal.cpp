// Rows with four personal columns read through the server's reading
// function, against two floors read in turns with it: the same values
// decrypted with the key read once per statement, and the same plain texts
// read from plain columns (what personal data costs over any other column).
#include "Bench.h"
#include "Benches.h"
#include "SqlQuery.h"
#include "TestDatabase.h"

using namespace Qt::StringLiterals;

namespace {

double readAll(const QString &sql, int expected)
{
    return TimeMs([&] {
        SqlQuery query(sql);
        query.exec();
        int rows = 0;
        while (query.next())
            rows += query.value(0).isEmpty() ? 0 : 1;
        if (rows != expected)
            qFatal("read %d rows", rows);
    });
}

} // namespace

// Size: the rows read (10,000).
void BenchPersonal(BenchRun &run)
{
    const int rows = run.size("P4", 10000);
    run.database.adminExec(uR"(
CREATE TABLE bench_plain AS
SELECT n, '강원도 평창군 대관령면 올림픽로 ' || n AS addr1, n || '동 ' || n || '호' AS addr2,
       '033-330-' || lpad(n::text, 4, '0') AS tel_no, '010-1234-' || lpad(n::text, 4, '0') AS mobile_no
  FROM generate_series(1, %1) AS n;
GRANT SELECT ON bench_plain TO kest_counter;
INSERT INTO eb050ms (season_gubun, area_gubun, keep_no, keep_stat, ipgo_date, keep_gubun, equip_gubun,
                     equip_name_gubun, native_no, keep_name, keep_box_no, addr1, addr2, tel_no, mobile_no)
SELECT '26', 'M', n, 'K', '20261201', '01', 'CS', '01', 'SN-' || n, '보관자' || n, 'A-' || n,
       kest_private.enc(addr1), kest_private.enc(addr2), kest_private.enc(tel_no), kest_private.enc(mobile_no)
  FROM bench_plain;
-- The floor's key, handed to the login role of this database alone.
CREATE OR REPLACE FUNCTION bench_key() RETURNS bytea LANGUAGE sql STABLE SECURITY DEFINER
SET search_path = kest_private, public AS $$ SELECT kest_private.key_bytes() $$;
GRANT EXECUTE ON FUNCTION bench_key() TO kest_counter;)"_s.arg(rows));

    const QString function = u"SELECT fn_za010ms_04(addr1), fn_za010ms_04(addr2), fn_za010ms_04(tel_no),"
                             " fn_za010ms_04(mobile_no) FROM eb050ms WHERE season_gubun = '26'"_s;
    const QString decrypt =
        u"convert_from(decrypt_iv(substr(decode(substr(%1, 5), 'base64'), 17), k.key,"
        " substr(decode(substr(%1, 5), 'base64'), 1, 16), 'aes-cbc/pad:pkcs'), 'UTF8')"_s;
    const QString keyOnce = u"WITH k AS MATERIALIZED (SELECT bench_key() AS key) SELECT %1, %2, %3, %4"
                            " FROM eb050ms, k WHERE season_gubun = '26'"_s.arg(decrypt.arg(u"addr1"_s),
                                                                               decrypt.arg(u"addr2"_s),
                                                                               decrypt.arg(u"tel_no"_s),
                                                                               decrypt.arg(u"mobile_no"_s));
    const QString plain = u"SELECT addr1, addr2, tel_no, mobile_no FROM bench_plain"_s;
    const QList<Sample> s = Interleave(run.runs, {[&] { return readAll(function, rows); },
                                                  [&] { return readAll(keyOnce, rows); },
                                                  [&] { return readAll(plain, rows); }});
    const QString what = u"P4 %L1 rows x 4 personal columns"_s.arg(rows);
    run.table.ratio(what + u" (floor: key read once)"_s, s.at(0), s.at(1), 1.5);
    run.table.ratio(what + u" (floor: plain columns)"_s, s.at(0), s.at(2), 0);
}
