# The display mode's outputs as they come, change and go: an output plugged in gets a race of
# its own size, one whose mode changes a new one, one unplugged loses its own while the program
# goes on (SIGINT then ends it with 0); outputs not drawn wake it no more; a docked bar has its
# space to itself, and the compositor going ends it with 1.
source "$(dirname "$0")/sway.sh"

# The shot of output $1 is $2 pixels, and its ball 1 is 32 of them across.
race_of_size() {
  race_on "$1"
  [ "$(picture_size "$SHOTS/race-$1.png")" = "$2" ] || fail "the shot of $1 is $(picture_size "$SHOTS/race-$1.png")"
  ball_is "$1" 32
}

scenario_output_added() {
  two_outputs 700x300 2
  start --root
  race_on HEADLESS-1
  add_output 1600x1200 2 2400 0
  race_of_size "$OUTPUT" 1600x1200
}

scenario_mode_change() {
  two_outputs 700x300 2
  start --root
  race_on HEADLESS-2
  output_mode HEADLESS-2 1000x720 1
  race_of_size HEADLESS-2 1000x720
}

scenario_bar() {
  printf 'bar {\n  position top\n  status_command echo bar\n}\n' >>"$WORK/sway.config"
  start_sway
  for _ in $(seq 100); do
    [ "$(as_user swaymsg -r -t get_bar_config bar-0 | jq -r .mode)" = dock ] && break
    sleep 0.05
  done
  # The protocol log names the size the compositor gives our surface.
  WL_ENV=(WAYLAND_DEBUG=1)
  start --root
  WL_ENV=()
  for _ in $(seq 100); do grep -q "layer_surface_v1@[0-9]*\.configure" "$ERR" && break; sleep 0.05; done
  local sizes
  sizes=$(grep -o "layer_surface_v1@[0-9]*\.configure([0-9]*, [0-9]*, [0-9]*)" "$ERR" |
    sed 's/.*(.*, \(.*\), \(.*\))/\1x\2/' | sort -u)
  # The space the bar leaves: all the width, most of the height.
  [[ $sizes =~ ^1280x(6[0-9][0-9]|71[0-9])$ ]] ||
    fail "the backdrop was given ${sizes:-no size}, not the 1280 x 720 output less the bar"
  grep -q 'get_layer_surface(.*"corvanta-backdrop")' "$ERR" || fail "the backdrop is not named corvanta-backdrop"
  sleep 1
  step "the compositor going ends it with exit code 1"
  stop_sway
  ended_with 1
}

# Nested, two outputs that can be hidden or unplugged, racing fast.
nested_backdrop() {
  WL_NESTED=1 WL_OUTPUTS=2
  start_sway
  start --root --speed fast
  race_on WL-1
  race_on WL-2
}

scenario_hidden() {
  nested_backdrop
  wakes() { awk '/ctxt_switches/ { n += $2 } END { print n }' "/proc/$PID/status"; }
  local o slots="" before
  for o in WL-1 WL-2; do outer_swaymsg "[title=\"wlroots - $o\"] move scratchpad"; done
  # The inner sway may still send a late frame callback or two, each worth a short burst of
  # ticks; between them the program sleeps: some half second of the next three has no wake at all.
  for _ in $(seq 6); do
    before=$(wakes)
    sleep 0.5
    slots+="$(($(wakes) - before)) "
  done
  echo "wakes a half second, the outputs hidden: $slots"
  [[ " $slots" == *" 0 "* ]] || fail "the program never slept with its outputs hidden: $slots"
  for o in WL-1 WL-2; do outer_swaymsg "[title=\"wlroots - $o\"] scratchpad show, floating enable"; done
  moving WL-1
}

scenario_unplug() {
  nested_backdrop
  unplug_output WL-2
  sleep 0.5
  running "$PID" || fail "the display mode ended with an output"
  moving WL-1
  kill -INT "$PID"
  ended_with 0
  silent
}

run_scenario "$@"
