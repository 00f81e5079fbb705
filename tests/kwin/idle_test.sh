# swayidle on KWin's idle protocol starts the show after two idle seconds, as it would from
# Plasma's autostart; a key ends it.
source "$(dirname "$0")/kwin.sh"

scenario_swayidle() {
  start_kwin
  swayidle_starts_show Virtual-0
}

run_scenario "$@"
