#!/usr/bin/env bash
# The Windows setup under Wine, in a throw-away copy of the prefix the Wine tests share: a
# silent install puts the saver in the system folder, selects it and lists it among the
# installed programs; the installed saver races; a second install upgrades in place; the
# listed uninstaller removes what the setup added and keeps the user's speed and another saver
# the user chose, also after the user deleted the saver by hand.
# Usage: setup_test.sh <scratch> <screenshots>
WORK="$1" SHOTS="$2"
[ -f "${SCR:-}" ] || { echo "skipped: no Windows program at ${SCR:-}"; exit 77; }
command -v makensis >/dev/null || { echo "skipped: no makensis to make the setup with"; exit 77; }
[ -f "${SETUP:?}" ] || { echo "FAIL: no $SETUP: make it with scripts/package" >&2; exit 1; }
: "${VERSION:?}" "${SHARED_PREFIX:?}" "${ICO:?}"
rm -rf "$WORK"
export WINEPREFIX="$WORK/prefix"
source "$(dirname "$0")/../e2e/wine/common.sh"
cp -a "$SHARED_PREFIX" "$WINEPREFIX"
start_x

UNINSTALL='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
ENTRY="$UNINSTALL\\Corvanta Screen Saver"
DESKTOP='HKCU\Control Panel\Desktop'
SPEED='HKCU\Software\Corvanta Screen Saver\Settings'
installed="$WINEPREFIX/drive_c/windows/system32/corvanta.scr"

# The data of value $2 of key $1 ("" when there is none); reg separates columns by 4 blanks.
value() {
  wine reg query "$1" /v "$2" /reg:64 2>/dev/null | tr -d '\r' \
    | awk -v n="$2" 'BEGIN { FS = "    " } $2 == n { print $4 }'
}
entries() {
  wine reg query "$UNINSTALL" /s /reg:64 2>/dev/null | tr -d '\r' \
    | grep -c "^    DisplayName    REG_SZ    Corvanta Screen Saver$" || true
}
set_value() { wine reg add "$1" /v "$2" /t REG_SZ /d "$3" /f /reg:64 >>"$WORK/wine.log" 2>&1; }
lower() { tr '[:upper:]' '[:lower:]' <<<"$1"; }

# Wine's trace of the processes a setup starts, to see whether it opened the settings.
opened_settings() { grep -qF 'desk.cpl,,@screensaver' "$1"; }

install() {  # <what>
  local rc=0
  WINEDEBUG=+process timeout 120 wine "$SETUP" /S >"$WORK/silent.log" 2>&1 || rc=$?
  [ "$rc" = 0 ] && pass "$1: setup /S exits 0" || fail "$1: setup /S exit code $rc"
  opened_settings "$WORK/silent.log" && fail "$1: a silent install opened the screen-saver settings"
  return 0
}

# Answers the setup's page titled $1 with Return, its default button (Install, then Close),
# after a screenshot named $2.
press_return() {
  local id=""
  for _ in $(seq 400); do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && break
    sleep 0.05
  done
  [ -n "$id" ] || { fail "no setup page '$1'"; return; }
  sleep 0.3
  shot "$2"
  xdotool windowfocus --sync "$id" key Return
}

interactive_install() {  # <what>
  WINEDEBUG=+process wine "$SETUP" >"$WORK/interactive.log" 2>&1 &
  local setup=$!
  STARTED+=("$setup")
  press_return "Corvanta Screen Saver Setup: Installation Folder" setup-folder
  press_return "Corvanta Screen Saver Setup: Completed" setup-completed
  wait_exit "$setup" 60 && [ "$EXIT_CODE" = 0 ] && pass "$1: Install, Close, exit code 0" \
    || fail "$1: the setup did not end with exit code 0 (exit code '$EXIT_CODE')"
  opened_settings "$WORK/interactive.log" && pass "$1: the setup opened the screen-saver settings" \
    || fail "$1: an interactive install did not open the screen-saver settings"
}

# Runs the listed UninstallString with /S. The uninstaller copies itself away and returns at
# once; the work is done when the entry is gone.
uninstall() {  # <what>
  local command path
  command=$(value "$ENTRY" UninstallString)
  path=${command#\"}
  path=${path%%\"*}
  [ -n "$path" ] || { fail "$1: no UninstallString"; return; }
  timeout 60 wine "$path" /S >>"$WORK/wine.log" 2>&1 || fail "$1: the uninstaller failed"
  for _ in $(seq 60); do
    [ "$(entries)" = 0 ] && [ ! -e "$WINEPREFIX/drive_c/Program Files/Corvanta Screen Saver" ] && return
    sleep 0.5
  done
  fail "$1: the entry or the uninstaller's folder is still there after 30 s"
}

# --- The setup file itself --------------------------------------------------------------------
strings -el "$SETUP" >"$WORK/strings"
grep -qx "$VERSION" "$WORK/strings" && grep -qx "Corvanta Screen Saver" "$WORK/strings" \
  && pass "the setup carries a version resource naming $VERSION" || fail "no version resource in the setup"
# The icon's one image, everything after the 22 bytes of its directory, is in the resources.
od -An -v -tx1 "$SETUP" | tr -d ' \n' >"$WORK/setup.hex"
od -An -v -tx1 -j 22 "$ICO" | tr -d ' \n' >"$WORK/icon.hex"
grep -qFf "$WORK/icon.hex" "$WORK/setup.hex" && pass "the setup carries the program's icon" \
  || fail "the program's icon is not in the setup"

# --- A silent install -------------------------------------------------------------------------
set_value "$SPEED" BALL_SPEED 2
install "first install"
cmp -s "$SCR" "$installed" && pass "corvanta.scr is in C:\\windows\\system32" \
  || fail "C:\\windows\\system32\\corvanta.scr is missing or not the built program"
saver=$(value "$DESKTOP" SCRNSAVE.EXE)
[ "$(lower "$saver")" = 'c:\windows\system32\corvanta.scr' ] && pass "SCRNSAVE.EXE names it: $saver" \
  || fail "SCRNSAVE.EXE is '$saver'"
for pair in "DisplayName=Corvanta Screen Saver" "DisplayVersion=$VERSION" "Publisher=Corvanta Software" \
  "NoModify=0x1" "NoRepair=0x1"; do
  got=$(value "$ENTRY" "${pair%%=*}")
  [ "$got" = "${pair#*=}" ] || fail "entry: ${pair%%=*} is '$got', expected '${pair#*=}'"
done
for name in DisplayIcon UninstallString; do
  [ -n "$(value "$ENTRY" "$name")" ] || fail "entry: no $name"
done
size=$(($(value "$ENTRY" EstimatedSize)))
[ "$size" -ge $(($(stat -c %s "$SCR") / 1024)) ] && pass "installed-programs entry complete, $size KB" \
  || fail "entry: EstimatedSize $size KB is less than the program"

# --- The installed saver races ----------------------------------------------------------------
wine 'C:\windows\system32\corvanta.scr' /S >>"$WORK/wine.log" 2>&1 &
show=$!
STARTED+=("$show")
wait_window "Screen Saver" 20 || fail "the installed saver showed no window"
sleep 1
shot installed-first
sleep 0.5
shot installed-later
"$SHOT_PROBE" balls "$WORK/installed-first.ppm" >"$WORK/first.txt"
"$SHOT_PROBE" balls "$WORK/installed-later.ppm" >"$WORK/later.txt"
advanced=0
for n in 1 2 3 4 5 6 7 8 9; do
  read -r _ _ _ _ _ a _ _ _ dominant _ count _ < <(grep "^ball $n " "$WORK/first.txt")
  read -r _ _ _ _ _ b _ < <(grep "^ball $n " "$WORK/later.txt")
  [ "$dominant" = "$n" ] && [ "$count" -ge 120 ] || fail "lane $n shows ball $dominant ($count pixels)"
  [ "$b" != "$a" ] && advanced=$((advanced + 1))
done
# A ball that won and restarted moved too, only backwards: any change of place is a race.
[ "$advanced" -ge 8 ] && pass "the installed saver races: nine balls in their lanes, $advanced moved" \
  || fail "only $advanced of nine balls moved"
xdotool key a
wait_exit "$show" 10 || fail "the installed saver did not end on a key"

# --- Run twice, the second time by hand: an upgrade in place ---------------------------------
interactive_install "second install"
[ "$(entries)" = 1 ] && pass "one installed-programs entry after two installs" \
  || fail "$(entries) entries after two installs"
ls "$WINEPREFIX/drive_c/Program Files/Corvanta Screen Saver" >"$WORK/folder"
[ "$(cat "$WORK/folder")" = uninstall.exe ] || fail "the program folder holds: $(tr '\n' ' ' <"$WORK/folder")"

# --- Uninstall: the settings dialog wrote the saver's name back in capitals ------------------
set_value "$DESKTOP" SCRNSAVE.EXE 'C:\WINDOWS\SYSTEM32\CORVANTA.SCR'
uninstall "uninstall"
[ ! -e "$installed" ] && pass "the uninstaller removed corvanta.scr and the entry" \
  || fail "corvanta.scr is still in the system folder"
[ -z "$(value "$DESKTOP" SCRNSAVE.EXE)" ] && pass "SCRNSAVE.EXE, which named it, is cleared" \
  || fail "SCRNSAVE.EXE still names '$(value "$DESKTOP" SCRNSAVE.EXE)'"
[ "$(value "$SPEED" BALL_SPEED)" = 2 ] && pass "the user's ball speed stays" \
  || fail "the user's ball speed is '$(value "$SPEED" BALL_SPEED)'"

# --- Uninstall after the user deleted the saver and chose another one ----------------------
install "third install"
rm -f "$installed"
set_value "$DESKTOP" SCRNSAVE.EXE 'C:\windows\system32\scrnsave.scr'
uninstall "uninstall without the file"
[ "$(entries)" = 0 ] && pass "the entry goes although the file was gone" || fail "the entry stayed"
[ "$(value "$DESKTOP" SCRNSAVE.EXE)" = 'C:\windows\system32\scrnsave.scr' ] \
  && pass "another saver the user chose stays selected" \
  || fail "SCRNSAVE.EXE became '$(value "$DESKTOP" SCRNSAVE.EXE)'"

if [ "$FAILURES" -eq 0 ]; then  # 700 MB, kept only to look into a failure
  timeout 10 wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
fi
finish
