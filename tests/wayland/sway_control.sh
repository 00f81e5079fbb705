# shellcheck shell=bash
# Driving the sway of sway.sh (which sources this):
#   swaymsg_ok ARGS       a command that must succeed; outer_swaymsg ARGS, to the outer sway
#   outputs               the active outputs in sway's order, on one line: "HEADLESS-1 HEADLESS-2"
#   output_info NAME JQ   one output's value of a jq path, e.g. output_info HEADLESS-2 .rect.width
#   output_mode NAME WxH [SCALE [X Y]]   sets its mode, and optionally its scale and position
#   add_output [as output_mode]          adds one, sets OUTPUT to its name
#   unplug_output NAME    unplugs an output of the nested sway (WL_NESTED=1), as a cable pulled
#   pointer_to X Y, pointer_by DX DY, click [BUTTON], wheel    the seat's pointer
#   key NAME...           keys by their names (Escape, Return, Up, Tab, a, ...): input_device.sh
#   window ID             waits up to 10 s for a window (an xdg-shell view) whose app_id or
#                         title is ID; sets VIEW to its node as JSON (.app_id, .rect, .focused)

swaymsg_ok() {
  local reply
  reply=$(as_user swaymsg -- "$@" 2>&1) || fail "swaymsg $*: $reply"
}
outer_swaymsg() {
  local WL_RUN=$WORK/outer-run HARNESS_ENV=(SWAYSOCK="$OUTER_SWAYSOCK") reply
  reply=$(as_user swaymsg -- "$@" 2>&1) || fail "outer swaymsg $*: $reply"
}

outputs() { as_user swaymsg -r -t get_outputs | jq -r '[.[] | select(.active) | .name] | join(" ")'; }

output_info() {
  as_user swaymsg -r -t get_outputs | jq -r --arg n "$1" ".[] | select(.name == \$n) | $2"
}

output_mode() {
  swaymsg_ok output "$1" mode "$2"
  [ -z "${3:-}" ] || swaymsg_ok output "$1" scale "$3"
  [ -z "${4:-}" ] || swaymsg_ok output "$1" pos "$4" "$5"
}

add_output() {
  local before name
  before=$(as_user swaymsg -r -t get_outputs | jq -r '.[].name')
  swaymsg_ok create_output
  for _ in $(seq 100); do
    name=$(as_user swaymsg -r -t get_outputs | jq -r '.[].name' | grep -vxF "$before" || true)
    [ -n "$name" ] && break
    sleep 0.02
  done
  [ -n "$name" ] || fail "create_output made no output"
  OUTPUT=$name
  [ -z "${1:-}" ] || output_mode "$OUTPUT" "$@"
}

unplug_output() {
  [ -n "${OUTER_SWAYSOCK:-}" ] || fail "unplug_output needs WL_NESTED=1"
  outer_swaymsg "[title=\"wlroots - $1\"] kill"
  for _ in $(seq 100); do
    as_user swaymsg -r -t get_outputs | jq -e --arg n "$1" 'any(.[]; .name == $n)' >/dev/null || return 0
    sleep 0.02
  done
  fail "output $1 is still there"
}

pointer_to() { swaymsg_ok seat seat0 cursor set "$1" "$2"; }
pointer_by() { swaymsg_ok seat seat0 cursor move "$1" "$2"; }
click() {
  swaymsg_ok seat seat0 cursor press "${1:-button1}"
  swaymsg_ok seat seat0 cursor release "${1:-button1}"
}
wheel() { swaymsg_ok seat seat0 cursor press button4; }
window() {
  for _ in $(seq 200); do
    VIEW=$(as_user swaymsg -r -t get_tree | jq -c --arg w "$1" \
      '[recurse(.nodes[]?, .floating_nodes[]?) | select(.pid? and (.app_id == $w or .name == $w))] | first // empty')
    [ -n "$VIEW" ] && return 0
    sleep 0.05
  done
  fail "no window \"$1\" appeared"
}
