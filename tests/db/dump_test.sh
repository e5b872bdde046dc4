#!/usr/bin/env bash
# A dump of the demo database, as a backup takes it, holds the personal
# values only encrypted and not the key: nothing in it decrypts them.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
DB=${1:-t_dump}
PGBIN=${PGBIN:-/usr/lib/postgresql/15/bin}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
dbs() { "$ROOT/scripts/db" "$@"; }
admin() { local d=$1; shift; dbs psql "$d" -At "$@"; }
eval "$(dbs env)"
fail() { echo "FAIL: $*" >&2; exit 1; }

dbs load "$DB" demo
"$PGBIN/pg_dump" -h "$PGHOST" -p "$PGPORT" -U "${KEST_PGUSER:-postgres}" -d "$DB" -f "$WORK/dump.sql"
[ "$(wc -l <"$WORK/dump.sql")" -gt 500 ] || fail "the dump is too small"

# Values the demo stores in personal columns, and the server's key.
for plain in 010-1234-5678 010-9876-5432; do
  [ "$(admin "$DB" -c "SELECT count(*) FROM ktuser.eb040dt WHERE ktuser.fn_za010ms_04(tel_no) = '$plain'")" = 1 ] \
    || fail "the demo no longer stores $plain"
  grep -qF "$plain" "$WORK/dump.sql" && fail "the dump holds $plain in plain text"
done
key=$(admin postgres -c "SELECT btrim(pg_read_file('kest_crypt.key'), E' \\n')")
[ ${#key} -eq 64 ] || fail "no key file on the server"
grep -qiF "$key" "$WORK/dump.sql" && fail "the dump holds the key"
grep -qi "crypt_key" "$WORK/dump.sql" && fail "the dump holds a key table"
echo "ok: no plain personal value and no key in the dump"

# Whatever in the dump could be a key opens none of its personal values.
cipher=$(admin "$DB" -c "SELECT tel_no FROM ktuser.eb040dt WHERE tel_no IS NOT NULL LIMIT 1")
grep -q "$cipher" "$WORK/dump.sql" || fail "the stored cipher text is not in the dump"
grep -oiE '[0-9a-f]{64}' "$WORK/dump.sql" | sort -u >"$WORK/candidates" || true
echo "$key" >>"$WORK/candidates" # the check itself must be able to open it
opened=$(while read -r candidate; do
  admin "$DB" -c "SELECT CASE WHEN convert_from(decrypt_iv(substr(b, 17), decode('$candidate', 'hex'), substr(b, 1, 16),
                                                           'aes-cbc/pad:pkcs'), 'UTF8') ~ '^[0-9-]+$'
                        THEN '$candidate' END
                    FROM decode(substr('$cipher', 5), 'base64') AS b" 2>/dev/null || true
done <"$WORK/candidates" | grep -v '^$' || true)
[ "$opened" = "$key" ] || fail "candidates from the dump that open a value: [$opened]"
echo "ok: none of $(($(wc -l <"$WORK/candidates") - 1)) key-like strings of the dump opens a personal value"

admin postgres -c "DROP DATABASE $DB WITH (FORCE)" >/dev/null
