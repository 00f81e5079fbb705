# Outputs beyond the plain one: on an output of scale 2 the race is drawn in the output's own
# pixels (32-pixel balls, sharp) and a move of 3 logical pixels still ends it; when the race's
# output changes size and scale, or goes, the race starts over there or on one that is left,
# and the show goes on.
source "$(dirname "$0")/show_lib.sh"

start_sway
output_mode HEADLESS-1 1600x1200 2 0 0
plug_pointer
pointer_to 400 300
printf '[Settings]\nBALL_SPEED=2\n' >"$INI"

step "scale 2: the race in the output's 1600 x 1200 pixels, balls of 32 of them"
start /S
race_on HEADLESS-1
[ "$(picture_size "$SHOTS/race-HEADLESS-1.png")" = 1600x1200 ] ||
  fail "the shot is $(picture_size "$SHOTS/race-HEADLESS-1.png")"
# Ball 1 alone in its lane: what is not black there is one ball, 32 pixels across, not 64.
ball=$(convert "$SHOTS/race-HEADLESS-1.png" -crop 1600x109+0+109 +repage -fuzz 12% -trim \
  -format '%w %h' info:)
echo "ball 1 covers ${ball/ /x} pixels"
read -r bw bh <<<"$ball"
[ "$bw" -ge 28 ] && [ "$bw" -le 33 ] && [ "$bh" -ge 28 ] && [ "$bh" -le 33 ] ||
  fail "ball 1 covers ${bw}x$bh pixels, not 32 x 32"

step "scale 2: 2 logical pixels go on, 3 more end the show"
pointer_by 2 0
sleep 0.3
pointer_by 2 0
sleep 0.5
running "$PID" || fail "moves of 2 logical pixels ended the show"
pointer_by 3 0
ended_with 0

step "the race's output changes size and scale: the race starts over there, fitted"
start /S
race_on HEADLESS-1
output_mode HEADLESS-1 1280x720 1
sleep 0.5
race_on HEADLESS-1
[ "$(picture_size "$SHOTS/race-HEADLESS-1.png")" = 1280x720 ] ||
  fail "the shot is $(picture_size "$SHOTS/race-HEADLESS-1.png")"
running "$PID" || fail "the show ended with the change"
key Escape
ended_with 0

step "the race's output unplugged: the race starts over on the other, the show goes on"
stop_sway
WL_NESTED=1 WL_OUTPUTS=2
start_sway
swaymsg_ok focus output WL-1
start /S
race_on WL-1
all_black WL-2 || fail "WL-2 is not all black"
unplug_output WL-1
race_on WL-2
running "$PID" || fail "the show ended with its output"
key Escape
ended_with 0
echo "wayland.outputs: passed"
