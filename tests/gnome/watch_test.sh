# The idle watch on mutter, through GNOME's idle monitor on the session bus; the show runs
# there as full-screen windows (show_test.sh), or on XWayland when told to run on X.
source "$(dirname "$0")/mutter.sh"
source "$(dirname "$0")/../watch/watch_lib.sh"

# Two idle seconds bring the race; while the user stays away no second show starts; a key ends
# it, and two more idle seconds bring it again; mutter's end ends the watch with exit code 1.
scenario_idle() {
  start_mutter
  slow_settings
  start_watch 2
  step "two idle seconds, then the race"
  show_between 1.5 5
  race_on Meta-0
  step "no second show while the user stays away"
  no_show_for 3
  step "a key ends it; two idle seconds bring it again"
  gnome_input key 30
  mark  # the key went some 0.35 s before: remote input waits before it stops
  show_ends_within 2
  show_between 1.2 5
  race_on Meta-0
  step "mutter's end ends the watch with exit code 1"
  stop_mutter
  wait_exit "$WATCH" 3
  [ "$RC" = 1 ] || fail "the watch ended with $RC, not 1"
  # The show, a process of its own, may still be writing its own lines to the same file.
  grep -qx "corvanta: GNOME's idle monitor has gone" "$WATCH_ERR" ||
    fail "the watch did not say why it ended: $(cat "$WATCH_ERR")"
}

# Without a delay given, the show comes a minute before GNOME blanks, or halfway when that is
# under two minutes (idle-delay 4 s: after 2 s), and follows a change of it (10 s: after 5 s);
# a delay given is kept to (4 s).
scenario_delay() {
  gsetting org/gnome/desktop/session idle-delay 'uint32 4'
  start_mutter
  step "no delay given: half GNOME's idle delay of 4 s"
  start_watch
  show_between 1.5 3.8
  step "GNOME's idle delay set to 10 s: the show 5 s after input"
  gsetting org/gnome/desktop/session idle-delay 'uint32 10'
  sleep 1
  gnome_input key 30
  mark
  show_ends_within 2
  show_between 4.2 9
  step "SIGTERM ends the watch with exit code 0"
  kill -TERM "$WATCH"
  wait_exit "$WATCH" 3
  [ "$RC" = 0 ] || fail "the watch ended with $RC, not 0: $(cat "$WATCH_ERR")"
  step "a delay of 4 s"
  gnome_input key 30
  start_watch 4
  show_between 3.2 7
}

# While an application holds idle off through the session manager there is no show; when it
# lets go, a whole delay passes, however long the user has been away, then the show. Other
# kinds of inhibitor change nothing; a session manager that goes takes its inhibitors along.
scenario_inhibitor() {
  start_mutter
  start_session_manager
  inhibit
  start_watch 2
  step "no show while idle is inhibited"
  no_show_for 5
  step "the inhibitor goes after 5 idle seconds: two more, then the show"
  uninhibit "$COOKIE"
  mark
  show_between 1.5 5
  step "an inhibitor taken while the watch waits holds the show off; one of logging out does not"
  gnome_input key 30
  inhibit 8
  local idle_cookie=$COOKIE
  inhibit 1
  no_show_for 4
  uninhibit "$idle_cookie"
  mark
  show_between 1.5 5
  step "the session manager goes: its inhibitors with it"
  gnome_input key 30
  inhibit 8
  no_show_for 3
  kill "$SESSION_MANAGER"
  mark
  show_between 1.5 5
}

# The show told to run on X, as with WAYLAND_DISPLAY unset, on the XWayland a GNOME session
# has: idle brings the race over the window the user worked in; keys never reach that window
# while the race covers it; the race ends on input, and the next idle brings it again.
scenario_show_on_xwayland() {
  MUTTER_X11=1 start_mutter
  slow_settings
  focused_terminal
  WAYLAND_DISPLAY="" start_watch 2
  show_between 1 6
  race_on Meta-0
  step "keys during the show never reach the terminal; a move of the mouse ends it"
  # One key a remote keyboard, and none once the show has gone: any that reached the terminal
  # went there while the show covered it.
  local tries=0
  while [ -n "$(shows)" ] && [ $((tries += 1)) -le 3 ]; do gnome_input key 31; done
  [ "$(typed)" = a ] || fail "the terminal got \"$(typed)\" (only \"a\", typed before the show)"
  [ -z "$(shows)" ] || gnome_input move 10 10 move 10 10
  mark
  show_ends_within 2
  step "the next idle brings it again"
  show_between 1.2 6
  race_on Meta-0
}

run_scenario "$@"
