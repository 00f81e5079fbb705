# The display mode on Wayland, "--root": a race on the bottom layer of every output, each
# at its output's size and scale (balls shrunk to their lanes on an output under 352 pixels),
# under the windows. Pointer moves and keys leave it running; SIGTERM ends it with 0; --speed
# overrides the stored speed; a host window named keeps it on X. (Outputs that come, change
# and go: root_outputs_test.sh; a compositor without the layer shell: fallback_test.sh.)
source "$(dirname "$0")/sway.sh"

# HEADLESS-2 logical 350 x 150 at scale 2: 300 of its pixels high, under a lane's 32.
backdrop() {
  two_outputs 700x300 2
  start --root "$@"
  race_on HEADLESS-1
}

scenario_sizes() {
  backdrop
  race_on HEADLESS-2
  [ "$(picture_size "$SHOTS/race-HEADLESS-2.png")" = 700x300 ] ||
    fail "the shot of HEADLESS-2 is $(picture_size "$SHOTS/race-HEADLESS-2.png")"
  ball_is HEADLESS-1 32
  ball_is HEADLESS-2 27
  moving HEADLESS-1
  moving HEADLESS-2
  silent
}

scenario_input() {
  backdrop
  pointer_by 300 100
  pointer_to 1400 100
  click
  key a Escape Return
  sleep 0.5
  running "$PID" || fail "input ended the display mode"
  moving HEADLESS-1
}

scenario_window_over() {
  backdrop
  swaymsg_ok focus output HEADLESS-1
  # weston's flower: a shape of its own colour filling the middle of its window, where the
  # backdrop has nothing but black and at most a corner of the caption.
  pointer_to 100 100
  (WL_EXEC=exec as_user weston-flower) >"$WORK/flower.log" 2>&1 &
  keep_pid $!
  window Flower
  for _ in $(seq 50); do
    shot window HEADLESS-1
    [ "$(non_black "$SHOTS/window.png" 60x60+610+330)" -ge 3000 ] && break
    sleep 0.1
  done
  [ "$(non_black "$SHOTS/window.png" 60x60+610+330)" -ge 3000 ] || fail "the window is not over the backdrop"
  key Escape
  swaymsg_ok "[app_id=org.freedesktop.weston.flower] kill"
  sleep 0.3
  running "$PID" || fail "the window's keys ended the display mode"
}

scenario_sigterm() {
  backdrop
  kill -TERM "$PID"
  ended_with 0
  silent
}

scenario_speed() {
  two_outputs 700x300 2
  # Seconds from the start to the first winner's caption on HEADLESS-1, in hundredths.
  first_winner() {
    local t0 now
    t0=$(date +%s%N)
    start --root "$@"
    for _ in $(seq 200); do
      shot caption HEADLESS-1
      [ "$(count_colour "$SHOTS/caption.png" 255,255,128 40 130x25+640+360)" -ge 100 ] && break
      sleep 0.05
    done
    now=$(date +%s%N)
    kill -TERM "$PID"
    ended_with 0
    echo $(((now - t0) / 10000000))
  }
  local fast slow
  fast=$(first_winner --speed fast)
  slow=$(first_winner)
  echo "first winner: fast ${fast}0 ms, slow ${slow}0 ms"
  [ "$slow" -gt $((2 * fast)) ] || fail "--speed fast took ${fast}0 ms, the stored slow ${slow}0 ms"
}

scenario_host_window() {
  step "a host window named keeps the display mode on X: here, with no X server, it says so"
  start_sway
  WL_ENV=(XSCREENSAVER_WINDOW=0x400001)
  start --root
  ended_with 1
  grep -q "cannot reach the X server" "$ERR" || fail "not on X: $(head -c 300 "$ERR")"
  WL_ENV=()
  start --root --window-id 0x400001
  ended_with 1
  grep -q "cannot reach the X server" "$ERR" || fail "not on X: $(head -c 300 "$ERR")"
}

run_scenario "$@"
