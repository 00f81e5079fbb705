# The show on a headless sway with two outputs: the race on the focused one with the balls in
# their lanes, the other black; a second show refused; the winner's caption; an output added
# during the show black within a second; the race commits at the compositor's pace, as its
# protocol log shows. (Input that ends it: show_input_test.sh.)
source "$(dirname "$0")/sway.sh"

scenario_two_outputs() {
  two_outputs 800x600 1
  start /S
  race_on HEADLESS-1
  all_black HEADLESS-2 || fail "HEADLESS-2 is not all black"
  silent
}

scenario_second_refused() {
  two_outputs 800x600 1
  start /S
  race_on HEADLESS-1
  local first=$PID
  start /S
  ended_with 0
  silent
  running "$first" || fail "the second show ended the first"
}

scenario_caption() {
  two_outputs 800x600 1
  start /S
  caption_on HEADLESS-1
  [ "$(count_colour "$SHOTS/caption.png" 255,255,128 40 640x360+0+0)" = 0 ] ||
    fail "caption colours outside the caption's box"
}

scenario_output_added() {
  two_outputs 800x600 1
  start /S
  race_on HEADLESS-1
  add_output 640x480 1 2080 0
  sleep 1
  all_black "$OUTPUT" || fail "$OUTPUT is not covered a second after it came"
}

scenario_pace() {
  two_outputs 800x600 1
  step "the race commits at most once per frame callback, with damage, never a whole output"
  WL_ENV=(WAYLAND_DEBUG=client)
  start /S
  WL_ENV=()
  race_on HEADLESS-1
  sleep 1
  kill "$PID"
  ended_with 0
  local race commits frames full
  race=$(sed -n 's/.*get_layer_surface(new id [^,]*, wl_surface@\([0-9]*\), nil,.*/\1/p' "$ERR" | head -n 1)
  [ -n "$race" ] || fail "no race surface in the protocol log"
  # Each role names itself, so that a compositor's rules can tell them apart.
  grep -q "wl_surface@$race, nil, 3, \"corvanta-race\")" "$ERR" &&
    grep -q ', 3, "corvanta-cover")' "$ERR" || fail "the race and the cover are not named as the README says"
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
}

run_scenario "$@"
