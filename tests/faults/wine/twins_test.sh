#!/usr/bin/env bash
# Under Wine: two shows started in the same instant, exactly one runs and the other ends with
# exit code 0 and no window; a start refused while the settings dialog is open leaves the
# cursor visible; every ending of a show brings the cursor back.
# Usage: twins_test.sh <scratch> <screenshots>
WORK="$1" SHOTS="$2"
source "$(dirname "$0")/lib.sh"
start_x

shows() { xwininfo -root -tree | grep -cF '"Screen Saver"' || true; }

# Both wait at a gate that opens for both at once.
cat >"$WORK/gate" <<'EOF'
while [ ! -e "$GO" ]; do :; done
exec "$@"
EOF
export GO=$WORK/go

# Let the prefix's server and services come up first, so that both starts race each other
# rather than Wine's own start-up.
start_scr /A
wait_exit "$LAST_PID" 20 || fail "/A did not end"

for round in 1 2 3; do
  rm -f "$GO"
  bash "$WORK/gate" wine "$SCR" /S >>"$WORK/wine.log" 2>&1 &
  a=$!
  bash "$WORK/gate" wine "$SCR" /S >>"$WORK/wine.log" 2>&1 &
  b=$!
  STARTED+=("$a" "$b")
  touch "$GO"
  wait_window "Screen Saver" 20 || fail "round $round: no show appeared"
  for _ in $(seq 200); do kill -0 "$a" 2>/dev/null && kill -0 "$b" 2>/dev/null || break; sleep 0.05; done
  if kill -0 "$a" 2>/dev/null; then survivor=$a loser=$b; else survivor=$b loser=$a; fi
  if wait_exit "$loser" 10; then
    [ "$EXIT_CODE" = 0 ] || fail "round $round: the refused show's exit code is $EXIT_CODE"
  else
    fail "round $round: both shows still run after 10 s"
  fi
  sleep 0.5
  [ "$(shows)" = 1 ] && [ "$(ours_running | wc -l)" = 1 ] &&
    pass "round $round: exactly one show runs" ||
    fail "round $round: $(shows) show windows, processes: $(ours_running)"
  [ "$(cursor)" = hidden ] || fail "round $round: the cursor shows during the show"
  xdotool key a
  wait_exit "$survivor" 10 && [ "$EXIT_CODE" = 0 ] || fail "round $round: the show did not end on a key"
  [ "$(cursor)" = visible ] && pass "round $round: the cursor is back after the show" ||
    fail "round $round: the cursor is hidden after the show"
done

start_scr /C
dialog=$LAST_PID
wait_window "Corvanta Settings" 20 || fail "no settings dialog"
start_scr /S
wait_exit "$LAST_PID" 10 && [ "$EXIT_CODE" = 0 ] || fail "a show started beside the dialog was not refused"
[ "$(shows)" = 0 ] || fail "a refused show left a window"
# Wine may show its own windows' cursor a moment late on a busy machine: wait a little for it.
for _ in $(seq 30); do [ "$(cursor)" = visible ] && break; sleep 0.1; done
[ "$(cursor)" = visible ] && pass "a refused start leaves the cursor visible" ||
  fail "the cursor is hidden after a refused start"
kill -0 "$dialog" 2>/dev/null || fail "the refused show closed the dialog"
kill -9 "$dialog" 2>/dev/null || true
nothing_left "refused start"

finish
