# A 3840 x 2160 screen: the show covers it, and near the bottom-right corner, where positions
# in twips no longer fit 16 bits, a movement of 2 pixels keeps the show and 3 pixels end it,
# also across the point where 16 bits run out (x = 2184.5 pixels at 15 twips a pixel).
source "$(dirname "$0")/lib.sh"

stop_xvfb
start_xvfb 3840x2160

# Starts a show with the pointer at (x, y), then moves it to each further point, pausing so
# that every movement arrives as its own event.
show_with_moves() {
  xdotool mousemove "$1" "$2"
  start_alone /S
  WIN=$(window "Screen Saver")
  sleep 0.3
  shift 2
  while [ $# -ge 2 ]; do
    xdotool mousemove "$1" "$2"
    sleep 0.25
    shift 2
  done
}

step "the show covers the whole screen and starts at the left"
show_with_moves 3835 2155 3837 2157   # the first movement only records where the pointer is
xwininfo -id "$WIN" | grep -q -- "-geometry 3840x2160+0+0" || fail "the show does not cover 3840 x 2160"
shot start
"$FRAME_CHECK" start "$SHOTS/start.png" >/dev/null || fail "the first frame at 3840 x 2160 is wrong"

step "2 pixels near the corner keep the show, on either axis and both"
for to in "3839 2157" "3839 2159" "3837 2159" "3835 2157"; do
  # shellcheck disable=SC2086
  xdotool mousemove $to
  sleep 0.25
  running "$PID" || fail "a movement of 2 pixels to ($to) ended the show"
done
[ "$(cursor)" = hidden ] || fail "the cursor shows during the show"

step "3 pixels near the corner end it"
xdotool mousemove 3835 2154
ends_cleanly "3 pixels up at the corner" 1
[ "$(cursor)" = visible ] || fail "the cursor is hidden after the show"
show_with_moves 3830 2150 3832 2150 3834 2150
running "$PID" || fail "2-pixel steps ended the show"
xdotool mousemove 3837 2150
ends_cleanly "3 pixels right at the corner" 1

step "across the end of 16-bit twips: 2 pixels keep the show, 3 end it"
show_with_moves 2181 2159 2183 2159 2185 2159
running "$PID" || fail "2 pixels across x = 2184.5 ended the show"
xdotool mousemove 2188 2159
ends_cleanly "3 pixels beyond x = 2184.5" 1
[ "$(cursor)" = visible ] || fail "the cursor is hidden after the show"

step "a key and a click end the show there too"
show_with_moves 3839 2159
xdotool key a
ends_cleanly "a key" 1
show_with_moves 3839 2159
xdotool click 1
ends_cleanly "a click" 1
[ "$(cursor)" = visible ] || fail "the cursor is hidden after the show"
echo "faults.big_screen: passed"
