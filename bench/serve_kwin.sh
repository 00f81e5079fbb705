# shellcheck shell=bash
# A headless KWin (KDE Plasma's compositor) for the Wayland rows of bench/run (sourced by it
# after serve.sh, whose user, folder and as_wl it shares): one virtual output of the big size
# in a session bus of its own, run from a plain copy of the binary (the installed one carries
# file capabilities that an unprivileged exec is refused). Its empty desktop is black, so the
# probe that a program shows asks KWin's own screenshot for anything not black.
KWIN_PID=""
KWIN_BUS_PID=""

start_kwin() {  # <width>x<height>
  local size=$1
  stop_sway
  command -v kwin_wayland >/dev/null || { log "no kwin_wayland"; return 1; }
  cp "$(command -v kwin_wayland)" "$WL/kwin_wayland"
  install -m 644 "$ROOT/tests/kwin/kwin_shot.py" "$WL/kwin_shot.py"
  as_wl dbus-daemon --session --fork --print-address=1 --print-pid=1 >"$WORK/kwin.bus" ||
    { log "no session bus for KWin"; return 1; }
  KWIN_BUS_PID=$(sed -n 2p "$WORK/kwin.bus")
  WL_BUS=$(sed -n 1p "$WORK/kwin.bus")
  # shellcheck disable=SC2034  # read by measure_wayland.sh
  WL_OUTPUTS=1 WL_WIDTH=${size%x*} WL_HEIGHT=${size#*x} WL_PROBE=kwin_covered
  (
    cd "$WL" || exit 1
    WL_EXEC="exec" as_wl DBUS_SESSION_BUS_ADDRESS="$WL_BUS" KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 \
      "$WL/kwin_wayland" --virtual --width "$WL_WIDTH" --height "$WL_HEIGHT" --socket kwin-bench \
      --no-lockscreen --no-global-shortcuts --no-kactivities
  ) >"$WORK/kwin.log" 2>&1 &
  KWIN_PID=$!
  COMPOSITOR_PID=$KWIN_PID
  STARTED+=("$KWIN_PID")
  for _ in $(seq 200); do
    kill -0 "$KWIN_PID" 2>/dev/null || break
    WAYLAND_DISPLAY=kwin-bench
    kwin_covered 0 0 2>/dev/null || [ $? = 1 ] && return 0
    sleep 0.1
  done
  log "KWin did not start: $(tail -n 3 "$WORK/kwin.log")"
  return 1
}

stop_kwin() {
  [ -n "$KWIN_PID" ] || return 0
  kill "$KWIN_PID" 2>/dev/null || true
  wait "$KWIN_PID" 2>/dev/null || true
  kill "$KWIN_BUS_PID" 2>/dev/null || true
  KWIN_PID="" KWIN_BUS_PID="" COMPOSITOR_PID="" WAYLAND_DISPLAY="" WL_BUS="" WL_PROBE=""
  find "$WL/run" -mindepth 1 -maxdepth 1 -exec rm -rf {} +
}

# Does anything show on KWin's output: exit 0 when some of it is not black, 1 when all is,
# 2 when KWin gave no picture.
kwin_covered() {  # <x> <height>, as wl_covered takes them; KWin's one output is all there is
  local lit
  lit=$(as_wl DBUS_SESSION_BUS_ADDRESS="$WL_BUS" /usr/bin/python3 "$WL/kwin_shot.py" --lit Virtual-0) ||
    return 2
  [ "$lit" -gt 0 ]
}
