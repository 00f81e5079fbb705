# The show on a headless sway with two outputs: the race on the focused one with the balls in
# their lanes, the other black, a second show refused, the winner's caption, an output added
# during the show black within a second; a move of under 3 logical pixels across two outputs
# goes on, a larger one ends it; a key, a click and the wheel each end it; the race commits at
# the compositor's pace, as its protocol log shows.
source "$(dirname "$0")/show_lib.sh"

two_outputs 800x600 1

step "the race on the focused output, the other black"
start /S
race_on HEADLESS-1
all_black HEADLESS-2 || fail "HEADLESS-2 is not all black"
silent

step "a second show is refused while the first runs"
first=$PID
start /S
ended_with 0
silent
running "$first" || fail "the second show ended the first"
PID=$first

step "the winner's caption, at the middle of the race's output"
for _ in $(seq 60); do
  shot caption HEADLESS-1
  # Label1's colours: light yellow on black, in its box from the middle of the screen.
  [ "$(count_colour "$SHOTS/caption.png" 255,255,128 40 130x25+640+360)" -ge 100 ] && break
  sleep 0.2
done
[ "$(count_colour "$SHOTS/caption.png" 255,255,128 40 130x25+640+360)" -ge 100 ] ||
  fail "no caption within 12 s"
[ "$(count_colour "$SHOTS/caption.png" 255,255,128 40 640x360+0+0)" = 0 ] ||
  fail "caption colours outside the caption's box"

step "an output added during the show is black within a second"
add_output 640x480 1 2080 0
sleep 1
all_black "$OUTPUT" || fail "$OUTPUT is not covered a second after it came"

step "a move of 2 logical pixels across two outputs goes on; one of 5 more ends the show"
pointer_to 1279 300
sleep 0.2
pointer_by 2 0
sleep 0.5
running "$PID" || fail "a move of 2 pixels ended the show"
pointer_by 5 0
ended_with 0

# The compositor puts the race on the focused output: the first again.
swaymsg_ok focus output HEADLESS-1

step "a key ends the show"
start /s
race_on HEADLESS-1
key a
ended_with 0

step "a click on the other output ends the show"
start /S
race_on HEADLESS-1
pointer_to 1500 300
sleep 0.3
click
ended_with 0

step "the wheel ends the show"
start /S
race_on HEADLESS-1
sleep 0.3
swaymsg_ok seat seat0 cursor press button4
ended_with 0
step "the race commits at most once per frame callback, with damage, never a whole output"
WL_ENV=(WAYLAND_DEBUG=client)
start /S
WL_ENV=()
race_on HEADLESS-1
sleep 1
kill "$PID"
ended_with 0
race=$(sed -n 's/.*get_layer_surface(new id [^,]*, wl_surface@\([0-9]*\), nil,.*/\1/p' "$ERR" | head -n 1)
[ -n "$race" ] || fail "no race surface in the protocol log"
# Each commit of the race after its first frame request must wait for that request's done.
awk -v s="wl_surface@$race" '
  index($0, "-> " s ".frame(new id ") {
    if (waiting) { print "a frame asked for while one was pending: " $0; bad = 1 }
    split($0, a, "wl_callback@"); split(a[2], b, ")"); cb = "wl_callback@" b[1]; waiting = 1; fresh = 1
  }
  cb != "" && index($0, cb ".done(") { waiting = 0; frames++ }
  index($0, "-> " s ".commit()") {
    if (waiting && !fresh) { print "a commit while a frame was pending: " $0; bad = 1 }
    fresh = 0; commits++
  }
  index($0, "-> " s ".damage_buffer(") { split($0, d, ", "); if (d[3] + 0 >= 1280 && d[4] + 0 >= 720) full++ }
  END { printf "%d commits, %d frame callbacks, %d whole-output damages\n", commits, frames, full; exit bad }
' "$ERR" >"$WORK/pace" || { cat "$WORK/pace" >&2; fail "the race committed ahead of the compositor"; }
cat "$WORK/pace"
read -r commits _ frames _ _ full _ <"$WORK/pace"
[ "$commits" -ge 30 ] || fail "only $commits commits in over a second of racing"
# The commits with no callback before them: the black one, the first frame, the last.
[ "$commits" -le $((frames + 3)) ] || fail "$commits commits for $frames frame callbacks"
[ "$full" -le 2 ] || fail "$full commits damaged the whole output"
echo "wayland.show: passed"
