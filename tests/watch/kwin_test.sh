# The idle watch on KWin 5.27, through ext-idle-notify-v1.
source "$(dirname "$0")/../kwin/kwin.sh"
source "$(dirname "$0")/watch_lib.sh"

# Two idle seconds bring the show, a key ends it, the next two idle seconds bring it again.
scenario_idle() {
  start_kwin
  slow_settings
  start_watch 2
  idle_brings_show_again Virtual-0
}

# While a client holds a Wayland idle inhibitor there is no show; when it lets go, a whole
# delay passes, then the show.
scenario_inhibitor() {
  start_kwin
  slow_settings
  inhibitor_holds_off_show Virtual-0
}

run_scenario "$@"
