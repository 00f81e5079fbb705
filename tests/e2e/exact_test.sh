# "/S" for a few seconds: every screenshot is exactly a full repaint of the nine balls where
# they are, whether the pixels reach the server through shared memory or, on a server without
# it, through the socket.
source "$(dirname "$0")/lib.sh"

# Slow, so the race is still on when the last screenshot is taken.
printf '[Settings]\nBALL_SPEED=2\n' >"$INI"

shm_offered() { xdpyinfo >"$WORK/xdpyinfo.txt" && grep -q "MIT-SHM" "$WORK/xdpyinfo.txt"; }

exact_race() {  # <name of the case>
  start /S
  window "Screen Saver" >/dev/null
  for n in 1 2 3; do
    sleep 0.4
    shot "$1-$n"
    "$FRAME_CHECK" exact "$SHOTS/$1-$n.png" || fail "$1: screenshot $n is not a full repaint"
  done
  xdotool key space
  wait_exit "$PID" 2
  [ "$RC" = 0 ] || fail "$1: exit code $RC"
}

step "pixels through shared memory"
shm_offered || fail "the server offers no shared memory"
exact_race shm

step "pixels through the socket, on a server without shared memory"
start_xvfb 1024x768 -extension MIT-SHM
shm_offered && fail "the server still offers shared memory"
exact_race socket
echo "exact: passed"
