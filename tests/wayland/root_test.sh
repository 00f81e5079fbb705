# The display mode on Wayland, "--root": a race on the background layer of every output, each
# at its output's size and scale (balls shrunk to their lanes on an output under 352 pixels,
# 32 of the output's own pixels on one of scale 2), under the windows. Pointer moves and keys
# leave it running; an output plugged in gets a race, one whose mode changes a new one, one
# unplugged loses its own while the program goes on; outputs not drawn wake it no more;
# --speed overrides the stored speed; SIGTERM and SIGINT end it with 0, the compositor going
# with 1; a docked bar leaves it the whole output; a host window named keeps it on X; a
# compositor without the layer shell is refused, or left to the X server $DISPLAY names.
source "$(dirname "$0")/show_lib.sh"

# The size of the one ball in lane 1 of an output's shot, "WxH", in the output's pixels.
ball_size() {
  local h=$2 w=$3 top bottom
  top=$((h / 11)) bottom=$((2 * h / 11))
  convert "$1" -crop "${w}x$((bottom - top))+0+$top" +repage -fuzz 12% -trim -format '%wx%h' info:
}
# The ball of lane 1 is SIZE pixels across (give or take its shading): ball_is NAME SIZE
ball_is() {
  local size w h
  w=$(output_info "$1" .current_mode.width)
  h=$(output_info "$1" .current_mode.height)
  size=$(ball_size "$SHOTS/race-$1.png" "$h" "$w")
  echo "$1: ball 1 covers $size pixels"
  [ "${size%x*}" -ge $(($2 - 4)) ] && [ "${size%x*}" -le "$2" ] &&
    [ "${size#*x}" -ge $(($2 - 4)) ] && [ "${size#*x}" -le "$2" ] ||
    fail "ball 1 on $1 covers $size pixels, not $2 x $2"
}
# The race on output NAME moves on: a shot differs from one taken before, within 8 s (the
# winner's caption holds the picture still for a while).
moving() {
  shot "move-a-$1" "$1"
  for _ in $(seq 16); do
    sleep 0.5
    shot "move-b-$1" "$1"
    [ "$(compare -metric AE "$SHOTS/move-a-$1.png" "$SHOTS/move-b-$1.png" null: 2>&1 || true)" = 0 ] ||
      return 0
  done
  fail "the race on $1 stands still"
}

# HEADLESS-2 logical 350 x 150 at scale 2: 300 of its pixels high, under a lane's 32.
two_outputs 700x300 2

step "a race on each output at its size: 32-pixel balls on 1280 x 720, 27-pixel ones on 700 x 300"
start --root
race_on HEADLESS-1
race_on HEADLESS-2
[ "$(picture_size "$SHOTS/race-HEADLESS-2.png")" = 700x300 ] ||
  fail "the shot of HEADLESS-2 is $(picture_size "$SHOTS/race-HEADLESS-2.png")"
ball_is HEADLESS-1 32
ball_is HEADLESS-2 27
moving HEADLESS-1
moving HEADLESS-2
silent

step "pointer moves, a click and keys over the backdrop leave it running"
pointer_by 300 100
pointer_to 1400 100
click
key a Escape Return
sleep 0.5
running "$PID" || fail "input ended the display mode"
moving HEADLESS-1

step "a window opens over the backdrop"
swaymsg_ok focus output HEADLESS-1
# weston's flower: a shape of its own colour filling the middle of its window, where the
# backdrop has nothing but black and at most a corner of the caption.
pointer_to 100 100
(WL_EXEC=exec as_user weston-flower) >"$WORK/flower.log" 2>&1 &
PIDS+=($!)
window Flower
for _ in $(seq 50); do
  shot window HEADLESS-1
  [ "$(non_black "$SHOTS/window.png" 60x60+610+330)" -ge 3000 ] && break
  sleep 0.1
done
[ "$(non_black "$SHOTS/window.png" 60x60+610+330)" -ge 3000 ] || fail "the window is not over the backdrop"
key Escape
swaymsg_ok "[app_id=org.freedesktop.weston.flower] kill"
sleep 0.3
running "$PID" || fail "the window's keys ended the display mode"

step "an output plugged in gets a race of its own size: 32-pixel balls at scale 2"
add_output 1600x1200 2 2400 0
race_on "$OUTPUT"
[ "$(picture_size "$SHOTS/race-$OUTPUT.png")" = 1600x1200 ] ||
  fail "the shot of $OUTPUT is $(picture_size "$SHOTS/race-$OUTPUT.png")"
ball_is "$OUTPUT" 32

step "an output's mode changed: its race is made anew at the new size, 32-pixel balls again"
output_mode HEADLESS-2 1000x720 1
race_on HEADLESS-2
[ "$(picture_size "$SHOTS/race-HEADLESS-2.png")" = 1000x720 ] ||
  fail "the shot of HEADLESS-2 is $(picture_size "$SHOTS/race-HEADLESS-2.png")"
ball_is HEADLESS-2 32

step "SIGTERM ends it with exit code 0"
kill -TERM "$PID"
ended_with 0
silent

step "--speed fast beats the stored slow speed: the first winner comes in under half the time"
# Seconds from the start to the first winner's caption on HEADLESS-1, in hundredths.
first_winner() {
  local t0 now
  t0=$(date +%s%N)
  start --root "$@"
  for _ in $(seq 200); do
    shot caption HEADLESS-1
    [ "$(count_colour "$SHOTS/caption.png" 255,255,128 40 130x25+640+360)" -ge 100 ] && break
    sleep 0.05
  done
  now=$(date +%s%N)
  kill -TERM "$PID"
  ended_with 0
  echo $(((now - t0) / 10000000))
}
fast=$(first_winner --speed fast)
slow=$(first_winner)
echo "first winner: fast ${fast}0 ms, slow ${slow}0 ms"
[ "$slow" -gt $((2 * fast)) ] || fail "--speed fast took ${fast}0 ms, the stored slow ${slow}0 ms"

step "a host window named keeps the display mode on X: here, with no X server, it says so"
WL_ENV=(XSCREENSAVER_WINDOW=0x400001)
start --root
ended_with 1
grep -q "cannot reach the X server" "$ERR" || fail "not on X: $(head -c 300 "$ERR")"
WL_ENV=()
start --root --window-id 0x400001
ended_with 1
grep -q "cannot reach the X server" "$ERR" || fail "not on X: $(head -c 300 "$ERR")"

step "under a docked bar the backdrop still takes the whole output; the compositor going ends it with 1"
stop_sway
printf 'bar {\n  position top\n  status_command echo bar\n}\n' >>"$WORK/sway.config"
start_sway
for _ in $(seq 100); do
  [ "$(as_user swaymsg -r -t get_bar_config bar-0 | jq -r .mode)" = dock ] && break
  sleep 0.05
done
# The protocol log names the size the compositor gives our surface.
WL_ENV=(WAYLAND_DEBUG=1)
start --root
WL_ENV=()
for _ in $(seq 100); do grep -q "layer_surface_v1@[0-9]*\.configure" "$ERR" && break; sleep 0.05; done
sizes=$(grep -o "layer_surface_v1@[0-9]*\.configure([0-9]*, [0-9]*, [0-9]*)" "$ERR" | sed 's/.*(.*, \(.*\), \(.*\))/\1x\2/' | sort -u)
[ "$sizes" = 1280x720 ] || fail "the backdrop was given ${sizes:-no size}, not the output's 1280x720"
sleep 1
stop_sway
ended_with 1
sed -i '/^bar {/,/^}/d' "$WORK/sway.config"

step "outputs the compositor draws no more (hidden in the outer sway) wake the program no more"
WL_NESTED=1 WL_OUTPUTS=2
start_sway
start --root --speed fast
race_on WL-1
race_on WL-2
wakes() { awk '/ctxt_switches/ { n += $2 } END { print n }' "/proc/$PID/status"; }
outer() { WL_RUN=$WORK/outer-run SWAYSOCK=$OUTER_SWAYSOCK as_user swaymsg "$@" >/dev/null || fail "outer swaymsg $*"; }
for o in WL-1 WL-2; do outer "[title=\"wlroots - $o\"] move scratchpad"; done
# The inner sway may still send a late frame callback or two, each worth a short burst of
# ticks; between them the program sleeps: some half second of the next three has no wake at all.
slots=""
for _ in $(seq 6); do
  before=$(wakes)
  sleep 0.5
  slots+="$(($(wakes) - before)) "
done
echo "wakes a half second, the outputs hidden: $slots"
[[ " $slots" == *" 0 "* ]] || fail "the program never slept with its outputs hidden: $slots"
for o in WL-1 WL-2; do outer "[title=\"wlroots - $o\"] scratchpad show, floating enable"; done
moving WL-1

step "an output unplugged loses its race, the program goes on; SIGINT ends it with 0"
unplug_output WL-2
sleep 0.5
running "$PID" || fail "the display mode ended with an output"
moving WL-1
kill -INT "$PID"
ended_with 0
silent

step "weston, which has no layer shell, is refused in one line naming it"
start_weston
WAYLAND_DISPLAY=weston-1 start --root
ended_with 1
[ "$(wc -l <"$ERR")" = 1 ] && grep -q "zwlr_layer_shell_v1" "$ERR" ||
  fail "not one line naming the layer shell: $(cat "$ERR")"

step "the same with an X server named in DISPLAY: the race goes to its root window, as the show goes to X"
source "$(dirname "$0")/../xvfb.sh"
trap 'cleanup; stop_xvfbs' EXIT
start_xvfb 640x480
WL_ENV=(DISPLAY="$DISPLAY")
WAYLAND_DISPLAY=weston-1 start --root
for _ in $(seq 100); do
  import -window root "$SHOTS/x-root.png" 2>/dev/null &&
    [ "$(non_black "$SHOTS/x-root.png" 640x480+0+0)" -ge 1000 ] && break
  sleep 0.1
done
[ "$(non_black "$SHOTS/x-root.png" 640x480+0+0)" -ge 1000 ] || fail "no race on X: $(head -c 300 "$ERR")"
kill -TERM "$PID"
ended_with 0
WL_ENV=()
echo "wayland.root: passed"
