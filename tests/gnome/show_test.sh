# The show on mutter, which has no layer shell: full-screen windows, one on each monitor.
source "$(dirname "$0")/mutter.sh"

# Two monitors: the race on the one mutter places the first window on, black on the other; the
# keys go to the show, never to the window the user worked in, and a key ends it.
scenario_two_monitors() {
  start_mutter 1280x720 800x600
  slow_settings
  focused_terminal
  start /S
  race_on Meta-0
  all_black Meta-1 || fail "Meta-1 is not all black"
  step "a key ends it, and the terminal never gets it"
  gnome_input key 31
  ended_with 0
  sleep 0.3
  [ "$(typed)" = a ] || fail "the terminal got \"$(typed)\" (only \"a\", typed before the show)"
  silent
}

# SIGTERM ends the show with 0; mutter's end, with 1.
scenario_ends() {
  start_mutter
  start /S
  race_on Meta-0
  kill -TERM "$PID"
  ended_with 0
  start /S
  race_on Meta-0
  stop_mutter
  ended_with 1
}

run_scenario "$@"
