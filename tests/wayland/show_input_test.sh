# Input that ends the show on a headless sway with two outputs: a move of under 3 logical pixels
# across the outputs goes on, a larger one ends it; a key, a click on the other output and the
# wheel each end it, with exit code 0.
source "$(dirname "$0")/sway.sh"

# The show on HEADLESS-1, racing.
show_racing() {
  two_outputs 800x600 1
  start "${1:-/S}"
  race_on HEADLESS-1
}

scenario_move() {
  show_racing
  pointer_to 1279 300
  sleep 0.2
  pointer_by 2 0
  sleep 0.5
  running "$PID" || fail "a move of 2 pixels ended the show"
  pointer_by 5 0
  ended_with 0
}

scenario_key() {
  show_racing /s
  key a
  ended_with 0
}

scenario_click() {
  show_racing
  pointer_to 1500 300
  sleep 0.3
  click
  ended_with 0
}

scenario_wheel() {
  show_racing
  sleep 0.3
  wheel
  ended_with 0
}

run_scenario "$@"
