// 10,000 rows with four personal columns read through the server's reading
// function, against the same rows decrypted by a query that spells the
// decryption out.
#include "Bench.h"
#include "Benches.h"
#include "SqlQuery.h"
#include "TestDatabase.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int Rows = 10000;

double readAll(const QString &sql)
{
    return TimeMs([&] {
        SqlQuery query(sql);
        query.exec();
        int rows = 0;
        while (query.next())
            rows += query.value(0).isEmpty() ? 0 : 1;
        if (rows != Rows)
            qFatal("read %d rows", rows);
    });
}

} // namespace

void BenchPersonal(BenchRun &run)
{
    run.database.adminExec(uR"(
INSERT INTO eb050ms (season_gubun, area_gubun, keep_no, keep_stat, ipgo_date, keep_gubun, equip_gubun,
                     equip_name_gubun, native_no, keep_name, keep_box_no, addr1, addr2, tel_no, mobile_no)
SELECT '26', 'M', n, 'K', '20261201', '01', 'CS', '01', 'SN-' || n, '보관자' || n, 'A-' || n,
       kest_private.enc('강원도 평창군 대관령면 올림픽로 ' || n), kest_private.enc(n || '동 ' || n || '호'),
       kest_private.enc('033-330-' || lpad(n::text, 4, '0')), kest_private.enc('010-1234-' || lpad(n::text, 4, '0'))
  FROM generate_series(1, %1) AS n;
-- The floor reads the key the way the function does, once per query.
CREATE OR REPLACE FUNCTION bench_key() RETURNS bytea LANGUAGE sql STABLE SECURITY DEFINER
SET search_path = kest_private, public AS $$ SELECT kest_private.key_bytes() $$;
GRANT EXECUTE ON FUNCTION bench_key() TO kest_counter;)"_s.arg(Rows));

    const Sample function = Repeat(run.runs, [] {
        return readAll(u"SELECT fn_za010ms_04(addr1), fn_za010ms_04(addr2), fn_za010ms_04(tel_no),"
                       " fn_za010ms_04(mobile_no) FROM eb050ms WHERE season_gubun = '26'"_s);
    });
    const QString decrypt =
        u"convert_from(decrypt_iv(substr(decode(substr(%1, 5), 'base64'), 17), k.key,"
        " substr(decode(substr(%1, 5), 'base64'), 1, 16), 'aes-cbc/pad:pkcs'), 'UTF8')"_s;
    const Sample direct = Repeat(run.runs, [&] {
        return readAll(u"SELECT %1, %2, %3, %4 FROM eb050ms, (SELECT bench_key() AS key) k"
                       " WHERE season_gubun = '26'"_s.arg(decrypt.arg(u"addr1"_s), decrypt.arg(u"addr2"_s),
                                                       decrypt.arg(u"tel_no"_s), decrypt.arg(u"mobile_no"_s)));
    });
    run.table.ratio(u"P4 10,000 rows x 4 personal columns"_s, function, direct, 1.5);
}
