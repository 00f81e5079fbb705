# No X server to show on: none named, one named that does not exist, one that goes away during
# the show, the preview or the display mode. The program ends at once, without abort or core:
# with exit code 1 and not a word when it never reached a server.
source "$(dirname "$0")/lib.sh"

step "no display, or one that does not exist: exit code 1, silently"
for display in "" ":" ":4095" "nohost.invalid:0" "garbage"; do
  DISPLAY=$display start_alone /s
  wait_exit "$PID" 2
  [ "$RC" = 1 ] || fail "DISPLAY=\"$display\": exit code $RC"
  silent
  nothing_left "$PID"
done
(unset DISPLAY; start_alone /p 1234; wait_exit "$PID" 2; [ "$RC" = 1 ] || fail "unset DISPLAY: exit code $RC"; silent)

step "the X server goes away during the show, and during the preview: it ends at once"
start_xvfb 640x480
start_alone /S
window "Screen Saver" >/dev/null
kill "$XVFB_PID"
wait_exit "$PID" 1
[ "$RC" = 1 ] || fail "show: exit code $RC"
nothing_left "$PID"
start_xvfb 640x480
host 152 112 10 10
start_alone /p "$HOST_ID"
embedded
kill "$XVFB_PID"
wait_exit "$PID" 1
# A server that shuts down in order may first tell the preview that its host was destroyed,
# which ends it normally.
[ "$RC" = 1 ] || [ "$RC" = 0 ] || fail "preview: exit code $RC"
nothing_left "$PID"
# On the root window, which no one destroys first, only the server's end can end it.
start_xvfb 640x480
start_alone --root
for _ in $(seq 100); do xwininfo -root -children | grep -q '"corvanta"' && break; sleep 0.05; done
xwininfo -root -children | grep -q '"corvanta"' || fail "the display mode showed nothing on the root"
kill "$XVFB_PID"
wait_exit "$PID" 1
[ "$RC" = 1 ] || fail "display mode: exit code $RC"
nothing_left "$PID"
echo "faults.window_system: passed"
