#!/usr/bin/env bash
# Not a test: times reading personal columns, 10,000 storage rows with four
# personal columns each, in a database of the first version (tests/db/v0),
# after it is upgraded, and in a fresh load.
#   tests/db/bench_personal.sh [ROWS]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
ROWS=${1:-10000}
OLD=$ROOT/tests/db/v0/db
DB=t_bench
admin() { local d=$1; shift; "$ROOT/scripts/db" psql "$d" "$@"; }

admin postgres -c "SET client_min_messages = warning" -c "DROP DATABASE IF EXISTS $DB WITH (FORCE)" \
  -c "CREATE DATABASE $DB OWNER kest_owner TEMPLATE template0 ENCODING 'UTF8' LC_COLLATE 'C' LC_CTYPE 'C'"
args=()
for dir in schema functions seed; do for f in "$OLD"/$dir/*.sql; do args+=(-f "$f"); done; done
admin "$DB" -1 -v login_role=ktuser -f "$OLD/preamble.sql" "${args[@]}" -f "$OLD/grants.sql"

fill="INSERT INTO ktuser.eb050ms (season_gubun, area_gubun, keep_no, keep_stat, ipgo_date, keep_gubun, equip_gubun,
        equip_name_gubun, native_no, keep_name, keep_box_no, addr1, addr2, tel_no, mobile_no)
      SELECT '26', 'M', n, 'K', '20261201', '01', 'CS', '01', 'SN-' || n, '보관자' || n, 'A-' || n,
             kest_private.enc('강원도 평창군 대관령면 올림픽로 ' || n), kest_private.enc(n || '동 ' || n || '호'),
             kest_private.enc('033-330-' || lpad(n::text, 4, '0')), kest_private.enc('010-1234-' || lpad(n::text, 4, '0'))
        FROM generate_series(1, $ROWS) AS n"
read="EXPLAIN (ANALYZE, TIMING OFF, SUMMARY ON) SELECT ktuser.fn_za010ms_04(addr1), ktuser.fn_za010ms_04(addr2),
        ktuser.fn_za010ms_04(tel_no), ktuser.fn_za010ms_04(mobile_no) FROM ktuser.eb050ms"
timed() { admin "$DB" -At -c "$read" | grep 'Execution Time'; }

echo "$ROWS rows x 4 personal columns"
echo "write, previous version:"; admin "$DB" -c '\timing on' -c "$fill" | grep Time
echo "read, previous version:";  timed; timed
start=$(date +%s%N)
"$ROOT/scripts/db" upgrade "$DB" >/dev/null
echo "upgrade (re-encrypting): $(( ($(date +%s%N) - start) / 1000000 )) ms"
echo "read, upgraded:";          timed; timed
admin "$DB" -q -c "TRUNCATE ktuser.eb050ms"
echo "write, new version:"; admin "$DB" -c '\timing on' -c "$fill" | grep Time
echo "read, new version:";       timed; timed
admin postgres -c "DROP DATABASE $DB WITH (FORCE)"
