#!/usr/bin/env bash
# Runs a SQL test file as the login role, as the counters sign in, on a fresh
# clone of the test template after a fixture file run as the schema owner.
#   sql_test.sh DB FIXTURE.sql TEST.sql
# The test fails by raising an error.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
DB=$1 FIXTURE=$2 TEST=$3
LOGIN_ROLE=${KEST_LOGIN_ROLE:-ktuser}
LOGIN_PASSWORD=${KEST_LOGIN_PASSWORD:-kest2026}
eval "$("$ROOT/scripts/db" env)"
admin() { local d=$1; shift; "$ROOT/scripts/db" psql "$d" "$@"; }

admin postgres -c "SET client_min_messages = warning" -c "DROP DATABASE IF EXISTS $DB WITH (FORCE)" \
  -c "CREATE DATABASE $DB TEMPLATE kest_template OWNER kest_owner" \
  -c "ALTER DATABASE $DB SET search_path = ktuser, public" \
  -c "ALTER DATABASE $DB SET timezone = 'Asia/Seoul'"
admin "$DB" -1 -c "SET ROLE kest_owner" -f "$FIXTURE"
PGPASSWORD=$LOGIN_PASSWORD psql -X -q -v ON_ERROR_STOP=1 -U "$LOGIN_ROLE" -d "$DB" -o /dev/null -f "$ROOT/tests/db/expect.sql" -f "$TEST"
admin postgres -c "DROP DATABASE $DB WITH (FORCE)"
