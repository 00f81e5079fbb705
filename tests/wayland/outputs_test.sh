# The show on outputs beyond the plain one: on an output of scale 2 the race is drawn in the
# output's own pixels (32-pixel balls, sharp) and a move of 3 logical pixels still ends it; when
# the race's output changes size and scale, or goes, the race starts over there or on one that
# is left, and the show goes on.
source "$(dirname "$0")/sway.sh"

# The show on one output of 1600 x 1200 pixels at scale 2, racing.
show_at_scale_2() {
  start_sway
  output_mode HEADLESS-1 1600x1200 2 0 0
  plug_pointer
  pointer_to 400 300
  slow_settings
  start /S
  race_on HEADLESS-1
}

scenario_scale2() {
  show_at_scale_2
  [ "$(picture_size "$SHOTS/race-HEADLESS-1.png")" = 1600x1200 ] ||
    fail "the shot is $(picture_size "$SHOTS/race-HEADLESS-1.png")"
  # Ball 1 alone in its lane: what is not black there is one ball, 32 pixels across, not 64.
  ball_is HEADLESS-1 33 28
}

scenario_scale2_move() {
  show_at_scale_2
  pointer_by 2 0
  sleep 0.3
  pointer_by 2 0
  sleep 0.5
  running "$PID" || fail "moves of 2 logical pixels ended the show"
  pointer_by 3 0
  ended_with 0
}

scenario_resize() {
  show_at_scale_2
  output_mode HEADLESS-1 1280x720 1
  sleep 0.5
  race_on HEADLESS-1
  [ "$(picture_size "$SHOTS/race-HEADLESS-1.png")" = 1280x720 ] ||
    fail "the shot is $(picture_size "$SHOTS/race-HEADLESS-1.png")"
  running "$PID" || fail "the show ended with the change"
  key Escape
  ended_with 0
}

scenario_unplug() {
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
}

run_scenario "$@"
