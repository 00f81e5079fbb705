# The harness itself: headless sway as an unprivileged user, two outputs, one at scale 2, each
# shot in its own pixels; input reaches the seat; nested, an output added and one unplugged.
source "$(dirname "$0")/sway.sh"

scenario_user() {
  start_sway
  [ "$(as_user id -un)" = "$WL_USER" ] || fail "as_user runs as $(as_user id -un)"
  [ "$(stat -c '%a %U' "$WL_RUN")" = "700 $WL_USER" ] || fail "runtime folder: $(stat -c '%a %U' "$WL_RUN")"
  # shellcheck disable=SC2016
  [ "$(DISPLAY=:99 as_user sh -c 'echo "${DISPLAY-unset} $WAYLAND_DISPLAY"')" = "unset $WAYLAND_DISPLAY" ] ||
    fail "as_user leaks DISPLAY or lacks WAYLAND_DISPLAY"
}

scenario_outputs() {
  WL_OUTPUTS=2
  start_sway
  [ "$(outputs)" = "HEADLESS-1 HEADLESS-2" ] || fail "outputs: $(outputs)"
  output_mode HEADLESS-2 800x600 2 1280 0
  [ "$(output_info HEADLESS-2 '"\(.rect.x) \(.rect.width)x\(.rect.height)"')" = "1280 400x300" ] ||
    fail "HEADLESS-2 lies at $(output_info HEADLESS-2 .rect)"
  shot first HEADLESS-1
  shot second HEADLESS-2
  [ "$(picture_size "$SHOTS/first.png")" = 1280x720 ] || fail "first: $(picture_size "$SHOTS/first.png")"
  [ "$(picture_size "$SHOTS/second.png")" = 800x600 ] || fail "second: $(picture_size "$SHOTS/second.png")"
  [ "$(pixel "$SHOTS/second.png" 799 599)" = "$EMPTY" ] || fail "not empty: $(pixel "$SHOTS/second.png" 799 599)"
  [ "$(count_colour "$SHOTS/first.png" "$EMPTY")" = $((1280 * 720)) ] || fail "the first output is not all empty"
  [ "$(count_colour "$SHOTS/second.png" 0,0,0 10 10x10+0+0)" = 0 ] || fail "black on an empty output"
  step "the seat takes pointer moves, a click and a key"
  pointer_to 100 200
  pointer_by 30 -20
  click
  key Escape
}

scenario_nested() {
  WL_NESTED=1 WL_OUTPUTS=2
  start_sway
  [ "$(outputs)" = "WL-1 WL-2" ] || fail "nested outputs: $(outputs)"
  add_output 640x480 1 2080 0
  [ "$OUTPUT" = WL-3 ] || fail "the new output is $OUTPUT"
  shot third "$OUTPUT"
  [ "$(picture_size "$SHOTS/third.png")" = 640x480 ] || fail "third: $(picture_size "$SHOTS/third.png")"
  [ "$(count_colour "$SHOTS/third.png" "$EMPTY")" = $((640 * 480)) ] || fail "the third output is not all empty"
  unplug_output WL-2
  [ "$(outputs)" = "WL-1 WL-3" ] || fail "after the unplug: $(outputs)"
  key Escape
}

run_scenario "$@"
