# "/C" on KWin: the settings dialog is a window of the compositor (Qt's Wayland plugin, no X
# here), drawn over the wallpaper and given the keys: OK stores the choice, exit code 0.
source "$(dirname "$0")/kwin.sh"
# As in the dialog's test on sway: Qt's Wayland plugin keeps what the leak checker would count.
WL_ENV=(ASAN_OPTIONS=detect_leaks=0)

scenario_window() {
  start_kwin
  wallpaper Virtual-0
  printf '[Settings]\nBALL_SPEED=0\n' >"$INI"
  give "$INI"
  start /C
  for _ in $(seq 50); do
    shot dialog Virtual-0
    [ "$(count_colour "$SHOTS/dialog.png" 255,255,255 60)" -gt 1000 ] && break
    sleep 0.2
  done
  [ "$(count_colour "$SHOTS/dialog.png" 255,255,255 60)" -gt 1000 ] || fail "no light dialog face"
  [ "$(pixel "$SHOTS/dialog.png" 5 5)" = "$EMPTY" ] || fail "the desktop around it changed"
  running "$PID" || fail "the dialog ended"
  sleep 0.3
  key Down Tab Tab space   # Normal after Fast, then Cancel, then OK
  wait_exit "$PID" 3
  [ "$RC" = 0 ] || fail "exit code $RC"
  grep -qx "BALL_SPEED=1" "$INI" || fail "stored: $(cat "$INI")"
}

run_scenario "$@"
