# The display mode on KWin, "--root": a race on each of two outputs, which pointer moves, a
# button, the wheel and keys leave running; SIGTERM ends it with exit code 0.
source "$(dirname "$0")/kwin.sh"

scenario_two_outputs() {
  start_kwin 2
  slow_settings
  start --root
  race_on Virtual-0
  race_on Virtual-1
  ball_is Virtual-0 32
  ball_is Virtual-1 32
  moving Virtual-1
  silent
}

scenario_no_input() {
  start_kwin 2
  start --root
  race_on Virtual-0
  pointer_to 640 360
  pointer_by 300 100
  pointer_to 1400 100
  click
  wheel
  key a Escape Return
  sleep 0.5
  running "$PID" || fail "input ended the display mode"
  moving Virtual-0
  kill -TERM "$PID"
  ended_with 0
  silent
}

run_scenario "$@"
