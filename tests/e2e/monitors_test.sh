# Two monitors on one 1824 x 768 screen with a white root: MAIN (primary) on the right, SIDE
# 800 x 600 on the left. The race on MAIN, SIDE black, input over SIDE counts as over the
# show, a monitor mirroring MAIN leaves the race on top, one plugged in during the show is
# covered at once, and everything white again afterwards.
XVFB_SCREEN=1824x768 XVFB_WHITE=1
source "$(dirname "$0")/lib.sh"

xrandr --setmonitor '*MAIN' 1024/270x768/203+800+0 screen >/dev/null
xrandr --setmonitor SIDE 800/211x600/158+0+0 none >/dev/null
[ "$(xrandr --listmonitors | head -n 1)" = "Monitors: 2" ] || fail "$(xrandr --listmonitors)"
# Slow, so the balls are still near the start line in the first screenshot.
printf '[Settings]\nBALL_SPEED=2\n' >"$INI"

# The W x H area at (X, Y) of screenshot $1 is all black, or all white.
colour() { convert "$SHOTS/$1.png" -crop "${4}x${5}+${2}+${3}" +repage -format "%[fx:$6]" info:; }
black() { [ "$(colour "$@" maxima)" = 0 ] || fail "$1: ${4}x${5}+${2}+${3} is not all black"; }
white() { [ "$(colour "$@" minima)" = 1 ] || fail "$1: ${4}x${5}+${2}+${3} is not all white"; }
# The race as it shows on MAIN, cut out of screenshot $1.
main_part() { convert "$SHOTS/$1.png" -crop 1024x768+800+0 +repage "$SHOTS/$1-main.png"; }
covers() { xdotool search --onlyvisible --name '^Screen Saver cover$' 2>/dev/null | wc -l; }
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
    /Width:/ { w = $2 } /Height:/ { h = $2 } END { printf "%sx%s+%s+%s\n", w, h, x, y }'
}
top_window() { xwininfo -root -children | awk '/children:/ { getline; print $1; exit }'; }

step "the race on MAIN, SIDE black, the rest of the root untouched, the cursor hidden"
xdotool mousemove 400 300
start /S
win=$(window "Screen Saver")
cover=$(window "Screen Saver cover")
shot start
main_part start
"$FRAME_CHECK" start "$SHOTS/start-main.png"
black start 0 0 800 600
white start 0 600 800 168
[ "$(geometry "$win")" = 1024x768+800+0 ] || fail "the show stands at $(geometry "$win")"
[ "$(geometry "$cover")" = 800x600+0+0 ] || fail "the cover stands at $(geometry "$cover")"
[ "$(covers)" = 1 ] || fail "$(covers) covers for one other monitor"
grep -q "Override Redirect State: yes" <(xwininfo -id "$cover") || fail "a window manager could frame the cover"
[ "$(cursor)" = hidden ] || fail "the cursor shows over SIDE during the show"
[ "$("$X_HOST" grabs)" = "keyboard taken pointer taken" ] || fail "keyboard or pointer not taken"
read -r rects largest < <("$X_HOST" damage 1)
# A cover painted again with the race would send all of its 800 x 600 pixels at once.
[ "$largest" -le $((1024 * 768 / 20)) ] || fail "$largest pixels drawn at once during the race"

step "over SIDE a movement of 2 pixels keeps the show, 3 pixels end it"
xdotool mousemove 402 300   # the first movement only records where the pointer is
sleep 0.2
xdotool mousemove 402 302
sleep 0.2
xdotool mousemove 400 302
sleep 0.3
running "$PID" || fail "a movement of 2 pixels over SIDE ended the show"
xdotool mousemove 400 305
wait_exit "$PID" 1
[ "$RC" = 0 ] || fail "exit code $RC"
[ "$(cursor)" = visible ] || fail "the cursor is still hidden after the show"
shot after
white after 0 0 1824 768
[ "$(covers)" = 0 ] || fail "a cover outlived the show"
silent

step "a key with the pointer over SIDE ends the show"
start /S
window "Screen Saver cover" >/dev/null
xdotool key a
wait_exit "$PID" 1
[ "$RC" = 0 ] || fail "exit code $RC"
[ "$(cursor)" = visible ] || fail "the cursor is still hidden after a key"
shot after-key
white after-key 0 0 1824 768
silent

step "monitors mirroring MAIN, whole or in part, leave the race on top"
xrandr --setmonitor MIRROR 1024/270x768/203+800+0 none >/dev/null
xrandr --setmonitor OVERLAP 1024/270x768/203+400+0 none >/dev/null
start /S
win=$(window "Screen Saver")
window "Screen Saver cover" >/dev/null
sleep 0.3
[ "$(covers)" = 2 ] || fail "$(covers) covers for SIDE and the part of OVERLAP off MAIN"
shot mirror
main_part mirror
"$FRAME_CHECK" start "$SHOTS/mirror-main.png"
black mirror 0 0 800 600
black mirror 400 600 400 168
white mirror 0 600 400 168
[ $(($(top_window))) = $((win)) ] || fail "a window stands above the show"
xdotool key a
wait_exit "$PID" 1
xrandr --delmonitor MIRROR >/dev/null
xrandr --delmonitor OVERLAP >/dev/null

step "a monitor plugged in during the show is covered within a second, and uncovered when it goes"
start /S
win=$(window "Screen Saver")
window "Screen Saver cover" >/dev/null
xrandr --setmonitor EXTRA 400/106x168/44+0+600 none >/dev/null
sleep 1
shot plugged
black plugged 0 600 400 168
white plugged 400 600 400 168
[ "$(covers)" = 2 ] || fail "$(covers) covers for two other monitors"
[ $(($(top_window))) = $((win)) ] || fail "a window stands above the show"
xrandr --delmonitor EXTRA >/dev/null
sleep 1
shot unplugged
white unplugged 0 600 800 168
black unplugged 0 0 800 600
running "$PID" || fail "the show ended when a monitor went"
xdotool key a
wait_exit "$PID" 1
[ "$RC" = 0 ] || fail "exit code $RC"
silent
echo "monitors: passed"
