# "/S" on a 1024 x 768 screen: the start, the race, the hold and its caption, the restart.
source "$(dirname "$0")/lib.sh"

# Slow, so the balls are still near the start when the first screenshot is taken.
printf '[Settings]\nBALL_SPEED=2\n' >"$INI"

step "the show starts full screen, on top of everything, with the cursor hidden"
start /S
win=$(window "Screen Saver")
shot start
"$FRAME_CHECK" start "$SHOTS/start.png"
info=$(xwininfo -id "$win")
grep -q -- "-geometry 1024x768+0+0" <<<"$info" || fail "the window does not cover the screen: $info"
grep -q "Override Redirect State: yes" <<<"$info" || fail "a window manager could frame the window"
[ "$(cursor)" = hidden ] || fail "the cursor shows during the show"
[ "$("$X_HOST" grabs)" = "keyboard taken pointer taken" ] || fail "keyboard or pointer not taken"

step "each tick sends the screen only what changed"
read -r rects largest < <("$X_HOST" damage 1)
echo "$rects rectangles drawn in 1 s, the largest $largest pixels"
[ "$rects" -ge 50 ] || fail "only $rects rectangles drawn in a second of racing"
[ "$largest" -le $((1024 * 768 / 20)) ] || fail "a tick sent $largest pixels at once"

step "a window mapped over the show goes under it"
host 200 200 0 0
sleep 0.3
top=$(xwininfo -root -children | awk '/children:/ { getline; print $1; exit }')
[ $((top)) = $((win)) ] || fail "another window stays above the show"
host_do destroy

step "the balls advance"
sleep 0.4
shot later
"$FRAME_CHECK" advanced "$SHOTS/start.png" "$SHOTS/later.png"

step "a winner is announced at the middle of the screen"
held=0 wrong=0
for _ in $(seq 100); do
  shot hold
  rc=0
  "$FRAME_CHECK" hold "$SHOTS/hold.png" >"$WORK/hold.txt" 2>&1 || rc=$?
  if [ $rc -eq 0 ]; then held=1; break; fi
  # A screenshot between two of a frame's blits can miss the caption; two in a row cannot.
  if grep -q "no ball has reached" "$WORK/hold.txt"; then wrong=0; else wrong=$((wrong + 1)); fi
  [ $wrong -ge 2 ] && { cat "$WORK/hold.txt" >&2; fail "the hold frame is wrong"; }
  sleep 0.15
done
cat "$WORK/hold.txt"
[ $held = 1 ] || fail "no race finished within the time"

step "after the hold the race starts again from the left"
restarted=0
for _ in $(seq 60); do
  sleep 0.15
  shot restart
  if "$FRAME_CHECK" start "$SHOTS/restart.png" >/dev/null 2>&1; then restarted=1; break; fi
done
[ $restarted = 1 ] || fail "the race did not restart"

step "a key ends the show; the cursor is back"
xdotool key space
wait_exit "$PID" 2
[ "$RC" = 0 ] || fail "exit code $RC"
[ "$(cursor)" = visible ] || fail "the cursor is still hidden"
silent
echo "show: passed"
