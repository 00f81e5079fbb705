# Input ends the show: 2 pixels of movement keep it, 3 end it; any key; any click.
source "$(dirname "$0")/lib.sh"

step "a movement of 2 pixels keeps the show, 3 pixels end it"
xdotool mousemove 100 100
start /S
window "Screen Saver" >/dev/null
sleep 0.2
xdotool mousemove 102 100   # the first movement only records where the pointer is
sleep 0.2
running "$PID" || fail "a first movement ended the show"
xdotool mousemove 102 102
sleep 0.2
running "$PID" || fail "a movement of 2 pixels ended the show"
xdotool mousemove 104 100
sleep 0.2
running "$PID" || fail "a movement of 2 pixels ended the show"
[ "$(cursor)" = hidden ] || fail "the cursor shows during the show"
xdotool mousemove 107 100
wait_exit "$PID" 1
[ "$RC" = 0 ] || fail "exit code $RC"
[ "$(cursor)" = visible ] || fail "the cursor is still hidden after a movement"
silent

# Starts a show, does "$@" to it, and expects it to end at once, the cursor back.
ends_on() {
  start /S
  window "Screen Saver" >/dev/null
  "$@"
  wait_exit "$PID" 1
  [ "$RC" = 0 ] || fail "exit code $RC"
  [ "$(cursor)" = visible ] || fail "the cursor is still hidden after: $*"
  silent
}

step "a key press ends the show"
ends_on xdotool key Shift_L

step "a click ends the show"
ends_on xdotool click 3
echo "input: passed"
