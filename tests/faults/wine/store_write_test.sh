#!/usr/bin/env bash
# OK in the settings dialog under Wine when the registry refuses the write (the key's access
# list grants reading only): the old entry stays, no message appears, the program ends
# normally. Then the program killed at moments around the save: the entry is always the old
# value or the new one.
# Usage: store_write_test.sh <scratch> <screenshots>
WORK="$1" SHOTS="$2"
source "$(dirname "$0")/lib.sh"
start_x

with_key_lock

stored() { wine reg query "$KEY" /v BALL_SPEED 2>/dev/null | tr -d '\r' | awk '$1 == "BALL_SPEED" { print $2 ":" $3 }'; }
set_stored() { wine reg add "$KEY" /v BALL_SPEED /t REG_SZ /d "$1" /f >>"$WORK/wine.log" 2>&1; }

# Centre of the dialog's control with the given text, in screen pixels (from probe.txt).
centre_of() {
  local dx dy
  IFS=, read -r dx dy _ _ < <(awk -F'|' 'NR == 1 { print $4 }' "$WORK/probe.txt")
  awk -F'|' -v t="$1" -v dx="$dx" -v dy="$dy" '$6 == t { split($4, r, ","); print dx + r[1] + int(r[3] / 2), dy + r[2] + int(r[4] / 2); exit }' "$WORK/probe.txt"
}
# Opens the dialog, chooses Fast (Home in the list, which has the focus) and clicks OK; with
# "nowait", sends the click in the background and returns at once.
ok_with_fast() {
  start_scr /C
  DIALOG=$LAST_PID
  wait_window "Corvanta Settings" 20 || { fail "no settings dialog"; return 1; }
  # The title is listed as soon as the window exists, which on a busy machine can be before
  # its buttons do: probe until OK is there.
  local x="" y="" i
  for i in $(seq 100); do
    probe "Corvanta Settings" || { fail "dialog not found by title"; return 1; }
    read -r x y < <(centre_of OK) || true
    [ -n "$x" ] && break
    sleep 0.1
  done
  [ -n "$x" ] || { fail "the dialog has no OK button"; return 1; }
  xdotool key Home
  xdotool mousemove "$x" "$y"
  if [ "${1:-}" = nowait ]; then xdotool click 1 & else xdotool click 1; fi
}

set_stored 2
ok_with_fast
wait_exit "$DIALOG" 10 && [ "$(stored)" = "REG_SZ:0" ] && pass "a writable key takes the choice" ||
  fail "a writable key did not take the choice: '$(stored)'"

set_stored 2
key_lock lock || fail "could not make the key read-only"
set_stored 1 && fail "the locked key still takes writes: the test would prove nothing"
ok_with_fast
if wait_exit "$DIALOG" 10; then
  [ "$EXIT_CODE" = 0 ] && pass "OK on a read-only key ends the program normally" ||
    fail "OK on a read-only key: exit code $EXIT_CODE"
else
  fail "OK on a read-only key: the program still runs (a message waiting?)"
fi
windows=$(xwininfo -root -tree | grep -cE '"(Screen Saver|Corvanta Settings)"' || true)
[ "$windows" = 0 ] || fail "a window of ours is still there after OK"
nothing_left "read-only key"
[ "$(stored)" = "REG_SZ:2" ] && pass "the read-only key keeps the old value" ||
  fail "the read-only key holds '$(stored)'"
key_lock unlock || fail "could not make the key writable again"

# Killed from outside (what TerminateProcess does under Wine) from just as the click is sent
# to after its effect; the delay climbs after a kill that came too early and falls after one
# too late, so the kills gather around the save.
olds=0 news=0 delay=0
for round in $(seq 10); do
  set_stored 2
  ok_with_fast nowait
  sleep "$(printf '%d.%03d' $((delay / 1000)) $((delay % 1000)))"
  kill -9 "$DIALOG" 2>/dev/null || true
  wait_exit "$DIALOG" 10 || fail "round $round: the killed program lingers"
  case "$(stored)" in
    REG_SZ:2) olds=$((olds + 1)) delay=$((delay * 3 / 2 + 3)) ;;
    REG_SZ:0) news=$((news + 1)) delay=$((delay * 4 / 5)) ;;
    *) fail "round $round: the entry is '$(stored)', neither old nor new" ;;
  esac
done
echo "after 10 kills: $olds old, $news new"
nothing_left "the kills"

finish
