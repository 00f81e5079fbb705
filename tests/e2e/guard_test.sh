# One show at a time; a preview lets the settings open; a crashed show blocks nothing.
source "$(dirname "$0")/lib.sh"

step "a second show while one runs ends at once, showing nothing"
start /S
first=$PID
window "Screen Saver" >/dev/null
watch_maps 1.5
start /S
wait_exit "$PID" 1
[ "$RC" = 0 ] || fail "exit code $RC"
silent
maps_seen
[ "$MAPS" = 0 ] || fail "the second show showed a window"
running "$first" || fail "the first show ended"

step "so does a settings request while the show runs"
start /C
wait_exit "$PID" 1
[ "$RC" = 0 ] || fail "exit code $RC"
kill -9 "$first"
wait "$first" || true

step "a show killed outright does not block the next"
start /S
window "Screen Saver" >/dev/null
xdotool key space
wait_exit "$PID" 2
[ "$RC" = 0 ] || fail "exit code $RC"

step "with a preview running, \"Priview\" on the clipboard lets the settings open"
host 152 112 100 100
start /p "$HOST_ID"
preview=$PID
embedded
start /C
dlg=$(window "Corvanta Settings")
shot settings-beside-preview
"$X_HOST" close "$dlg"
wait_exit "$PID" 2
[ "$RC" = 0 ] || fail "exit code $RC"
running "$preview" || fail "the preview ended"
host_do destroy
wait_exit "$preview" 1
echo "guard: passed"
