#!/usr/bin/env bash
# The show under Wine on two monitors: Xephyr nested in the test's Xvfb with two heads joined by
# Xinerama and no RandR, so Wine reports the primary at 0,0 800 x 600 and the other at 800,0
# 640 x 480. The race on the primary, the other black, a 2-pixel movement over it keeps the
# show and a 3-pixel one or a click ends it, and nothing is left on it afterwards.
# Usage: monitors_test.sh <scratch> <screenshots>
WORK="$1" SHOTS="$2/monitors"
source "$(dirname "$0")/common.sh"
start_x

rm -f "$WORK/xephyr.fd"
Xephyr -displayfd 3 -screen 800x600 -screen 640x480 +xinerama -extension RANDR -noreset -wr \
  -nolisten tcp 3>"$WORK/xephyr.fd" >"$WORK/xephyr.log" 2>&1 &
STARTED+=($!)
for _ in $(seq 100); do [ -s "$WORK/xephyr.fd" ] && break; sleep 0.05; done
[ -s "$WORK/xephyr.fd" ] || { cat "$WORK/xephyr.log" >&2; echo "Xephyr did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$WORK/xephyr.fd")"
wine reg add 'HKCU\Software\Corvanta Screen Saver\Settings' /v BALL_SPEED /t REG_SZ /d 2 /f \
  >>"$WORK/wine.log" 2>&1

# Every pixel of the W x H area at (X, Y) of screenshot $1 has the colour $6 (0 black, 1 white).
area_is() {
  local fx=maxima
  [ "$6" = 1 ] && fx=minima
  [ "$(convert "$SHOTS/$1.png" -crop "${4}x${5}+${2}+${3}" +repage -format "%[fx:$fx]" info:)" = "$6" ]
}
visible_covers() {
  local id n=0
  for id in $(xdotool search --name '^Screen Saver cover$' 2>/dev/null); do
    xwininfo -id "$id" | grep -q "Map State: IsViewable" && n=$((n + 1))
  done
  echo "$n"
}

# --- The race on the primary, the other monitor black ---------------------------------------
# The pointer rests over the other monitor, so that the show's first movement is seen there.
xdotool mousemove 1000 200
shot before
area_is before 800 0 640 480 1 || fail "the other monitor is not white before the show"
start_scr /S
show=$LAST_PID
wait_window "Screen Saver" 20 || fail "no show window appeared"
wait_window "Screen Saver cover" 20 || fail "no cover appeared"
sleep 1
shot during
convert "$SHOTS/during.png" -crop 800x600+0+0 +repage "ppm:$WORK/primary.ppm"
"$SHOT_PROBE" balls "$WORK/primary.ppm" >"$WORK/primary.txt"
lanes=0
for n in 1 2 3 4 5 6 7 8 9; do
  read -r _ _ _ _ _ _ _ _ _ dominant _ count _ < <(grep "^ball $n " "$WORK/primary.txt")
  [ "$dominant" = "$n" ] && [ "$count" -ge 120 ] && lanes=$((lanes + 1))
done
[ "$lanes" = 9 ] && pass "the race runs on the primary, ball n in lane n" \
  || fail "only $lanes of 9 lanes show their ball on the primary: $(cat "$WORK/primary.txt")"
area_is during 800 0 640 480 0 && pass "the other monitor is black" \
  || fail "the other monitor is not all black during the show"
[ "$(visible_covers)" = 1 ] || fail "$(visible_covers) covers for one other monitor"
if [ -n "${X_HOST:-}" ]; then
  [ "$("$X_HOST" cursor)" = hidden ] && pass "no cursor over the other monitor" \
    || fail "the cursor shows over the other monitor during the show"
fi

# --- Input over the other monitor -----------------------------------------------------------
xdotool mousemove 1002 200
sleep 0.4
xdotool mousemove 1002 202
sleep 0.4
xdotool mousemove 1000 202
sleep 1
kill -0 "$show" 2>/dev/null && pass "2-pixel movements over the other monitor keep the show" \
  || fail "a 2-pixel movement over the other monitor ended the show"
xdotool mousemove 1000 205
wait_exit "$show" 10 && [ "$EXIT_CODE" = 0 ] && pass "a 3-pixel movement over it ends the show" \
  || fail "a 3-pixel movement over the other monitor did not end the show (exit '$EXIT_CODE')"

# --- Nothing left -----------------------------------------------------------------------------
sleep 0.5
shot after
area_is after 0 0 800 600 1 && area_is after 800 0 640 480 1 \
  && pass "both monitors show the white root again" || fail "something is left on a monitor"
[ "$(visible_covers)" = 0 ] || fail "a cover outlived the show"
if [ -n "${X_HOST:-}" ]; then
  [ "$("$X_HOST" cursor)" = visible ] || fail "the cursor is still hidden after the show"
fi

# --- A click over the other monitor -----------------------------------------------------------
start_scr /S
show=$LAST_PID
wait_window "Screen Saver cover" 20 || fail "no cover appeared for the click"
sleep 0.5
xdotool click 1
wait_exit "$show" 10 && [ "$EXIT_CODE" = 0 ] && pass "a click over the other monitor ends the show" \
  || fail "a click over the other monitor did not end the show (exit '$EXIT_CODE')"
[ "$(visible_covers)" = 0 ] || fail "a cover outlived the show ended by a click"

finish
