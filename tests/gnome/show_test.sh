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

# A monitor turned off takes its black window along and the race goes on; turned on again, it
# gets a black window of its own. mutter draws nothing where no window is, so the windows are
# read off the show's protocol log: full-screen windows of the monitor's size, and their end.
scenario_monitors_come_and_go() {
  start_mutter 1280x720 800x600
  slow_settings
  WL_ENV=(WAYLAND_DEBUG=1)
  start /S
  WL_ENV=()
  race_on Meta-0
  covers() { grep -oE "xdg_toplevel@[0-9]+\.configure\(800, 600" "$ERR" | cut -d. -f1 | sort -u; }
  [ "$(covers | wc -l)" = 1 ] || fail "no full-screen window on Meta-1: $(covers)"
  local first gone
  first=$(covers)
  step "Meta-1 off: its window goes, the race goes on"
  as_user /usr/bin/python3 "$WORK/bin/monitors.py" Meta-0 || fail "cannot turn Meta-1 off"
  for _ in $(seq 100); do grep -q -- "-> $first\.destroy()" "$ERR" && break; sleep 0.05; done
  gone=$(grep -n -- "-> $first\.destroy()" "$ERR" | head -n 1 | cut -d: -f1)
  [ -n "$gone" ] || fail "the window of Meta-1 stayed"
  running "$PID" || fail "the show ended with Meta-1"
  race_on Meta-0
  step "Meta-1 on again: a window of its own"
  as_user /usr/bin/python3 "$WORK/bin/monitors.py" Meta-0 Meta-1 || fail "cannot turn Meta-1 on"
  # Object ids are used again once freed: a window made after the first one went.
  made() { tail -n "+$gone" "$ERR" | grep -E "xdg_toplevel@[0-9]+\.configure\(800, 600" >/dev/null; }
  for _ in $(seq 100); do made && break; sleep 0.05; done
  made || fail "no new window on Meta-1"
  all_black Meta-1 || fail "Meta-1 is not all black"
  race_on Meta-0
  kill -TERM "$PID"
  ended_with 0
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
