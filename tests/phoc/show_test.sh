# The show and the display mode on phoc: with two outputs the show's race on one and the other
# black over a wallpaper; a key, a button and the wheel each end the show, a move of 2 pixels keeps it and one of
# 3 ends it; "--root" races on both outputs and input leaves it running.
source "$(dirname "$0")/phoc.sh"

scenario_two_outputs() {
  start_phoc 2
  wallpaper HEADLESS-1
  slow_settings
  start /S
  # The race goes to the output phoc calls active; whichever it is, the other is black.
  local race o
  for _ in $(seq 25); do
    for o in HEADLESS-1 HEADLESS-2; do
      shot probe "$o"
      [ $(($(non_black "$SHOTS/probe.png" 1280x720+0+0) - $(count_colour "$SHOTS/probe.png" "$EMPTY" 8))) -gt 500 ] &&
        race=$o && break 2
    done
    sleep 0.2
  done
  [ -n "${race:-}" ] || fail "no race on either output"
  race_on "$race"
  if [ "$race" = HEADLESS-1 ]; then all_black HEADLESS-2; else all_black HEADLESS-1; fi ||
    fail "the output beside the race is not all black"
  silent
}

show_racing() {
  start_phoc
  slow_settings
  start /S
  race_on HEADLESS-1
  sleep 0.3
}
scenario_key() { show_racing; key a; ended_with 0; }
scenario_button() { show_racing; click; ended_with 0; }
scenario_wheel() { show_racing; wheel; ended_with 0; }
scenario_move() {
  show_racing
  pointer_by 2 0
  sleep 0.3
  pointer_by 0 2
  sleep 0.5
  running "$PID" || fail "moves of 2 pixels ended the show"
  pointer_by 3 0
  ended_with 0
}

scenario_root() {
  start_phoc 2
  start --root
  race_on HEADLESS-1
  race_on HEADLESS-2
  pointer_by 300 100
  click
  wheel
  key a Escape Return
  sleep 0.5
  running "$PID" || fail "input ended the display mode"
  moving HEADLESS-1
  kill -TERM "$PID"
  ended_with 0
  silent
}

run_scenario "$@"
