# The display mode in windows of ours: two at once by hex and decimal id, a short one, the
# daemon's variable alone; the manners of a guest; and how it ends.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"

step "--window-id in hex and in decimal, two hosts at once: both race, nothing outside them"
host 1000 384 10 0
h1=$HOST_ID h1_fd=$HOST_FD
host 1000 384 10 384
h2=$HOST_ID h2_fd=$HOST_FD
shot before
start --window-id "$(printf '0x%x' "$h1")" --speed slow
p1=$PID p1_err=$ERR
start --window-id "$h2" --speed slow
p2=$PID
embedded_in "$h1" 1000x384
embedded_in "$h2" 1000x384
SHOT_CMD=shot_of
SHOT_WINDOW=$h1 until_ok 100 first-start "$FRAME_CHECK" start {}
SHOT_WINDOW=$h2 until_ok 100 second-start "$FRAME_CHECK" start {}
# The slow race over 1000 pixels lasts a few seconds: this second is all racing. Lanes 35
# pixels apart nearly touch, so balls close together go out as one rectangle around them;
# never anything near the whole window.
read -r rects largest < <("$X_HOST" damage 1)
echo "$rects rectangles drawn in 1 s, the largest $largest pixels"
[ "$rects" -ge 50 ] || fail "only $rects rectangles drawn in a second of racing"
[ "$largest" -le $((1000 * 384 / 10)) ] || fail "a tick sent $largest pixels at once"
SHOT_WINDOW=$h1 until_ok 100 first-hold "$FRAME_CHECK" hold {}
SHOT_WINDOW=$h2 until_ok 100 second-hold "$FRAME_CHECK" hold {}
SHOT_CMD=shot
shot both
"$DISPLAY_CHECK" same "$SHOTS/before.png" "$SHOTS/both.png" 10 0 1000 384 10 384 1000 384

step "a guest's manners: no grab, the cursor untouched, input ends nothing, the clipboard kept"
clip_set "the user's own text"
[ "$("$X_HOST" grabs)" = "keyboard free pointer free" ] || fail "it holds a grab"
xdotool mousemove 300 100 sleep 0.1 mousemove 600 500 click 1 key space
sleep 0.5
[ "$(cursor)" = visible ] || fail "the cursor is hidden over the race"
running "$p1" && running "$p2" || fail "input ended a display mode"
[ "$(clip_get)" = "the user's own text" ] || fail "the clipboard changed"

step "no instance guard: the full-screen show starts beside two display modes"
start /S
show=$PID
window "Screen Saver" >/dev/null
xdotool key space
wait_exit "$show" 2

step "destroying a host ends its program within a second; the other races on"
HOST_FD=$h1_fd host_do destroy
wait_exit "$p1" 1
[ "$RC" = 0 ] || fail "exit code $RC after the host went"
[ -s "$p1_err" ] && fail "it wrote to stderr: $(head -c 300 "$p1_err")"
running "$p2" || fail "the other display mode ended too"

step "a host hidden for a while and shown again: the race goes on"
HOST_FD=$h2_fd host_do unmap
sleep 1
HOST_FD=$h2_fd host_do map
sleep 0.3
running "$p2" || fail "hiding its host ended the display mode"

step "SIGTERM and SIGINT end it within a second"
kill -TERM "$p2"
wait_exit "$p2" 1
[ "$RC" = 0 ] || fail "exit code $RC after SIGTERM"
silent
host 400 400 50 50
# A desktop that asks Qt for another platform still hands the display mode an X window.
QT_QPA_PLATFORM=wayland start --window-id "$HOST_ID"
embedded_in "$HOST_ID" 400x400
kill -INT "$PID"
wait_exit "$PID" 1
[ "$RC" = 0 ] || fail "exit code $RC after SIGINT"
host_do destroy

step "a 320 x 240 window: balls shrunk to their lanes, on black"
host 320 240 600 100
start --window-id "$HOST_ID" --speed slow
embedded_in "$HOST_ID" 320x240
SHOT_CMD=shot_of SHOT_WINDOW=$HOST_ID until_ok 100 small "$DISPLAY_CHECK" scaled {}
kill "$PID"
wait_exit "$PID" 1
host_do destroy

step "no argument with the daemon's variable set: the race in that window"
host 320 240 600 100
XSCREENSAVER_WINDOW=$(printf '0x%x' "$HOST_ID") start
embedded_in "$HOST_ID" 320x240
SHOT_CMD=shot_of SHOT_WINDOW=$HOST_ID until_ok 100 variable "$DISPLAY_CHECK" scaled {}

step "a host resized: the next race fills the new size"
xdotool windowsize "$HOST_ID" 400 400
embedded_in "$HOST_ID" 400x400
SHOT_CMD=shot_of SHOT_WINDOW=$HOST_ID until_ok 100 resized "$FRAME_CHECK" start {}
kill "$PID"
wait_exit "$PID" 1
silent
step "on the root, by --root or by its id: the race under every other window, never over one"
host_do destroy
HOST_FD=$h2_fd host_do destroy
host 300 200 700 0
root_id=$(xwininfo -root | awk '/Window id:/ { print $4 }')
# The host's area, as a "min,max" of its pixels: all its own grey 0x404040 while it shows.
host_area() { convert "$SHOTS/$1.png" -crop 300x200+700+0 +repage -format '%[fx:minima*255],%[fx:maxima*255]' info:; }
for how in --root "--window-id $root_id"; do
  # shellcheck disable=SC2086
  start $how --speed slow
  until_ok 100 "root${how%% *}" "$FRAME_CHECK" start {}
  [ "$(host_area "root${how%% *}")" = 64,64 ] || fail "$how: the race covers a window"
  kill "$PID"
  wait_exit "$PID" 1
  silent
done
host_do destroy
echo "display_window: passed"
