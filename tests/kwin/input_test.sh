# The input rule on KWin, from its fake input device: a key, a button and the wheel each end the
# show with exit code 0; a move of 2 logical pixels keeps it, one of 3 ends it.
source "$(dirname "$0")/kwin.sh"

show_racing() {
  start_kwin
  pointer_to 640 360
  slow_settings
  start /S
  race_on Virtual-0
  sleep 0.3
}

scenario_key() {
  show_racing
  key a
  ended_with 0
}

scenario_button() {
  show_racing
  click
  ended_with 0
}

scenario_wheel() {
  show_racing
  wheel
  ended_with 0
}

scenario_move() {
  show_racing
  pointer_by 2 0
  sleep 0.3
  pointer_by 0 -2
  sleep 0.5
  running "$PID" || fail "moves of 2 pixels ended the show"
  pointer_by 3 0
  ended_with 0
}

run_scenario "$@"
