# "/C" on a Wayland desktop (a headless sway, ../wayland/sway.sh): the settings dialog is an
# xdg-shell window of the compositor, titled as on X and drawn as there; OK stores the choice,
# Cancel, Escape, Enter and closing the window store nothing; the compositor's end ends it with
# exit code 1. "/P" with Wayland and no X ends at once.
source "$(dirname "$0")/../wayland/sway.sh"
# Qt's Wayland plugin keeps its protocol objects to the end and loads graphics drivers it
# unloads before the leak check runs, so their frames cannot be named in a suppression. The
# dialog's own code is the X dialog's, whose leaks the X settings test checks.
WL_ENV=(ASAN_OPTIONS=detect_leaks=0)

stored() { cat "$INI" 2>/dev/null || echo "<no file>"; }

# Opens the dialog with $1 stored (or none) and waits until the compositor shows it, focused.
open_dialog() {
  if [ -n "$1" ]; then printf '[Settings]\nBALL_SPEED=%s\n' "$1" >"$INI"; give "$INI"; else rm -f "$INI"; fi
  [ -n "$SWAYSOCK" ] || start_sway
  start /C
  for _ in $(seq 100); do
    window "Corvanta Settings"
    [ "$(jq -r .focused <<<"$VIEW")" = true ] && break
    sleep 0.02
  done
  # The first frame may follow the focus by a little.
  sleep 0.3
}
# The dialog ends with exit code 0 and $1 stored.
stores() {
  # A bound on ending at all: under the sanitizers Qt's exit takes seconds on a busy machine.
  wait_exit "$PID" 10
  [ "$RC" = 0 ] || fail "exit code $RC"
  grep -qx "BALL_SPEED=$1" "$INI" || fail "stored: $(stored), not $1"
}

scenario_window() {
  open_dialog ""
  [ "$(jq -r '.shell' <<<"$VIEW")" = xdg_shell ] || fail "not an xdg-shell window: $VIEW"
  [ "$(jq -r '.name' <<<"$VIEW")" = "Corvanta Settings" ] || fail "title: $(jq -r .name <<<"$VIEW")"
  [ "$(jq -r '.pid' <<<"$VIEW")" = "$PID" ] || fail "the window is not the program's: $VIEW"
  [ "$(jq -r '"\(.window_rect.width)x\(.window_rect.height)"' <<<"$VIEW")" = 481x234 ] ||
    fail "not 481 x 234: $(jq -c .window_rect <<<"$VIEW")"
  shot dialog HEADLESS-1
  # The window's content is the dialog's, with the empty desktop showing through nowhere (the
  # desktop's grey may occur in a few pixels of text); the desktop around it is untouched.
  local area
  area=$(jq -r '"\(.window_rect.width)x\(.window_rect.height)+\(.rect.x + .window_rect.x)+\(.rect.y + .window_rect.y)"' <<<"$VIEW")
  [ "$(count_colour "$SHOTS/dialog.png" "$EMPTY" 0 "$area")" -lt 200 ] || fail "the dialog is not drawn ($area)"
  [ "$(count_colour "$SHOTS/dialog.png" 255,255,255 60 "$area")" -gt 1000 ] || fail "no light dialog face in $area"
  [ "$(pixel "$SHOTS/dialog.png" 5 5)" = "$EMPTY" ] || fail "the desktop around it changed"
  # Other scenarios of the same user may run an XWayland of their own compositor at the same time.
  ! pgrep -P "${SWAY_PIDS[-1]}" -x Xwayland >/dev/null || fail "XWayland runs"
}

scenario_ok() {
  step "OK without a change stores the preselected choice"
  open_dialog ""
  key Tab Tab space   # the list, then Cancel, then OK
  stores 1
  [ "$(stored)" = "$(printf '[Settings]\nBALL_SPEED=1')" ] || fail "stored: $(stored)"
  silent
  local speed
  for speed in 0 2; do
    open_dialog $speed
    key Tab Tab space
    stores $speed
  done
  step "choosing Slow and OK stores 2"
  open_dialog 1
  key Down
  shot dialog-slow HEADLESS-1
  key Tab Tab space
  stores 2
  [ "$(stored)" = "$(printf '[Settings]\nBALL_SPEED=2')" ] || fail "stored: $(stored)"
}

scenario_cancel() {
  open_dialog 1
  key Down Tab space
  stores 1
  step "Escape and Enter do nothing; closing the window stores nothing"
  open_dialog 1
  key Down Escape
  sleep 0.4
  running "$PID" || fail "Escape closed the dialog"
  key Return
  sleep 0.4
  running "$PID" || fail "Enter closed the dialog"
  grep -qx "BALL_SPEED=1" "$INI" || fail "Escape or Enter stored: $(stored)"
  swaymsg_ok "[pid=$PID] kill"
  stores 1
  silent
}

scenario_preview() {
  start_sway
  start /p 1234
  wait_exit "$PID" 1
  [ "$RC" = 0 ] || fail "exit code $RC"
  silent
  [ "$(as_user swaymsg -r -t get_tree | jq '[recurse(.nodes[]?, .floating_nodes[]?) | select(.pid?)] | length')" = 0 ] ||
    fail "a window is left"
}

scenario_compositor_gone() {
  open_dialog 1
  stop_sway
  wait_exit "$PID" 3
  [ "$RC" = 1 ] || fail "exit code $RC"
  grep -qx "BALL_SPEED=1" "$INI" || fail "stored: $(stored)"
  step "a WAYLAND_DISPLAY left behind by a compositor that went: exit code 1, silently, no core"
  WAYLAND_DISPLAY=wayland-1 start /C
  wait_exit "$PID" 3
  [ "$RC" = 1 ] || fail "exit code $RC"
  silent
}

run_scenario "$@"
