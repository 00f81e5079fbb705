# shellcheck shell=bash
# A headless sway of the script's own, as the user of lib.sh (sourced here with race.sh and
# sway_control.sh, which drives it): sourcing starts nothing, so a script may set things first.
#
#   WL_OUTPUTS=N   how many outputs sway starts with (default 1; each 1280 x 720 at scale 1,
#                  HEADLESS-1, HEADLESS-2, ... side by side)
#   WL_NESTED=1    outputs that can be unplugged, named WL-1, WL-2, ... (see start_sway)
#   start_sway     starts it and waits until it answers; stop_sway ends it and waits
#   shot NAME OUTPUT, output_size OUTPUT   as race.sh asks, by grim and sway's own answer
#   plug_pointer   gives the seat a pointer device (swaymsg's cursor commands then reach the
#                  surface under the cursor), for the rest of the script
#   two_outputs MODE SCALE  starts sway with HEADLESS-1 at 1280x720 and HEADLESS-2 at MODE and
#                  SCALE to its right, the pointer on HEADLESS-1's centre, the slow speed stored
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/race.sh"
source "$(dirname "${BASH_SOURCE[0]}")/sway_control.sh"
source "$(dirname "${BASH_SOURCE[0]}")/input_device.sh"

for tool in sway swaymsg grim wtype; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps"
done

# No bar, no background program: what no client covers shows sway's own clear colour, EMPTY,
# which no picture of ours has, so an uncovered output shows.
EMPTY=63,63,63
cat >"$WORK/sway.config" <<'CONF'
xwayland disable
swaybg_command -
default_border none
focus_follows_mouse no
CONF
chmod 644 "$WORK/sway.config"
SWAY_PIDS=()
SWAYSOCK=""
on_exit '[ ${#SWAY_PIDS[@]} = 0 ] || stop_sway'

# Starts a sway as the user, with runtime folder $1, log $2 and the environment after them;
# waits until it answers, and sets WAYLAND_DISPLAY and SWAYSOCK to its sockets.
launch_sway() {
  local WL_RUN=$1 log=$2 sock
  shift 2
  WAYLAND_DISPLAY="" SWAYSOCK="" HARNESS_ENV=()
  (
    cd "$WORK"
    WL_EXEC=exec as_user WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 "$@" sway -c "$WORK/sway.config"
  ) >"$log" 2>&1 &
  SWAY_PIDS+=($!)
  COMPOSITOR_LOG=$log
  for _ in $(seq 200); do
    kill -0 "${SWAY_PIDS[-1]}" 2>/dev/null || fail "sway ended at start"
    sock=$(find "$WL_RUN" -maxdepth 1 -name 'sway-ipc.*.sock' -print -quit)
    WAYLAND_DISPLAY=$(find "$WL_RUN" -maxdepth 1 -name 'wayland-*' ! -name '*.lock' -printf '%f\n' -quit)
    HARNESS_ENV=(SWAYSOCK="$sock")
    if [ -n "$sock" ] && [ -n "$WAYLAND_DISPLAY" ] && as_user swaymsg -t get_outputs >/dev/null 2>&1; then
      SWAYSOCK=$sock
      return 0
    fi
    sleep 0.05
  done
  fail "sway did not answer within 10 s"
}

# Ends the compositor (the inner one first, when nested) and waits for it: to see what clients
# do when it goes, or to start another.
stop_sway() {
  local i
  for ((i = ${#SWAY_PIDS[@]} - 1; i >= 0; i--)); do
    kill "${SWAY_PIDS[i]}" 2>/dev/null || true
    wait "${SWAY_PIDS[i]}" 2>/dev/null || true
  done
  SWAY_PIDS=() COMPOSITOR_LOG="" WAYLAND_DISPLAY="" SWAYSOCK="" OUTER_SWAYSOCK="" HARNESS_ENV=()
  find "$WL_RUN" -mindepth 1 -maxdepth 1 -exec rm -rf {} +
  rm -rf "$WORK/outer-run"
  sed -i '/^for_window \[app_id="wlroots"\]/d' "$WORK/sway.config"
}

# sway 1.7 cannot take an output away from clients: "swaymsg output NAME disable" answers
# success and leaves it active, on the headless backend and the nested one alike. With
# WL_NESTED=1 the sway the tests talk to runs on the wayland backend inside an outer headless
# sway instead: its outputs are windows of the outer one, named WL-1, WL-2, ..., and closing
# such a window unplugs that output (unplug_output). Everything else works alike.
start_sway() {
  if [ -z "${WL_NESTED:-}" ]; then
    launch_sway "$WL_RUN" "$WORK/sway.log" WLR_BACKENDS=headless \
      WLR_HEADLESS_OUTPUTS="${WL_OUTPUTS:-1}"
    return
  fi
  local outer=$WORK/outer-run
  mkdir -p "$outer"
  chmod 700 "$outer"
  give "$outer"
  # The inner outputs take the size they ask for, not a tile's.
  echo 'for_window [app_id="wlroots"] floating enable' >>"$WORK/sway.config"
  launch_sway "$outer" "$WORK/outer.log" WLR_BACKENDS=headless WLR_HEADLESS_OUTPUTS=1
  OUTER_SWAYSOCK=$SWAYSOCK
  ln -s "$outer/$WAYLAND_DISPLAY" "$WL_RUN/outer-wayland"
  launch_sway "$WL_RUN" "$WORK/sway.log" WLR_BACKENDS=wayland WAYLAND_DISPLAY=outer-wayland \
    WLR_WL_OUTPUTS="${WL_OUTPUTS:-1}"
}

shot() { as_user grim -o "$2" - >"$SHOTS/$1.png" || fail "grim -o $2 failed"; }
output_size() { output_info "$1" '"\(.current_mode.width) \(.current_mode.height)"'; }

plug_pointer() { plug_device "$WORK/bin/virtual_pointer"; }
if [ -n "${VIRTUAL_POINTER:-}" ]; then install -m 755 "$VIRTUAL_POINTER" "$WORK/bin/virtual_pointer"; fi

two_outputs() {
  WL_OUTPUTS=2
  start_sway
  # Both placed: sway moves an output it was not told where to put when another comes.
  output_mode HEADLESS-1 1280x720 1 0 0
  output_mode HEADLESS-2 "$1" "$2" 1280 0
  plug_pointer
  pointer_to 640 360
  slow_settings
}
