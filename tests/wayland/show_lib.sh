# shellcheck shell=bash
# Helpers of the show's Wayland scripts, on top of lib.sh (sourced first):
#   plug_pointer      gives the seat a pointer device (swaymsg's cursor commands then reach the
#                     surface under the cursor), for the rest of the script
#   non_black SHOT G  how many pixels of the shot's WxH+X+Y are not black
#   lanes_of SHOT H W the race's lanes on a shot H pixels high and W wide: "n:count" for the
#                     eleven bands of the screen's height, the balls' lanes 1 to 9 among them
#   race_on NAME      waits up to 5 s until output NAME shows balls in lanes 1 to 9 and none
#                     elsewhere; the last shot is $SHOTS/race-NAME.png
#   all_black NAME    the output's shot ($SHOTS/black-NAME.png) is black everywhere
#   ended_with RC     the program ended within 2 s with exit code RC, and dumped no core
#   start_weston      starts a headless weston (no layer shell) on the socket weston-1
#   two_outputs MODE SCALE  starts sway with HEADLESS-1 at 1280x720 and HEADLESS-2 at MODE and
#                     SCALE to its right, plugs the pointer onto HEADLESS-1's centre and stores
#                     the slow speed
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
: "${VIRTUAL_POINTER:?path of the virtual pointer helper}"
install -m 755 "$VIRTUAL_POINTER" "$WORK/bin/virtual_pointer"

plug_pointer() {
  mkfifo "$WORK/pointer.in"
  (WL_EXEC=exec as_user "$WORK/bin/virtual_pointer" <"$WORK/pointer.in" >"$WORK/pointer.out") &
  PIDS+=($!)
  exec {POINTER_FD}>"$WORK/pointer.in"
  for _ in $(seq 100); do grep -q ready "$WORK/pointer.out" 2>/dev/null && return 0; sleep 0.05; done
  fail "the virtual pointer did not come"
}

non_black() {
  local size=${2%%+*} total
  total=$((${size%x*} * ${size#*x}))
  echo $((total - $(count_colour "$1" 0,0,0 24 "$2")))
}

lanes_of() {
  local shot=$1 h=$2 w=$3 n top bottom
  for n in $(seq 0 10); do
    top=$((n * h / 11))
    bottom=$(((n + 1) * h / 11))
    printf '%s:%s ' "$n" "$(non_black "$shot" "${w}x$((bottom - top))+0+$top")"
  done
}

race_on() {
  local name=$1 w h lanes ok n count
  w=$(output_info "$name" .current_mode.width)
  h=$(output_info "$name" .current_mode.height)
  for _ in $(seq 25); do
    shot "race-$name" "$name"
    lanes=$(lanes_of "$SHOTS/race-$name.png" "$h" "$w")
    ok=1
    for lane in $lanes; do
      n=${lane%%:*} count=${lane#*:}
      if [ "$n" = 0 ] || [ "$n" = 10 ]; then
        [ "$count" = 0 ] || ok=0
      else
        [ "$count" -ge 100 ] || ok=0  # the black 8 shows little but its number and shine
      fi
    done
    [ "$ok" = 1 ] && { echo "$name: $lanes"; return 0; }
    sleep 0.2
  done
  fail "no race on $name: lanes $lanes"
}

all_black() {
  local w h
  w=$(output_info "$1" .current_mode.width)
  h=$(output_info "$1" .current_mode.height)
  shot "black-$1" "$1"
  [ "$(count_colour "$SHOTS/black-$1.png" 0,0,0)" = $((w * h)) ]
}

ended_with() {
  wait_exit "$PID" 2
  [ "$RC" = "$1" ] || fail "exit code $RC, not $1: $(head -c 300 "$ERR")"
  ! grep -qi "core dumped\|sanitizer" "$ERR" || fail "it crashed: $(head -c 300 "$ERR")"
}

start_weston() {
  (WL_EXEC=exec as_user weston --backend=headless-backend.so --socket=weston-1 --idle-time=0) \
    >"$WORK/weston.log" 2>&1 &
  PIDS+=($!)
  for _ in $(seq 200); do [ -S "$WL_RUN/weston-1" ] && break; sleep 0.05; done
  [ -S "$WL_RUN/weston-1" ] || { cat "$WORK/weston.log" >&2; fail "weston did not start"; }
}

two_outputs() {
  WL_OUTPUTS=2
  start_sway
  # Both placed: sway moves an output it was not told where to put when another comes.
  output_mode HEADLESS-1 1280x720 1 0 0
  output_mode HEADLESS-2 "$1" "$2" 1280 0
  plug_pointer
  pointer_to 640 360
  # Slow: the balls stay in the first quarter while the shots are taken.
  printf '[Settings]\nBALL_SPEED=2\n' >"$INI"
}
