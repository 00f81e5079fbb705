# shellcheck shell=bash
# Helpers of the idle watch's scripts, on top of a compositor harness on ../wayland/lib.sh,
# sourced first; tests/gnome's scripts use it too.
#   start_watch ARGS  starts "$BIN --watch-idle ARGS" as the user; sets WATCH (its process id)
#                     and WATCH_ERR (its stderr)
#   shows             the process ids of running shows ("$BIN /S"), empty when none runs
#   begun             how many shows run or ended in failure (the watch logs each failure:
#                     a show refused by the compositor counts as started)
#   no_show_for S     fails if a show starts within S seconds
#   mark              notes the time, and the shows begun once a running one has ended (or
#                     3 s passed); show_between MIN MAX fails unless the next show begins
#                     between MIN and MAX seconds after the time noted
#   show_ends_within S  waits up to S seconds for the running show to end
#   hold_inhibitor    starts a client holding a Wayland idle inhibitor ($IDLE_INHIBITOR);
#                     drop_inhibitor ends it
[ -z "${IDLE_INHIBITOR:-}" ] || install -m 755 "$IDLE_INHIBITOR" "$WORK/bin/idle_inhibitor"
# The watch's own program goes beside the program, where "corvanta --watch-idle" looks for it.
: "${WATCH_PROGRAM:?path of corvanta-idle-watch}"
install -m 755 "$WATCH_PROGRAM" "$WORK/bin/corvanta-idle-watch"

start_watch() {
  WATCH_ERR=$WORK/watch.err
  : >"$WATCH_ERR"
  mark
  (WL_EXEC=exec as_user "$BIN" --watch-idle "$@") >"$WORK/watch.out" 2>"$WATCH_ERR" &
  WATCH=$!
  keep_pid "$WATCH"
  sleep 0.3
  kill -0 "$WATCH" 2>/dev/null || fail "the watch ended at start: $(cat "$WATCH_ERR")"
  [ "$(readlink "/proc/$WATCH/exe")" = "$WORK/bin/corvanta-idle-watch" ] ||
    fail "the watch is not its own program but $(readlink "/proc/$WATCH/exe")"
}

shows() { pgrep -u "$WL_USER" -f -x "$BIN /S" || true; }
begun() {
  local failed running
  failed=$(grep -c "the show ended with exit code" "$WATCH_ERR" || true)
  running=$(shows | wc -l)
  echo $((failed + running))
}

no_show_for() {
  local tries before
  tries=$(awk "BEGIN { print int($1 * 20) }")
  before=$(settled_begun)
  for _ in $(seq "$tries"); do
    [ "$(begun)" = "$before" ] || fail "a show began within $1 s"
    sleep 0.05
  done
}

# A show that fails at once is counted running, then by the watch's line: not in between.
settled_begun() {
  for _ in $(seq 100); do [ -z "$(shows)" ] && break; sleep 0.03; done
  [ -n "$(shows)" ] || sleep 0.2
  begun
}

mark() {
  MARK=$(date +%s.%N)
  MARK_BEGUN=$(settled_begun)
}

show_between() {
  local now
  while :; do
    now=$(awk "BEGIN { print $(date +%s.%N) - $MARK }")
    if [ "$(begun)" -gt "$MARK_BEGUN" ]; then
      awk "BEGIN { exit !($now >= $1) }" || fail "the show came after ${now} s, before $1 s"
      return 0
    fi
    awk "BEGIN { exit !($now < $2) }" ||
      fail "no show within $2 s; the watch said: $(head -c 300 "$WATCH_ERR")"
    sleep 0.05
  done
}

show_ends_within() {
  local tries
  tries=$(awk "BEGIN { print int($1 * 50) }")
  for _ in $(seq "$tries"); do [ -z "$(shows)" ] && return 0; sleep 0.02; done
  fail "the show still runs $1 s later"
}

hold_inhibitor() {
  (WL_EXEC=exec as_user "$WORK/bin/idle_inhibitor" >"$WORK/inhibitor.out") &
  INHIBITOR=$!
  keep_pid "$INHIBITOR"
  for _ in $(seq 100); do grep -q ready "$WORK/inhibitor.out" 2>/dev/null && return 0; sleep 0.05; done
  fail "the idle inhibitor client did not come"
}

drop_inhibitor() {
  kill "$INHIBITOR"
  wait "$INHIBITOR" 2>/dev/null || true
}

# With the watch waiting 2 s: the race on output $1 after two idle seconds; a key ends it while
# the watch goes on, and the next two idle seconds bring it again. Uses the harness's key.
idle_brings_show_again() {
  step "no show before two idle seconds, then the race"
  show_between 1.5 5
  race_on "$1"
  step "a key ends the show; the watch goes on"
  key a
  mark
  show_ends_within 2
  running "$WATCH" || fail "the watch ended with the show: $(cat "$WATCH_ERR")"
  step "the next two idle seconds bring it again"
  show_between 1.5 5
  race_on "$1"
}

# While a client holds a Wayland idle inhibitor there is no show; when it lets go, a whole
# delay (2 s) passes, then the race on output $1. The compositor is started first.
inhibitor_holds_off_show() {
  hold_inhibitor
  start_watch 2
  step "no show while the inhibitor is held"
  no_show_for 5
  step "the inhibitor goes: a whole delay, then the show"
  drop_inhibitor
  mark
  show_between 1.5 5
  race_on "$1"
}
