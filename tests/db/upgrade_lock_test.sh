#!/usr/bin/env bash
# A counter holding a half-read result list over eb020tm_live while
# `scripts/db upgrade` runs: the upgrade gives up within its lock timeout and
# tries, names the session that holds the lock, and keeps no other counter
# waiting longer than its timeout. Once the counter lets go it goes through.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
DB=${1:-t_upgrade_lock}
LOGIN_ROLE=${KEST_LOGIN_ROLE:-ktuser}
LOGIN_PASSWORD=${KEST_LOGIN_PASSWORD:-kest2026}
WORK=$(mktemp -d)
reader=
cleanup() {
  [ -n "$reader" ] && kill "$reader" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

dbs() { "$ROOT/scripts/db" "$@"; }
admin() { local d=$1; shift; dbs psql "$d" -At "$@"; }
eval "$(dbs env)"
fail() { echo "FAIL: $*" >&2; exit 1; }

admin postgres -c "SET client_min_messages = warning" -c "DROP DATABASE IF EXISTS $DB WITH (FORCE)" \
  -c "CREATE DATABASE $DB TEMPLATE kest_template OWNER kest_owner" \
  -c "ALTER DATABASE $DB SET search_path = ktuser, public" >/dev/null

# The counter: a cursor over the live holds, half read, its transaction open.
PGPASSWORD=$LOGIN_PASSWORD PGAPPNAME="Kest_E COUNTER-07" psql -X -q -U "$LOGIN_ROLE" -d "$DB" \
  -c "BEGIN" -c "DECLARE c CURSOR FOR SELECT * FROM eb020tm_live" -c "FETCH 1 FROM c" -c "SELECT pg_sleep(120)" \
  >/dev/null 2>&1 &
reader=$!
for _ in $(seq 100); do
  [ "$(admin "$DB" -c "SELECT count(*) FROM pg_stat_activity WHERE application_name = 'Kest_E COUNTER-07'
                        AND state = 'active' AND xact_start IS NOT NULL")" = 1 ] && break
  sleep 0.1
done

# Another counter reading the same view while the upgrade waits.
(
  sleep 0.5
  start=$(date +%s%N)
  PGPASSWORD=$LOGIN_PASSWORD psql -X -q -At -U "$LOGIN_ROLE" -d "$DB" -c "SELECT count(*) FROM eb020tm_live" >/dev/null
  echo $(( ($(date +%s%N) - start) / 1000000 )) >"$WORK/other_ms"
) &
other=$!

start=$(date +%s)
if KEST_UPGRADE_LOCK_TIMEOUT=1 KEST_UPGRADE_TRIES=3 dbs upgrade "$DB" >"$WORK/out" 2>"$WORK/err"; then
  fail "the upgrade went through while a counter held the view: $(cat "$WORK/out" "$WORK/err")"
fi
took=$(( $(date +%s) - start ))
wait "$other"
cat "$WORK/err"
grep -q "try 3 of 3" "$WORK/err" || fail "the upgrade did not try three times"
grep -q "application 'Kest_E COUNTER-07', client local" "$WORK/err" || fail "the holder was not named"
grep -q "stopped" "$WORK/err" || fail "no word that the upgrade stopped"
[ "$took" -lt 60 ] || fail "the upgrade took $took s"
[ "$(cat "$WORK/other_ms")" -lt 10000 ] || fail "another counter waited $(cat "$WORK/other_ms") ms behind the upgrade"
echo "ok: the upgrade gave up in $took s naming the counter; another counter waited $(cat "$WORK/other_ms") ms"

# The counter's session ends (a backend asleep would not notice its client go).
admin "$DB" -c "SELECT pg_terminate_backend(pid) FROM pg_stat_activity
                 WHERE application_name = 'Kest_E COUNTER-07' AND datname = current_database()" >/dev/null
wait "$reader" 2>/dev/null || true; reader=
dbs upgrade "$DB" >/dev/null || fail "the upgrade failed once the counter had let go"
echo "ok: the upgrade went through once the counter had let go"

admin postgres -c "DROP DATABASE $DB WITH (FORCE)" >/dev/null
