# The idle daemon starts the show: "swayidle -w timeout 2 'corvanta /S'" runs it after two idle
# seconds, and a key ends it.
source "$(dirname "$0")/sway.sh"

scenario_swayidle() {
  start_sway
  swayidle_starts_show HEADLESS-1
}

run_scenario "$@"
