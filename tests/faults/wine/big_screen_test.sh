#!/usr/bin/env bash
# Under Wine on a 3840 x 2160 screen: near the bottom-right corner, where twips no longer fit
# 16 bits, and across x = 2184.5 pixels where they stop fitting, a movement of 2 pixels keeps
# the show and 3 pixels end it; the cursor is back after each ending.
# Usage: big_screen_test.sh <scratch> <screenshots>
WORK="$1" SHOTS="$2"
source "$(dirname "$0")/lib.sh"
start_x 3840x2160
# Wine's first program on a new X server also brings up its desktop services; let that pass
# before the pointer starts to count.
start_scr /A
wait_exit "$LAST_PID" 30 || fail "/A did not end"

# Starts a show with the pointer at (x, y), then moves it to each further point.
show_with_moves() {
  xdotool mousemove "$1" "$2"
  start_scr /S
  SHOW=$LAST_PID
  wait_window "Screen Saver" 20 || fail "no show window"
  sleep 0.5
  shift 2
  while [ $# -ge 2 ]; do
    xdotool mousemove "$1" "$2"
    sleep 0.3
    shift 2
  done
}
still() { kill -0 "$SHOW" 2>/dev/null && pass "$1 keeps the show" || fail "$1 ended the show"; }
ends() {
  wait_exit "$SHOW" 10 && [ "$EXIT_CODE" = 0 ] && pass "$1 ends the show, exit code 0" ||
    fail "$1 did not end the show (exit code '$EXIT_CODE')"
  [ "$(cursor)" = visible ] || fail "the cursor is hidden after: $1"
}

# Only 2-pixel steps lead up to each check: a window appearing under the pointer gets a
# movement at the pointer's place, which then counts as the recorded point.
show_with_moves 3835 2155 3837 2157
probe "Screen Saver" && grep -q '|0,0,3840,2160|' "$WORK/probe.txt" &&
  pass "the show covers 3840 x 2160" || fail "the show does not cover the screen: $(head -n1 "$WORK/probe.txt")"
for to in "3839 2157" "3839 2159" "3837 2159" "3835 2157"; do
  # shellcheck disable=SC2086
  xdotool mousemove $to
  sleep 0.3
done
still "2-pixel steps at the corner"
[ "$(cursor)" = hidden ] || fail "the cursor shows during the show"
xdotool mousemove 3835 2154
ends "3 pixels up at the corner"

show_with_moves 2181 2159 2183 2159 2185 2159
still "2 pixels across x = 2184.5"
xdotool mousemove 2188 2159
ends "3 pixels beyond x = 2184.5"

show_with_moves 3839 2159
xdotool click 1
ends "a click at the corner"

finish
