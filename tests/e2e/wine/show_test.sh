#!/usr/bin/env bash
# The full-screen show under Wine at 1024 x 768: the first frame, the race advancing, the
# winner's caption during the hold, and every way the show ends (and one that must not).
# Usage: show_test.sh <scratch> <screenshots>
WORK="$1" SHOTS="$2"
source "$(dirname "$0")/common.sh"
start_x
# Slow: the balls leave the start line at a third of a pixel per millisecond at most.
wine reg add 'HKCU\Software\Corvanta Screen Saver\Settings' /v BALL_SPEED /t REG_SZ /d 2 /f \
  >>"$WORK/wine.log" 2>&1

# Expected body colour of each lane's ball, as numbered by shot_probe: lane n holds ball n.
check_lanes() {  # <report> <what>
  local n
  for n in 1 2 3 4 5 6 7 8 9; do
    read -r _ _ _ top _ left _ right _ dominant _ count _ white < <(grep "^ball $n " "$1")
    if [ "$dominant" != "$n" ] || [ "$count" -lt 120 ]; then
      fail "$2: lane $n (top $top) shows ball $dominant ($count pixels), expected ball $n"
    fi
  done
}

left_of() { awk -v n="$2" '$1 == "ball" && $2 == n { print $6 }' "$1"; }

# --- The show starts at the left edge and advances ---------------------------------------
xdotool mousemove 500 400
start_scr /S
show=$LAST_PID
wait_window "Screen Saver" 20 || fail "no show window appeared"
# Held still while the screenshot is taken, so that the picture is the one on screen when the
# window first showed rather than whatever the race reached while import started up. The X
# window may exist a moment before it is painted: try again until something shows.
for attempt in $(seq 40); do
  kill -STOP "$show"
  shot start
  kill -CONT "$show"
  "$SHOT_PROBE" balls "$WORK/start.ppm" >"$WORK/start.txt"
  grep -q "left -1 " "$WORK/start.txt" || break
  sleep 0.02
done
sleep 0.3
shot later
"$SHOT_PROBE" balls "$WORK/later.ppm" >"$WORK/later.txt"

grep -q "^size 1024 768" "$WORK/start.txt" || fail "screenshot is not 1024 x 768"
check_lanes "$WORK/start.txt" "first screenshot"
check_lanes "$WORK/later.txt" "later screenshot"
grep -q "^stray 0$" "$WORK/start.txt" || fail "first screenshot has pixels outside the lanes: $(grep stray "$WORK/start.txt")"
advanced=0
for n in 1 2 3 4 5 6 7 8 9; do
  a=$(left_of "$WORK/start.txt" "$n") b=$(left_of "$WORK/later.txt" "$n")
  # A ball's first coloured column is one right of its cell: 1 on the start line. The race
  # has run a few ticks by the time X shows the window; 128 pixels is an eighth of the way.
  [ "$a" -ge 1 ] && [ "$a" -le 128 ] || fail "ball $n is not at the left edge in the first screenshot (x $a)"
  [ "$b" -gt "$a" ] && advanced=$((advanced + 1))
done
[ "$advanced" -eq 9 ] && pass "nine balls start at the left edge in lanes 1-9 and all advance" \
  || fail "only $advanced of 9 balls advanced between the screenshots"

# --- The winner's caption during the hold ---------------------------------------------------
if probe "Screen Saver" --wait-caption 20000; then
  shot hold
  "$SHOT_PROBE" balls "$WORK/hold.ppm" >"$WORK/hold.txt"
  caption=$(awk -F'|' '$1 == "Static" && $3 == 1 { print $6 }' "$WORK/probe.txt")
  winner=${caption%% *}
  [[ "$caption" =~ ^[1-9]\ Ball\ Wins\ !$ ]] || fail "caption reads '$caption'"
  # The finish line is at 0.95 of the width, pixel 972.8: the winner's cell starts at 973 or
  # later, and no higher-numbered ball got there (the highest finisher is announced).
  [ "$(left_of "$WORK/hold.txt" "$winner")" -ge 974 ] || fail "ball $winner is announced but not past the line"
  for n in $(seq $((winner + 1)) 9); do
    [ "$(left_of "$WORK/hold.txt" "$n")" -lt 974 ] || fail "ball $n finished too but $winner is announced"
  done
  pixels=$("$SHOT_PROBE" caption "$WORK/hold.ppm" 512 384 129 25 | awk '{print $2}')
  [ "$pixels" -ge 40 ] && pass "hold shows '$caption' in pale yellow at the centre ($pixels pixels)" \
    || fail "no pale yellow caption at (512, 384): $pixels pixels"
else
  fail "no winner caption within 20 s"
fi

# --- Ending the show -------------------------------------------------------------------------
xdotool key a
wait_exit "$show" 10 && [ "$EXIT_CODE" = 0 ] && pass "a key ends the show, exit code 0" \
  || fail "a key did not end the show (exit code '$EXIT_CODE')"

start_scr /S
wait_window "Screen Saver" 20 || fail "no show window for the click"
sleep 0.5
xdotool click 1
wait_exit "$LAST_PID" 10 && [ "$EXIT_CODE" = 0 ] && pass "a click ends the show, exit code 0" \
  || fail "a click did not end the show (exit code '$EXIT_CODE')"

# The first movement only records where the pointer is; later ones end the show from 3 pixels
# (45 twips) on either axis, measured from the last recorded point.
xdotool mousemove 500 400
start_scr /S
show=$LAST_PID
wait_window "Screen Saver" 20 || fail "no show window for the mouse"
sleep 0.5
xdotool mousemove 501 400
sleep 0.3
xdotool mousemove 503 400
sleep 1
if kill -0 "$show" 2>/dev/null; then pass "a 2-pixel movement does not end the show"; else
  fail "a 2-pixel movement ended the show"; fi
xdotool mousemove 503 403
wait_exit "$show" 10 && [ "$EXIT_CODE" = 0 ] && pass "a 3-pixel movement ends the show, exit code 0" \
  || fail "a 3-pixel movement did not end the show (exit code '$EXIT_CODE')"

# --- A second show while one runs ends at once --------------------------------------------
start_scr /S
first=$LAST_PID
wait_window "Screen Saver" 20 || fail "no show window for the instance guard"
start_scr /S
second=$LAST_PID
wait_exit "$second" 10 && [ "$EXIT_CODE" = 0 ] && pass "a second show ends at once, exit code 0" \
  || fail "a second show kept running while the first ran"
kill -0 "$first" 2>/dev/null && pass "the first show keeps running" || fail "the first show ended"
xdotool key Escape
wait_exit "$first" 10 || fail "the first show did not end on a key"

finish
