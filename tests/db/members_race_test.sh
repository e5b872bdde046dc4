#!/usr/bin/env bash
# Two clerks adding members at the same moment: each gets a number of its
# own, and of two saves of one resident number only the first is kept,
# the second refused once the first commits.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
DB=${1:-t_members_race}
LOGIN_ROLE=${KEST_LOGIN_ROLE:-ktuser}
LOGIN_PASSWORD=${KEST_LOGIN_PASSWORD:-kest2026}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
eval "$("$ROOT/scripts/db" env)"
admin() { local d=$1; shift; "$ROOT/scripts/db" psql "$d" -At "$@"; }
fail() { echo "FAIL: $*" >&2; exit 1; }

admin postgres -c "SET client_min_messages = warning" -c "DROP DATABASE IF EXISTS $DB WITH (FORCE)" \
  -c "CREATE DATABASE $DB TEMPLATE kest_template OWNER kest_owner" \
  -c "ALTER DATABASE $DB SET search_path = ktuser, public" >/dev/null

save() { # NAME ID_NO SECONDS_TO_HOLD
  PGPASSWORD=$LOGIN_PASSWORD psql -X -q -At -v ON_ERROR_STOP=1 -U "$LOGIN_ROLE" -d "$DB" \
    -c "BEGIN" \
    -c "SELECT pr_egi020_01(aeditstatus => '2', amember_name => '$1', aid_no => NULLIF('$2', ''),
                            ause_date_from => '20250101', ause_date_to => '20251231',
                            au_emp_no => 'T0001', au_ip => 'T0001 COUNTER-01')" \
    -c "SELECT pg_sleep($3)" -c "COMMIT" 2>&1 | grep -v '^$' || true
}
waiting() { # until N sessions of the login role wait for a lock
  for _ in $(seq 100); do
    [ "$(admin "$DB" -c "SELECT count(*) FROM pg_stat_activity WHERE datname = '$DB' AND wait_event_type = 'Lock'")" \
      -ge "$1" ] && return 0
    sleep 0.1
  done
  fail "no save waited for the first one"
}

# Distinct numbers: the second save waits for the first clerk's number.
save 가회원 '' 2 >"$WORK/a" &
a=$!
sleep 0.5
save 나회원 '' 0 >"$WORK/b" &
b=$!
waiting 1
wait $a $b
[ "$(sort "$WORK/a" "$WORK/b" | tr '\n' ' ')" = "2000000001 2000000002 " ] \
  || fail "numbers: $(cat "$WORK/a" "$WORK/b")"

# One resident number saved twice at once: the second is refused.
save 다회원 7001011234567 2 >"$WORK/a" &
a=$!
sleep 0.5
save 라회원 7001011234567 0 >"$WORK/b" &
b=$!
waiting 1
wait $a $b
[ "$(cat "$WORK/a")" = 2000000003 ] || fail "first save: $(cat "$WORK/a")"
grep -q '주민번호가 이미 등록된 회원(2000000003)의 주민번호입니다.' "$WORK/b" || fail "second save: $(cat "$WORK/b")"
[ "$(admin "$DB" -c "SELECT count(*) FROM ktuser.ba040ms")" = 3 ] || fail "members kept"
admin postgres -c "DROP DATABASE $DB WITH (FORCE)" >/dev/null
echo "members race: ok"
