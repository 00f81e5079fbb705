# A compositor without the layer shell (weston): the show runs there natively, as full-screen
# windows, and SIGTERM ends it with 0; the display mode is refused in one line that names the
# protocol and says how to run on X, with exit code 1. With an X server named in DISPLAY the
# display mode goes to it instead, as does the show with WAYLAND_DISPLAY unset, as they would
# on X, and SIGTERM ends them (the display mode with 0; the show as the X show ends, by the
# signal).
# xvfb.sh sets an exit trap of its own, which lib.sh's replaces: lib.sh calls it from there.
source "$(dirname "$0")/../xvfb.sh"
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/race.sh"
on_exit stop_xvfbs
command -v weston >/dev/null || fail "weston is missing: run scripts/install-deps"

start_weston() {
  (WL_EXEC=exec as_user weston --backend=headless-backend.so --socket=weston-1 --idle-time=0) \
    >"$WORK/weston.log" 2>&1 &
  keep_pid $!
  COMPOSITOR_LOG=$WORK/weston.log
  for _ in $(seq 200); do [ -S "$WL_RUN/weston-1" ] && return 0; sleep 0.05; done
  fail "weston did not start"
}

refused() {
  start_weston
  WAYLAND_DISPLAY=weston-1 start "$1"
  ended_with 1
  [ ! -s "$OUT" ] || fail "it wrote to stdout: $(cat "$OUT")"
  [ "$(wc -l <"$ERR")" = 1 ] || fail "not one line on stderr: $(cat "$ERR")"
  grep -q "zwlr_layer_shell_v1" "$ERR" || fail "the line does not name the layer shell: $(cat "$ERR")"
  grep -q "unset WAYLAND_DISPLAY" "$ERR" || fail "the line does not say how to run on X: $(cat "$ERR")"
  cat "$ERR"
}

on_x() {
  start_weston
  start_xvfb 640x480
  WL_ENV=(DISPLAY="$DISPLAY")
  # The show takes the compositor's full-screen windows where it may: X only when told so.
  local wayland=weston-1
  [ "$1" != /S ] || wayland=""
  WAYLAND_DISPLAY=$wayland start "$1"
  WL_ENV=()
  for _ in $(seq 100); do
    import -window root "$SHOTS/x-root.png" 2>/dev/null &&
      [ "$(non_black "$SHOTS/x-root.png" 640x480+0+0)" -ge 1000 ] && break
    sleep 0.1
  done
  [ "$(non_black "$SHOTS/x-root.png" 640x480+0+0)" -ge 1000 ] || fail "no race on X: $(head -c 300 "$ERR")"
  running "$PID" || fail "it ended on X"
  silent
  # As on X: a stop signal ends it (the Wayland path must not have taken it over).
  kill -TERM "$PID"
  ended_with "$2"
}

scenario_show_natively() {
  start_weston
  WAYLAND_DISPLAY=weston-1 start /S
  sleep 2
  running "$PID" || fail "the show ended on weston: $(head -c 300 "$ERR")"
  silent
  kill -TERM "$PID"
  ended_with 0
}
scenario_root_refused() { refused --root; }
scenario_show_on_x() { on_x /S 143; }
scenario_root_on_x() { on_x --root 0; }

run_scenario "$@"
