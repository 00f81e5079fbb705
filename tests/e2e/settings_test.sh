# "/C": the dialog as designed; OK stores the choice; Cancel, the close button, Escape and
# Enter store nothing.
source "$(dirname "$0")/lib.sh"

stored() { cat "$INI" 2>/dev/null || echo "<no file>"; }

# Opens the dialog with $1 stored (or none); sets DLG.
open_dialog() {
  if [ -n "$1" ]; then printf '[Settings]\nBALL_SPEED=%s\n' "$1" >"$INI"; else rm -f "$INI"; fi
  start /C
  DLG=$(window "Corvanta Settings")
  # No window manager here gives the focus: give it the way one would.
  xdotool windowfocus --sync "$DLG"
  sleep 0.2
}

step "the dialog: title, size, centred"
open_dialog ""
shot dialog
geometry=$(xwininfo -id "$DLG")
grep -q "Width: 481" <<<"$geometry" || fail "not 481 pixels wide: $geometry"
grep -q "Height: 234" <<<"$geometry" || fail "not 234 pixels high: $geometry"
x=$(awk '/Absolute upper-left X/ { print $4 }' <<<"$geometry")
y=$(awk '/Absolute upper-left Y/ { print $4 }' <<<"$geometry")
[ $((x - 271)) -ge -2 ] && [ $((x - 271)) -le 2 ] && [ $((y - 267)) -ge -2 ] &&
  [ $((y - 267)) -le 2 ] || fail "not centred: at $x, $y"
xprop -id "$DLG" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR ||
  fail "the dialog would show in the task bar"

step "OK without a change stores the preselected choice"
xdotool key Tab Tab space   # the list, then Cancel, then OK
wait_exit "$PID" 2
[ "$RC" = 0 ] || fail "exit code $RC"
[ "$(stored)" = "$(printf '[Settings]\nBALL_SPEED=1')" ] || fail "stored: $(stored)"
for speed in 0 2; do
  open_dialog $speed
  xdotool key Tab Tab space
  wait_exit "$PID" 2
  grep -qx "BALL_SPEED=$speed" "$INI" || fail "with $speed stored, OK stored: $(stored)"
done

step "choosing Slow and OK stores 2"
open_dialog 1
xdotool key Down
shot dialog-slow
xdotool key Tab Tab space
wait_exit "$PID" 2
[ "$RC" = 0 ] || fail "exit code $RC"
[ "$(stored)" = "$(printf '[Settings]\nBALL_SPEED=2')" ] || fail "stored: $(stored)"

step "Cancel stores nothing"
open_dialog 1
xdotool key Down Tab space
wait_exit "$PID" 2
[ "$RC" = 0 ] || fail "exit code $RC"
grep -qx "BALL_SPEED=1" "$INI" || fail "Cancel stored: $(stored)"

step "Escape and Enter do nothing; the close button stores nothing"
open_dialog 1
xdotool key Down Escape
sleep 0.4
running "$PID" || fail "Escape closed the dialog"
xdotool key Return
sleep 0.4
running "$PID" || fail "Enter closed the dialog"
grep -qx "BALL_SPEED=1" "$INI" || fail "Escape or Enter stored: $(stored)"
"$X_HOST" close "$DLG"
wait_exit "$PID" 2
[ "$RC" = 0 ] || fail "exit code $RC"
grep -qx "BALL_SPEED=1" "$INI" || fail "the close button stored: $(stored)"
silent
echo "settings: passed"
