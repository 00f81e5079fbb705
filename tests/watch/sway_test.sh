# The idle watch on sway 1.7, through org_kde_kwin_idle.
source "$(dirname "$0")/../wayland/sway.sh"
source "$(dirname "$0")/watch_lib.sh"

# Two idle seconds bring the show, a key ends it, the next two idle seconds bring it again; a
# second watch refuses in one line; the compositor's end ends the watch with exit code 1.
scenario_idle() {
  start_sway
  start_watch 2
  step "a second watch refuses in one line"
  local rc=0
  as_user "$BIN" --watch-idle 2 >"$WORK/second.out" 2>"$WORK/second.err" || rc=$?
  [ "$rc" = 1 ] || fail "the second watch ended with $rc, not 1"
  [ "$(wc -l <"$WORK/second.err")" = 1 ] || fail "the second watch said: $(cat "$WORK/second.err")"

  idle_brings_show_again HEADLESS-1
  key a
  show_ends_within 2

  step "the compositor's end ends the watch with exit code 1, in one line"
  stop_sway
  wait_exit "$WATCH" 3
  [ "$RC" = 1 ] || fail "the watch ended with $RC, not 1"
  [ "$(wc -l <"$WATCH_ERR")" = 1 ] || fail "the watch said: $(cat "$WATCH_ERR")"
}

# While a client holds a Wayland idle inhibitor there is no show; when it lets go, a whole
# delay passes, then the show. SIGTERM ends the watch with exit code 0, and its show.
scenario_inhibitor() {
  start_sway
  inhibitor_holds_off_show HEADLESS-1
  step "SIGTERM ends the watch with exit code 0, and its show"
  kill -TERM "$WATCH"
  wait_exit "$WATCH" 3
  [ "$RC" = 0 ] || fail "the watch ended with $RC, not 0: $(cat "$WATCH_ERR")"
  show_ends_within 2
  [ ! -s "$WATCH_ERR" ] || fail "the watch said: $(cat "$WATCH_ERR")"
}

run_scenario "$@"
