#!/usr/bin/env bash
# The tour fails, naming the screen, when a screen cannot search: the demo
# database without the table of the boot base stock (EBI030) and with a
# season the storage screen cannot know (EBI050 stays at "*시즌").
#   tour_fails_test.sh SOURCE_DIR KEST_TOUR_BINARY
set -uo pipefail
SRC=$1 TOUR=$2
DB=t_tour_fails
"$SRC/scripts/db" load "$DB" demo >/dev/null || exit 1
"$SRC/scripts/db" psql "$DB" -c "DROP TABLE ktuser.eb030ms CASCADE" \
  -c "DELETE FROM ktuser.zx010ms WHERE head = 'E0004' AND detail = '26'" >/dev/null || exit 1
eval "$("$SRC/scripts/db" env)"
export PGHOST PGPORT
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
touch "$out/EBI030.png" # from an earlier run
err=$(KEST_TOUR_DB=$DB QT_QPA_PLATFORM=offscreen "$TOUR" "$out" 2>&1); code=$?
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
[ "$code" -eq 1 ] || fail "exit $code, expected 1"
grep -q '^kest-tour: EBI030 search: error box: ' <<<"$err" || fail "EBI030's error is not named"
grep -q '^kest-tour: EBI050 search: the search did not run: \*시즌을(를) 정확히 입력하십시오.' <<<"$err" \
  || fail "EBI050's refused search is not named"
grep -Eq '^kest-tour: [0-9]+ passed, [0-9]+ failed \(EBI030, EBI050(, [A-Z0-9]+)*\)$' <<<"$err" || fail "the closing line"
[ -f "$out/EBI020.png" ] && [ -f "$out/EBI040.png" ] || fail "the screens that work lost their pictures"
[ -f "$out/EBI030.png" ] && fail "a failed screen kept a picture"
"$SRC/scripts/db" psql postgres -c "DROP DATABASE IF EXISTS $DB WITH (FORCE)" >/dev/null
[ "$failures" -eq 0 ] || { echo "$err"; exit 1; }
echo "the tour names the screens that fail"
