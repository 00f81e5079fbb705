# shellcheck shell=bash
# A headless phoc (the compositor of the Phosh mobile shell) of the script's own, as the user of
# ../wayland/lib.sh, inside a session bus of its own (else it starts one that outlives it); no
# XWayland. Sourcing starts nothing.
#
#   start_phoc [OUTPUTS]   starts it with OUTPUTS (default 1) outputs of 1280 x 720, HEADLESS-1,
#                  HEADLESS-2, ..., and plugs in a virtual pointer (../wayland/virtual_pointer);
#                  waits until it takes clients. stop_phoc ends it and waits.
#   shot NAME OUTPUT, output_size OUTPUT   as race.sh asks: grim, in the output's own pixels
#   pointer_by DX DY, click, wheel   the virtual pointer; key NAME...   wtype, as on sway
source "$(dirname "${BASH_SOURCE[0]}")/../wayland/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../wayland/race.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../wayland/input_device.sh"
: "${VIRTUAL_POINTER:?path of the virtual pointer helper}"

for tool in phoc dbus-daemon grim wtype; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps"
done
install -m 755 "$VIRTUAL_POINTER" "$WORK/bin/virtual_pointer"
printf '[core]\nxwayland=false\n' >"$WORK/phoc.ini"
chmod 644 "$WORK/phoc.ini"
PHOC_PID="" BUS_PID=""
on_exit '[ -z "$PHOC_PID" ] || stop_phoc'

start_phoc() {
  as_user dbus-daemon --session --fork --print-address=1 --print-pid=1 >"$WORK/bus" ||
    fail "no session bus"
  HARNESS_ENV=(DBUS_SESSION_BUS_ADDRESS="$(sed -n 1p "$WORK/bus")")
  BUS_PID=$(sed -n 2p "$WORK/bus")
  COMPOSITOR_LOG=$WORK/phoc.log
  (WL_EXEC=exec as_user WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_HEADLESS_OUTPUTS="${1:-1}" phoc -C "$WORK/phoc.ini") >"$COMPOSITOR_LOG" 2>&1 &
  PHOC_PID=$!
  local display=""
  for _ in $(seq 200); do
    kill -0 "$PHOC_PID" 2>/dev/null || fail "phoc ended at start"
    display=$(sed -n "s/.*wayland display '\(.*\)'.*/\1/p" "$COMPOSITOR_LOG")
    [ -n "$display" ] && WAYLAND_DISPLAY=$display as_user grim -o HEADLESS-1 - >/dev/null 2>&1 &&
      WAYLAND_DISPLAY=$display && break
    sleep 0.05
  done
  [ -n "$WAYLAND_DISPLAY" ] || fail "phoc gave no picture within 10 s"
  plug_device "$WORK/bin/virtual_pointer"
}

stop_phoc() {
  kill "$PHOC_PID" 2>/dev/null || true
  wait "$PHOC_PID" 2>/dev/null || true
  kill "$BUS_PID" 2>/dev/null || true
  unplug_device
  PHOC_PID="" BUS_PID="" WAYLAND_DISPLAY="" HARNESS_ENV=() COMPOSITOR_LOG=""
}

shot() { as_user grim -o "$2" - >"$SHOTS/$1.png" || fail "grim -o $2 failed"; }
output_size() { echo 1280 720; }
pointer_by() { device move "$1" "$2"; }
click() { device button 272; }
wheel() { device wheel 1; }
