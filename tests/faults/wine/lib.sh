# Shared by the fault scripts of the Windows program under Wine: the Wine end-to-end helpers
# (prefix, private X server, start/wait/probe/shot), plus a screen of any size, a check that no
# process of ours outlives a run, the first race's finishing positions as a fingerprint of the
# ball speed, and the store as a whole for before/after comparisons.
# Expects what common.sh expects, and X_HOST (the Linux helper that reads the X cursor).
source "$(dirname "${BASH_SOURCE[0]}")/../../e2e/wine/common.sh"

KEY='HKCU\Software\Corvanta Screen Saver\Settings'

cursor() { "$X_HOST" cursor; }

# Processes of this prefix still running corvanta.scr, one "pid cmdline" a line.
ours_running() {
  local f p
  for f in $(grep -las 'corvanta\.scr' /proc/[0-9]*/cmdline); do
    p=${f%/cmdline}
    tr '\0' '\n' <"$p/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
    echo "${p#/proc/} $(tr '\0' ' ' <"$p/cmdline")"
  done
}
nothing_left() {
  local left
  left=$(ours_running)
  [ -z "$left" ] || fail "$1: still running: $left"
}

# Seconds since the epoch with milliseconds, for timing runs.
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# The store's entry exported whole (type and bytes), hashed: "none" when there is no key.
store_print() {
  rm -f "$WORK/export.reg"
  wine regedit /E "$(winpath "$WORK/export.reg")" 'HKEY_CURRENT_USER\Software\Corvanta Screen Saver' \
    >>"$WORK/wine.log" 2>&1 || true
  if [ -s "$WORK/export.reg" ]; then sha256sum <"$WORK/export.reg"; else echo none; fi
}
store_clear() { wine reg delete 'HKCU\Software\Corvanta Screen Saver' /f >>"$WORK/wine.log" 2>&1 || true; }
# Imports a .reg file; regedit takes values far beyond the command line's 32767 characters.
store_import() { wine regedit /S "$(winpath "$1")" >>"$WORK/wine.log" 2>&1; }

# The left edge of each ball in the first hold frame, "x1 ... x9" (see the Linux lib.sh for why
# this tells the speed). Ends the show with a key; sets HOLD ("" when no race finished).
first_hold() {
  HOLD=""
  start_scr /S
  local show=$LAST_PID
  wait_window "Screen Saver" 20 || { fail "$1: no show window"; return 1; }
  if probe "Screen Saver" --wait-caption 30000; then
    shot "hold-$1"
    "$SHOT_PROBE" balls "$WORK/hold-$1.ppm" >"$WORK/hold.txt"
    HOLD=$(awk '$1 == "ball" { printf "%s ", $6 }' "$WORK/hold.txt")
  else
    fail "$1: no race finished within 30 s"
  fi
  xdotool key a
  wait_exit "$show" 10 && [ "$EXIT_CODE" = 0 ] || fail "$1: the show did not end on a key"
}

# Builds the helper that changes the settings key's access list (key_lock.c) and defines
# key_lock; on exit the key is opened again and removed, for the tests that share the prefix.
with_key_lock() {
  x86_64-w64-mingw32-gcc-posix -O1 -static -o "$WORK/key_lock.exe" "$(dirname "${BASH_SOURCE[0]}")/key_lock.c" \
    -ladvapi32 || { fail "cannot build key_lock.exe"; finish; }
  trap 'key_lock unlock || true; store_clear; cleanup' EXIT
}
key_lock() { wine "$WORK/key_lock.exe" "$1" >>"$WORK/wine.log" 2>&1; }
