# shellcheck shell=bash
# Helpers of the idle watch's scripts, on top of a compositor harness sourced first (sets
# WORK, PIDS, WL_USER, BIN, as_user and fail):
#   start_watch ARGS  starts "$BIN --watch-idle ARGS" as the user; sets WATCH (its process id)
#                     and WATCH_ERR (its stderr)
#   shows             the process ids of running shows ("$BIN /S"), empty when none runs
#   show_within S     waits up to S seconds for a show; fails without one
#   no_show_for S     fails if a show starts within S seconds
#   mark              notes the time; show_between MIN MAX fails unless the first show comes
#                     between MIN and MAX seconds after it
#   show_ends_within S  waits up to S seconds for the running show to end
#   hold_inhibitor    starts a client holding a Wayland idle inhibitor; drop_inhibitor ends it
: "${IDLE_INHIBITOR:?path of the idle inhibitor client}"
install -m 755 "$IDLE_INHIBITOR" "$WORK/bin/idle_inhibitor"

start_watch() {
  mark
  (WL_EXEC=exec as_user "$BIN" --watch-idle "$@") >"$WORK/watch.out" 2>"$WORK/watch.err" &
  WATCH=$!
  PIDS+=("$WATCH")
  WATCH_ERR=$WORK/watch.err
  sleep 0.3
  kill -0 "$WATCH" 2>/dev/null || fail "the watch ended at start: $(cat "$WATCH_ERR")"
}

shows() { pgrep -u "$WL_USER" -f -x "$BIN /S" || true; }

show_within() {
  local tries
  tries=$(awk "BEGIN { print int($1 * 20) }")
  for _ in $(seq "$tries"); do [ -n "$(shows)" ] && return 0; sleep 0.05; done
  fail "no show within $1 s; the watch said: $(head -c 300 "$WATCH_ERR")"
}

no_show_for() {
  local tries
  tries=$(awk "BEGIN { print int($1 * 20) }")
  for _ in $(seq "$tries"); do
    [ -z "$(shows)" ] || fail "a show started within $1 s"
    sleep 0.05
  done
}

mark() { MARK=$(date +%s.%N); }

show_between() {
  local now
  while :; do
    now=$(awk "BEGIN { print $(date +%s.%N) - $MARK }")
    if [ -n "$(shows)" ]; then
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
  PIDS+=("$INHIBITOR")
  for _ in $(seq 100); do grep -q ready "$WORK/inhibitor.out" 2>/dev/null && return 0; sleep 0.05; done
  fail "the idle inhibitor client did not come"
}

drop_inhibitor() {
  kill "$INHIBITOR"
  wait "$INHIBITOR" 2>/dev/null || true
}
