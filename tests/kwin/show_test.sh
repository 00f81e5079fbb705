# The show on KWin: with two outputs the race on the one of the pointer and the other black,
# over a wallpaper; SIGTERM ends it with exit code 0, KWin going with 1.
source "$(dirname "$0")/kwin.sh"

# The show racing on Virtual-0, the pointer there.
show_racing() {
  start_kwin "${1:-1}"
  pointer_to 640 360
  slow_settings
  start /S
  race_on Virtual-0
}

scenario_two_outputs() {
  start_kwin 2
  wallpaper Virtual-0
  pointer_to 640 360
  slow_settings
  start /S
  race_on Virtual-0
  all_black Virtual-1 || fail "Virtual-1 is not all black"
  silent
}

scenario_sigterm() {
  show_racing
  kill -TERM "$PID"
  ended_with 0
  silent
}

scenario_compositor_gone() {
  show_racing
  stop_kwin
  ended_with 1
}

run_scenario "$@"
