# shellcheck shell=bash
# A headless KWin (Plasma's compositor) of the script's own, as the user of ../wayland/lib.sh,
# inside a session bus of its own: its outputs are virtual, named Virtual-0, Virtual-1, ...
# side by side. Sourcing starts nothing.
#
#   start_kwin [OUTPUTS [SCALE]]   starts it with OUTPUTS outputs (default 1) of 1280 x 720
#                  logical pixels at SCALE (default 1), and a fake input device ($KWIN_FAKE_INPUT);
#                  waits until it takes clients and pictures. stop_kwin ends it and waits.
#   shot NAME OUTPUT, output_size OUTPUT   as race.sh asks: KWin's ScreenShot2 in the output's
#                  own pixels (kwin_shot.py)
#   pointer_to X Y, pointer_by DX DY, click, wheel, key NAME...   input from the fake device
#
# KWin runs from a plain copy of its binary: the installed one carries file capabilities that an
# unprivileged exec is refused here. Its permission checks are off for fake input and pictures.
source "$(dirname "${BASH_SOURCE[0]}")/../wayland/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../wayland/race.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../wayland/input_device.sh"

for tool in kwin_wayland dbus-daemon /usr/bin/python3; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps"
done
/usr/bin/python3 -c 'import dbus' 2>/dev/null || fail "python3-dbus is missing: run scripts/install-deps"
cp "$(command -v kwin_wayland)" "$WORK/bin/kwin_wayland"
# Without the helper (scripts/screenshots) KWin runs without input.
[ -z "${KWIN_FAKE_INPUT:-}" ] || install -m 755 "$KWIN_FAKE_INPUT" "$WORK/bin/kwin_fake_input"
install -m 644 "$(dirname "${BASH_SOURCE[0]}")/kwin_shot.py" "$WORK/bin/kwin_shot.py"
KWIN_PID="" KWIN_SCALE=1 BUS_PID=""
on_exit '[ -z "$KWIN_PID" ] || stop_kwin'

start_kwin() {
  local address
  KWIN_SCALE=${2:-1}
  as_user dbus-daemon --session --fork --print-address=1 --print-pid=1 >"$WORK/bus" ||
    fail "no session bus"
  address=$(sed -n 1p "$WORK/bus") BUS_PID=$(sed -n 2p "$WORK/bus")
  HARNESS_ENV=(DBUS_SESSION_BUS_ADDRESS="$address")
  COMPOSITOR_LOG=$WORK/kwin.log
  (WL_EXEC=exec as_user KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 \
    "$WORK/bin/kwin_wayland" --virtual --width 1280 --height 720 --output-count "${1:-1}" \
    --scale "$KWIN_SCALE" --socket kwin-0 --no-lockscreen --no-global-shortcuts \
    --no-kactivities) >"$COMPOSITOR_LOG" 2>&1 &
  KWIN_PID=$!
  for _ in $(seq 200); do
    kill -0 "$KWIN_PID" 2>/dev/null || fail "KWin ended at start"
    [ -S "$WL_RUN/kwin-0" ] && as_user /usr/bin/python3 "$WORK/bin/kwin_shot.py" Virtual-0 >/dev/null 2>&1 &&
      WAYLAND_DISPLAY=kwin-0 && break
    sleep 0.1
  done
  [ -n "$WAYLAND_DISPLAY" ] || fail "KWin gave no picture within 20 s"
  [ ! -x "$WORK/bin/kwin_fake_input" ] || plug_device "$WORK/bin/kwin_fake_input"
}

stop_kwin() {
  kill "$KWIN_PID" 2>/dev/null || true
  wait "$KWIN_PID" 2>/dev/null || true
  kill "$BUS_PID" 2>/dev/null || true
  unplug_device
  KWIN_PID="" BUS_PID="" WAYLAND_DISPLAY="" HARNESS_ENV=() COMPOSITOR_LOG=""
  find "$WL_RUN" -mindepth 1 -maxdepth 1 -exec rm -rf {} +
}

shot() {
  as_user /usr/bin/python3 "$WORK/bin/kwin_shot.py" "$2" >"$WORK/shot.ppm" || fail "no picture of $2"
  convert "$WORK/shot.ppm" "$SHOTS/$1.png"
}
output_size() { awk -v s="$KWIN_SCALE" 'BEGIN { printf "%d %d\n", 1280 * s + 0.5, 720 * s + 0.5 }'; }

pointer_to() { device to "$1" "$2"; }
pointer_by() { device move "$1" "$2"; }
click() { device button 272; }
wheel() { device wheel 1; }
# Keys by their names, as evdev codes.
key() {
  local k
  declare -A code=([Escape]=1 [Tab]=15 [Return]=28 [a]=30 [space]=57 [Down]=108)
  sleep 0.15
  for k in "$@"; do
    [ -n "${code[$k]:-}" ] || fail "no code for the key $k"
    device key "${code[$k]}"
    sleep 0.04
  done
}
