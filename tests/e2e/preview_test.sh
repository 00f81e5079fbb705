# "/P <id>": the stretched sheet inside a host window of ours; the end when the host goes.
source "$(dirname "$0")/lib.sh"

step "the preview fills a 152 x 112 host with the stretched sheet"
host 152 112 100 100
start /p "$HOST_ID"
embedded
sleep 0.3
shot preview
"$FRAME_CHECK" preview "$SHOTS/preview.png" 100 100 152 112
xdotool mousemove 150 150 key space click 1
sleep 0.3
running "$PID" || fail "input ended the preview"

step "destroying the host ends the preview within a second"
host_do destroy
wait_exit "$PID" 1
[ "$RC" = 0 ] || fail "exit code $RC"
silent

step "a host unmapped for good ends it; one unmapped for a moment does not"
host 152 112 100 100
start /p "$HOST_ID"
embedded
host_do unmap
sleep 0.1
host_do map
sleep 0.8
running "$PID" || fail "a moment's unmap ended the preview"
host_do unmap
wait_exit "$PID" 1
[ "$RC" = 0 ] || fail "exit code $RC"
silent

step "no number, 0, or no such window: the program ends at once, showing nothing"
for args in "/p" "/p 0" "/p 98765432" "/p:-5" "/p $(printf '%d' 0x1fffffff)"; do
  watch_maps 1.5
  start $args
  wait_exit "$PID" 1
  [ "$RC" = 0 ] || fail "\"$args\": exit code $RC"
  silent
  maps_seen
  [ "$MAPS" = 0 ] || fail "\"$args\" showed a window"
done

step "a host destroyed during the set-up ends the preview cleanly"
for delay in 0 0.001 0.003 0.01 0.03 0.1; do
  host 152 112 100 100
  start /p "$HOST_ID"
  sleep "$delay"
  host_do destroy
  wait_exit "$PID" 2
  [ "$RC" = 0 ] || fail "host gone after ${delay} s: exit code $RC"
done
echo "preview: passed"
