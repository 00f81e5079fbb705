#!/usr/bin/env bash
# The documents the packages carry: the daemon's settings description, the manual page and the
# settings launcher. Each is read by the tool that will read it on a user's machine.
set -euo pipefail
: "${PACKAGING:?folder of the packaged documents}"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# --- corvanta.xml: well formed, and what the daemon's settings dialog looks for -------------
xml=$PACKAGING/corvanta.xml
if xmllint --noout "$xml"; then pass "corvanta.xml is well formed"; else fail "corvanta.xml is not well formed"; fi
xpath() { xmllint --xpath "$1" "$xml" 2>/dev/null || true; }
[ "$(xpath 'string(/screensaver/@name)')" = corvanta ] || fail "the screensaver element is not named corvanta"
[ "$(xpath 'string(/screensaver/@_label)')" = "Corvanta Screen Saver" ] || fail "wrong _label"
[ "$(xpath 'count(/screensaver/command[@arg="--root"])')" = 1 ] || fail "no <command arg=\"--root\"/>"
[ -n "$(xpath 'normalize-space(/screensaver/_description)')" ] || fail "no _description"
# The first option passes nothing, so the speed stored by "corvanta /C" applies.
[ "$(xpath 'count(/screensaver/select[@id="speed"]/option[1]/@arg-set)')" = 0 ] \
  || fail "the first speed option passes an argument"
args=$(xpath '/screensaver/select[@id="speed"]/option/@arg-set' | sed 's/^ *arg-set="\(.*\)"$/\1/' | paste -sd '|')
[ "$args" = "--speed fast|--speed medium|--speed slow" ] && pass "speed options: stored, $args" \
  || fail "speed options pass '$args'"

# --- corvanta.6: renders without a single warning, documents every way in --------------------
man_page=$PACKAGING/corvanta.6
err=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$man_page" 2>&1 >/dev/null) || fail "man failed"
[ -z "$err" ] && pass "the manual page renders without warnings" || fail "man warns: $err"
text=$(MANWIDTH=200 LC_ALL=C.UTF-8 man -l "$man_page" 2>/dev/null | col -b)
for word in /S /P /C /A --root -root --window-id -window-id "--speed speed" fast medium slow \
  --help --version XSCREENSAVER_WINDOW "Corvanta Screen Saver.ini" "[Settings]" BALL_SPEED \
  "EXIT STATUS" FILES --watch-idle --enable-at-login --disable-at-login; do
  grep -qF -- "$word" <<<"$text" || fail "the manual page does not mention $word"
done
head -n 1 <<<"$text" | grep -q '^CORVANTA(6)' || fail "the manual page is not in section 6"

# --- corvanta-settings.desktop: valid, and it opens the settings dialog -----------------------
desktop=$PACKAGING/corvanta-settings.desktop
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate failed"
[ -z "$out" ] && pass "desktop-file-validate finds nothing" || fail "desktop-file-validate: $out"
for line in "Name=Corvanta Screen Saver Settings" "Exec=corvanta /C" "Icon=corvanta" "Type=Application"; do
  grep -qxF "$line" "$desktop" || fail "the launcher lacks '$line'"
done

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "all checks passed"
