#!/usr/bin/env bash
# Packs the build, installs the package into a scratch root with dpkg -x and
# checks what a counter PC gets: the files, the declared dependencies, a
# menu entry that validates, and an installed client that starts and
# refuses to run without the launcher's four arguments.
#   package_test.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
SRC=$1 BUILD=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

deb=$(KEST_PACKAGE_NO_BUILD=1 KEST_BUILD_DIR=$BUILD KEST_PACKAGE_DIR=$scratch/out "$SRC/scripts/package") \
  || { echo "FAIL: scripts/package"; exit 1; }
root=$scratch/root
dpkg -x "$deb" "$root" || { echo "FAIL: dpkg -x $deb"; exit 1; }

for f in usr/lib/kest/Kest_E usr/lib/kest/kest-pass usr/bin/kest-e; do
  [ -x "$root/$f" ] || fail "$f is not installed as a program"
done
for f in usr/share/applications/kest-e.desktop usr/share/icons/hicolor/scalable/apps/kest-e.svg \
         usr/share/icons/hicolor/128x128/apps/kest-e.png \
         etc/kest/Main.ini etc/kest/RVUpdate.ini etc/kest/Kest_E.ini \
         usr/share/kest/db/preamble.sql usr/share/kest/db/roles.sql usr/share/kest/db/grants.sql \
         usr/share/kest/scripts/db usr/share/doc/kest-e/guide.ko.md usr/share/doc/kest-e/guide.en.md; do
  [ -f "$root/$f" ] || fail "$f is missing"
done
# Every server script of the checkout, so that upgrades find their path.
for dir in schema functions seed upgrade; do
  for f in "$SRC"/db/$dir/*.sql; do
    [ -f "$root/usr/share/kest/db/$dir/$(basename "$f")" ] || fail "db/$dir/$(basename "$f") is missing"
  done
done
[ -e "$root/usr/share/kest/db/demo" ] && fail "the demo data is in the package"
# Every report definition where the viewer reads them by default.
for f in "$SRC"/reports/*.mrd; do
  [ -f "$root/usr/share/kest/reports/$(basename "$f")" ] || fail "reports/$(basename "$f") is missing"
done
# Nothing beside the installed client: it must read /etc/kest.
ls "$root"/usr/lib/kest/*.ini >/dev/null 2>&1 && fail "INI files lie beside the installed client"

desktop-file-validate "$root/usr/share/applications/kest-e.desktop" || fail "the menu entry does not validate"

control=$(dpkg-deb -f "$deb")
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6sql6 libqt6serialport6 libpq5 libxlsxwriter4 libqt6sql6-psql qt6-qpa-plugins \
         fonts-nanum qt6-translations-l10n; do
  grep -qE "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
for p in fcitx5 fcitx5-hangul fcitx5-frontend-qt6; do
  grep -qE "(^|, )$p( |,|$)" <<<"$recommends" || fail "Recommends lacks $p: $recommends"
done
conffiles=$(dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./conffiles)
for f in Main.ini RVUpdate.ini Kest_E.ini; do
  grep -qx "/etc/kest/$f" <<<"$conffiles" || fail "/etc/kest/$f is not a conffile"
done
grep -q '^Package: kest-e$' <<<"$control" || fail "package name: $control"

# The installed client, started the way a person would start it by hand.
refusal='error: 이 프로그램은 단독으로 실행되지 않습니다. 메인 프로그램(Kest.exe)으로 실행하십시오.'
run() {
  env -u KEST_UNATTENDED QT_QPA_PLATFORM=offscreen KEST_UNATTENDED=yes HOME="$scratch/home" \
    KEST_INSTANCE_NAME="kest-package-test-$$" timeout 60 "$@"
}
for args in "kest ktuser E0001" "" "kest ktuser E0001 name extra"; do
  # shellcheck disable=SC2086
  err=$(run "$root/usr/lib/kest/Kest_E" $args 2>&1 >/dev/null); code=$?
  [ "$code" -eq 1 ] || fail "Kest_E $args: exit $code, expected 1"
  grep -qF "$refusal" <<<"$err" || fail "Kest_E $args: no refusal on stderr: $err"
done
# The menu's starter without a launch file reaches the same client.
err=$(run "$root/usr/bin/kest-e" 2>&1 >/dev/null); code=$?
[ "$code" -eq 1 ] && grep -qF "$refusal" <<<"$err" || fail "kest-e: exit $code: $err"
# The password tool works where it is installed.
[ -n "$("$root/usr/lib/kest/kest-pass" secret)" ] || fail "kest-pass prints nothing"

if [ "$failures" -gt 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "package $(basename "$deb"): installed into a scratch root and started"
