# How the show ends other than by input: SIGTERM and SIGINT with exit code 0 (idle daemons'
# resume commands send them), the compositor going with exit code 1 and no core. (A compositor
# without the layer shell: fallback_test.sh.)
source "$(dirname "$0")/sway.sh"

ends_on_signal() {
  start_sway
  start /S
  race_on HEADLESS-1
  kill -"$1" "$PID"
  ended_with 0
  silent
}
scenario_sigterm() { ends_on_signal TERM; }
scenario_sigint() { ends_on_signal INT; }

scenario_compositor_gone() {
  start_sway
  start /S
  race_on HEADLESS-1
  stop_sway
  ended_with 1
}

run_scenario "$@"
