#!/usr/bin/env bash
# Counters at once on one season: a block's batch pressed eight times, eight
# sales of one locker to eight customers, eight moves to one free locker.
# Exactly one of each goes through; the others are refused with a message.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
DB=${1:-t_locker_races}
LOGIN_ROLE=${KEST_LOGIN_ROLE:-ktuser}
LOGIN_PASSWORD=${KEST_LOGIN_PASSWORD:-kest2026}
eval "$("$ROOT/scripts/db" env)"
admin() { local d=$1; shift; "$ROOT/scripts/db" psql "$d" -At "$@"; }
login() { PGPASSWORD=$LOGIN_PASSWORD psql -X -q -At -U "$LOGIN_ROLE" -d "$DB" -c "$1" 2>&1 || true; }
fail() { echo "FAIL: $*" >&2; exit 1; }
expect() { [ "$2" = "$3" ] || fail "$1: expected [$2], got [$3]"; echo "ok: $1"; }
WORK=$(mktemp -d); trap 'rm -rf "$WORK"' EXIT

admin postgres -c "SET client_min_messages = warning" -c "DROP DATABASE IF EXISTS $DB WITH (FORCE)" \
  -c "CREATE DATABASE $DB TEMPLATE kest_template OWNER kest_owner" -c "ALTER DATABASE $DB SET search_path = ktuser, public" \
  -c "ALTER DATABASE $DB SET timezone = 'Asia/Seoul'" >/dev/null
admin "$DB" -c "SET ROLE kest_owner" -c "INSERT INTO ktuser.eh010ms (season_year, seq_no, location, area_zone, locker_type, unit_amt, member_amt, beginning_no, locker_qty)
  VALUES ('2026', 1, 'M', 'A', '1', 100000, 80000, 101, 20)" >/dev/null

for i in 1 2 3 4 5 6 7 8; do
  login "SELECT pr_ehi010_02(aseason_year => '2026', aseq_no => '1')" >"$WORK/batch$i" &
done; wait
expect "lockers created once" 20 "$(admin "$DB" -c "SELECT count(*) FROM ktuser.eh020ms")"
expect "seven presses refused" 7 "$(cat "$WORK"/batch* | grep -c '이미 완료되었습니다')"

for i in 1 2 3 4 5 6 7 8; do
  login "SELECT pr_ehi020_01(aseason_year => '2026', alocker_no => '101', asale_date => '20261201', am_name => '손님$i',
                             am_idno => '900101123456$i', apay_code => '현금', aeditstatus => '1')" >"$WORK/sale$i" &
done; wait
expect "one sale kept" 1 "$(admin "$DB" -c "SELECT count(*) FROM ktuser.eh020ms WHERE sale_date IS NOT NULL")"
expect "seven sales refused" 7 "$(cat "$WORK"/sale* | grep -c '이미 다른 고객에게 판매된 락카입니다')"

# Seven more sold lockers, each moved to 120 at once.
for n in 102 103 104 105 106 107 108; do
  login "SELECT pr_ehi020_01(aseason_year => '2026', alocker_no => '$n', asale_date => '20261201', am_name => '손님$n',
                             am_idno => '8001011234$n', apay_code => '카드', aeditstatus => '1')" >/dev/null
done
for n in 101 102 103 104 105 106 107 108; do
  login "SELECT pr_ehi020_03(aseason_year => '2026', alocker_no => '$n', alocker_no_change => '120', aeditstatus => '4')" >"$WORK/move$n" &
done; wait
expect "no sale lost" 8 "$(admin "$DB" -c "SELECT count(*) FROM ktuser.eh020ms WHERE sale_date IS NOT NULL")"
expect "target taken once" 1 "$(admin "$DB" -c "SELECT count(*) FROM ktuser.eh020ms WHERE locker_no = '120' AND sale_date IS NOT NULL")"
expect "seven moves refused" 7 "$(cat "$WORK"/move* | grep -c '이미 판매된 락카번호로는 변경이 불가합니다')"
admin postgres -c "DROP DATABASE $DB WITH (FORCE)" >/dev/null
