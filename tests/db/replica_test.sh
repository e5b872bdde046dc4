#!/usr/bin/env bash
# The development replica: a hot standby that streams what the primary
# commits, refuses writes, lets the login role sign in and decrypts personal
# values with the key it was copied with.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
DB=${1:-t_replica}
PGBIN=${PGBIN:-/usr/lib/postgresql/15/bin}
dbs() { "$ROOT/scripts/db" "$@"; }
eval "$(dbs env)"
REPLICA_PORT=${KEST_REPLICA_PORT:-$((PGPORT + 1))}
fail() { echo "FAIL: $*" >&2; exit 1; }
primary() { dbs psql "$DB" -At -c "$1"; }
replica() { "$PGBIN/psql" -X -At -h "$PGHOST" -p "$REPLICA_PORT" -U "${KEST_PGUSER:-postgres}" -d "$DB" -c "$1"; }
trap 'dbs replica stop' EXIT

dbs load "$DB" demo
dbs replica start
dbs replica status | grep -q '^running' || fail "the replica does not say it runs"

primary "INSERT INTO ktuser.zx030ms VALUES ('999001', 1, '복제', '시험', '주소', NULL)"
seen=0
for _ in $(seq 1 50); do
  [ "$(replica "SELECT count(*) FROM ktuser.zx030ms WHERE zip_code = '999001'")" = 1 ] && { seen=1; break; }
  sleep 0.2
done
[ $seen = 1 ] || fail "a row committed on the primary never reached the replica"
echo "ok: the replica streams the primary's commits"

[ "$(replica "SELECT pg_is_in_recovery()")" = t ] || fail "the replica is not a standby"
replica "DELETE FROM ktuser.zx030ms" 2>/dev/null && fail "the replica took a write"
[ "$(replica "SHOW hot_standby_feedback")" = on ] || fail "hot_standby_feedback is off"
echo "ok: the replica refuses writes"

login=$(PGPASSWORD=${KEST_LOGIN_PASSWORD:-kest2026} "$PGBIN/psql" -X -At -h "$PGHOST" -p "$REPLICA_PORT" \
  -U "${KEST_LOGIN_ROLE:-ktuser}" -d "$DB" -c "SELECT ktuser.fn_za010ms_04(tel_no) FROM ktuser.eb040dt
                                                 WHERE tel_no IS NOT NULL ORDER BY 1 LIMIT 1")
[[ "$login" =~ ^[0-9-]+$ ]] || fail "the login role reads no personal value on the replica: $login"
echo "ok: the login role signs in and reads personal values on the replica"

primary "DELETE FROM ktuser.zx030ms WHERE zip_code = '999001'"
dbs replica stop
dbs replica status | grep -q '^stopped' || fail "the replica did not stop"
echo "ok: the replica stops"
