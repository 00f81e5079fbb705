#!/usr/bin/env bash
# The theme icon tool: the PNG it makes of our icon shows what ImageMagick's own reader sees in
# the icon file, pixel for pixel and in transparency; damaged or unsuitable icons end with a
# message and no output, never a crash.
set -euo pipefail
: "${ICON_PNG:?the icon tool}" "${ICO:?the icon file}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

"$ICON_PNG" "$ICO" "$work/icon.png" 32
[ "$(identify -format '%m %w %h' "$work/icon.png")" = "PNG 32 32" ] || fail "not a 32 x 32 PNG"
pixels() { convert "$1" -background magenta -flatten -depth 8 rgb:- | md5sum; }
alpha() { convert "$1" -alpha extract -depth 8 gray:- | md5sum; }
[ "$(pixels "$work/icon.png")" = "$(pixels "$ICO[0]")" ] && pass "same colours as the icon" \
  || fail "the PNG's colours differ from the icon's"
[ "$(alpha "$work/icon.png")" = "$(alpha "$ICO[0]")" ] && pass "same transparency as the icon" \
  || fail "the PNG's transparency differs from the icon's"
# Some pixels must be see-through and some solid, or the comparison above proves little.
transparent=$(convert "$work/icon.png" -alpha extract -format '%[fx:round(w*h*(1-mean))]' info:)
[ "$transparent" -gt 0 ] && [ "$transparent" -lt 1024 ] || fail "$transparent of 1024 pixels transparent"

# Every unusable input: exit code 1, a line on stderr, no output file.
refuses() {  # <what> <icon> [size]
  local what=$1 rc=0
  rm -f "$work/out.png"
  "$ICON_PNG" "$2" "$work/out.png" ${3:+"$3"} 2>"$work/err" || rc=$?
  if [ "$rc" -ne 1 ] || [ ! -s "$work/err" ] || [ -e "$work/out.png" ]; then
    fail "$what: exit code $rc, message '$(cat "$work/err")'"
  else
    pass "$what: $(cat "$work/err")"
  fi
}
head -c 100 "$ICO" >"$work/cut.ico"
refuses "an icon cut short" "$work/cut.ico"
head -c 5 "$ICO" >"$work/tiny.ico"
refuses "five bytes" "$work/tiny.ico"
printf 'GIF89a not an icon at all' >"$work/gif.ico"
refuses "not an icon" "$work/gif.ico"
# The directory entry's image offset (bytes 18-21) pointed far past the end of the file.
{ head -c 18 "$ICO"; printf '\xff\xff\xff\x7f'; tail -c +23 "$ICO"; } >"$work/offset.ico"
refuses "an image offset past the end" "$work/offset.ico"
# The bitmap header's colour depth (bytes 36-37 of the file) made 3 bits, which no icon has.
{ head -c 36 "$ICO"; printf '\x03\x00'; tail -c +39 "$ICO"; } >"$work/depth.ico"
refuses "three bits a pixel" "$work/depth.ico"
refuses "no 48 x 48 image" "$ICO" 48
refuses "a missing file" "$work/none.ico"
rc=0
"$ICON_PNG" "$ICO" "$work/out.png" 0 2>/dev/null || rc=$?
[ "$rc" -eq 2 ] && [ ! -e "$work/out.png" ] && pass "size 0 refused" || fail "size 0: exit code $rc"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "all checks passed"
