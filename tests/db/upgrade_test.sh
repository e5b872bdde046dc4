#!/usr/bin/env bash
# A database at the first version (tests/db/v0: db/ as it was before
# versions were recorded), with its demo data and some counter work, is
# brought up by `scripts/db upgrade`. Nothing may be lost, the result must
# have the shape of a fresh load, the procedures must work as the login role,
# and a second upgrade must change nothing.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
DB=${1:-t_upgrade}
FRESH=${DB}_fresh
OLD=$ROOT/tests/db/v0/db
LOGIN_ROLE=${KEST_LOGIN_ROLE:-ktuser}
LOGIN_PASSWORD=${KEST_LOGIN_PASSWORD:-kest2026}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

dbs() { "$ROOT/scripts/db" "$@"; }
admin() { local d=$1; shift; dbs psql "$d" -At "$@"; }
eval "$(dbs env)"
# As the counters sign in; the answer of the last statement.
login() { PGPASSWORD=$LOGIN_PASSWORD psql -X -q -At -v ON_ERROR_STOP=1 -U "$LOGIN_ROLE" -d "$DB" "$@" | tail -n 1; }

fail() { echo "FAIL: $*" >&2; exit 1; }
expect() { # label expected actual
  [ "$2" = "$3" ] || fail "$1: expected [$2], got [$3]"
  echo "ok: $1"
}

# The previous version, loaded the way scripts/db loaded it then.
admin postgres -c "SET client_min_messages = warning" -c "DROP DATABASE IF EXISTS $DB WITH (FORCE)" \
  -c "CREATE DATABASE $DB OWNER kest_owner TEMPLATE template0 ENCODING 'UTF8' LC_COLLATE 'C' LC_CTYPE 'C'"
args=()
for dir in schema functions seed demo; do for f in "$OLD"/$dir/*.sql; do args+=(-f "$f"); done; done
admin "$DB" -1 -v login_role="$LOGIN_ROLE" -f "$OLD/preamble.sql" "${args[@]}" -f "$OLD/grants.sql" >/dev/null

# Counters under the old series names, one ahead of what is stored: the
# upgrade must carry them over, or numbers would be issued twice. A hold
# taken under the old rules.
admin "$DB" >/dev/null <<'SQL'
SET ROLE kest_owner;
SELECT pr_ebi020_01(aarea_gubun => 'M', aequip_gubun => 'NS', aequip_size_gubun => '150', aequip_rent_yn => 'Y',
                    au_emp_no => 'E1', au_ip => '10.0.0.1', aeditstatus => '2');
DELETE FROM eb020ms WHERE (area_gubun, equip_gubun, equip_no)
    = (SELECT 'M', 'NS', max(equip_no) FROM eb020ms WHERE area_gubun = 'M' AND equip_gubun = 'NS');
SELECT pr_ebi040_01(arent_date => '20250110', aarea_gubun => 'S', adeal_name => '구판', au_emp_no => 'E1',
                    au_ip => '10.0.0.1', aeditstatus => '2');
DELETE FROM eb040ms WHERE rent_date = '20250110';
SELECT pr_ebi050_01(aseason_gubun => '26', aarea_gubun => 'S', akeep_stat => 'K', aipgo_date => '20261201',
                    akeep_gubun => '01', aequip_gubun => 'CS', aequip_name_gubun => '01', anative_no => 'OLD',
                    akeep_name => '구판', atel_no => '02-000-0000', akeep_box_no => 'Z-1', aeditstatus => '2');
INSERT INTO eb020tm (rent_date, area_gubun, equip_gubun, equip_no, au_emp_no, au_ip)
VALUES ('20250110', 'M', 'CS', '00001', 'E9', '10.0.0.9');
SQL
expect "old personal columns are in the PGP form" "ww0E" "$(admin "$DB" -c "SELECT DISTINCT left(tel_no, 4) FROM ktuser.eb040dt WHERE tel_no IS NOT NULL")"
old_counters=$(admin "$DB" -c "SELECT string_agg(series || '=' || last_no, ' ' ORDER BY series) FROM kest_private.counters")
admin "$DB" -f "$ROOT/tests/db/snapshot.sql" >"$WORK/before"
[ "$(wc -l <"$WORK/before")" -gt 20 ] || fail "snapshot too small: $(cat "$WORK/before")"

dbs upgrade "$DB"

admin "$DB" -f "$ROOT/tests/db/snapshot.sql" >"$WORK/after"
# Every row there before is there after; an upgrade may add rows (codes of a
# new screen) and tables, never lose or change a row.
lost=$(comm -23 <(sort "$WORK/before") <(sort "$WORK/after"))
[ -z "$lost" ] || fail "rows lost or changed by the upgrade: $(head -c 2000 <<<"$lost")"
echo "ok: every table keeps its rows; personal columns read the same"
expect "old counters" "EB020MS/M/NS=25 EB040MS/20250110/S=1 eb050ms:26:S=3" "$old_counters"
expect "counters under one spelling" "eb020ms:M:NS=25 eb040ms:20250110:S=1 eb050ms:26:S=3" \
  "$(admin "$DB" -c "SELECT string_agg(series || '=' || last_no, ' ' ORDER BY series) FROM kest_private.counters")"
expect "no personal value left in the PGP form" "0" \
  "$(admin "$DB" -c "SELECT count(*) FROM ktuser.eb040dt WHERE left(tel_no, 4) = 'ww0E' OR left(addr1, 4) = 'ww0E'")"
expect "patrol codes reach an upgraded server" "3" \
  "$(admin "$DB" -c "SELECT count(*) FROM ktuser.zx010ms WHERE head = 'E0027'")"
expect "weather stations reach an upgraded server" "7" \
  "$(admin "$DB" -c "SELECT count(*) FROM ktuser.zx010ms WHERE head = 'E0001'")"
expect "accident reports reach an upgraded server" "14" \
  "$(admin "$DB" -c "SELECT count(*) FROM ktuser.zx010ms WHERE head = 'E0054'")"
expect "the grant to record accident places reaches an upgraded server, held by nobody" "1/0" \
  "$(admin "$DB" -c "SELECT (SELECT count(*) FROM ktuser.za050ms WHERE program_id = 'EES010W' AND display_seq = 0)
                            || '/' || (SELECT count(*) FROM ktuser.za150ms WHERE program_id = 'EES010W')")"
every_version=$(ls "$ROOT"/db/upgrade/*.sql | sed 's|.*/0*\([0-9]*\)_.*|\1|' | paste -sd ' ')
expect "recorded versions" "$every_version" "$(admin "$DB" -c "SELECT string_agg(version::text, ' ' ORDER BY version) FROM kest_private.schema_version")"

# The same shape as a fresh load.
dbs load "$FRESH" demo
admin "$DB" -f "$ROOT/tests/db/structure.sql" >"$WORK/upgraded"
admin "$FRESH" -f "$ROOT/tests/db/structure.sql" >"$WORK/fresh"
diff -u "$WORK/fresh" "$WORK/upgraded" || fail "upgraded database differs from a fresh load"
echo "ok: upgraded database has the shape of a fresh load"

# The procedures at work on the upgraded data, as the login role.
expect "item numbers continue above the carried counter" "00026" "$(login -c "
  SELECT pr_ebi020_01(aarea_gubun => 'M', aequip_gubun => 'NS', aequip_size_gubun => '150', aequip_rent_yn => 'Y',
                      au_emp_no => 'E2', au_ip => 'E2 COUNTER-01', aeditstatus => '2');
  SELECT max(equip_no) FROM eb020ms WHERE area_gubun = 'M' AND equip_gubun = 'NS'")"
expect "rental numbers continue" "2" "$(login -c "SELECT anew_rent_no FROM pr_ebi040_01(arent_date => '20250110',
  aarea_gubun => 'S', adeal_name => '신판', au_emp_no => 'E2', au_ip => 'E2 COUNTER-01', aeditstatus => '2')")"
expect "storage numbers continue" "0000000004" "$(login -c "SELECT anew_keep_no FROM pr_ebi050_01(aseason_gubun => '26',
  aarea_gubun => 'S', akeep_stat => 'K', aipgo_date => '20261202', akeep_gubun => '01', aequip_gubun => 'CS',
  aequip_name_gubun => '01', anative_no => 'NEW', akeep_name => '신판', atel_no => '02-111-1111',
  akeep_box_no => 'Z-2', aeditstatus => '2')")"
expect "new personal value reads back" "02-111-1111" \
  "$(login -c "SELECT fn_za010ms_04(tel_no) FROM eb050ms WHERE native_no = 'NEW'")"
expect "a hold without an address, seen in force" "1" "$(login -c "
  SELECT pr_ebi040_03(arent_date => '20250110', aarea_gubun => 'M', aequip_gubun => 'CS', aequip_no => '00002',
                      au_emp_no => 'E2', aeditstatus => '2');
  SELECT count(*) FROM eb020tm_live WHERE au_emp_no = 'E2' AND au_ip IS NULL")"
expect "the old hold is still in force" "E9" \
  "$(login -c "SELECT au_emp_no FROM eb020tm_live WHERE equip_no = '00001' AND equip_gubun = 'CS'")"

# A second upgrade runs no script and changes nothing.
admin "$DB" -f "$ROOT/tests/db/snapshot.sql" >"$WORK/before2"
dbs upgrade "$DB" >"$WORK/log2"
grep -q "^upgrade $DB: 0" "$WORK/log2" && fail "a script ran twice: $(cat "$WORK/log2")"
admin "$DB" -f "$ROOT/tests/db/snapshot.sql" >"$WORK/after2"
diff -u "$WORK/before2" "$WORK/after2" || fail "a second upgrade changed rows"
expect "second upgrade keeps the version" "${every_version##* }" "$(admin "$DB" -c "SELECT max(version) FROM kest_private.schema_version")"
# A fresh load is already at the newest version.
dbs upgrade "$FRESH" >"$WORK/log3"
grep -q "^upgrade $FRESH: 0" "$WORK/log3" && fail "a fresh load ran an upgrade script: $(cat "$WORK/log3")"
echo "ok: upgrading again is harmless"

admin postgres -c "DROP DATABASE $DB WITH (FORCE)" -c "DROP DATABASE $FRESH WITH (FORCE)"
