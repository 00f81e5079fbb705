# shellcheck shell=bash
# The servers the measured programs run on, for bench/run (sourced by it): a private Xvfb for
# each screen size, a home of their own, and for the Windows program a Wine prefix under
# build/bench with a wineserver of its own in the foreground, so that its CPU can be read.
# shellcheck source=tests/xvfb.sh
source "$ROOT/tests/xvfb.sh"
WINESERVER_PID=""

start_x() {  # <width>x<height>
  stop_xvfb
  # -br: a black root, so nothing on screen looks like a ball before the program draws.
  start_xvfb "$1" -br
}

private_home() {
  export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/home/.config XDG_RUNTIME_DIR=$WORK/run
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS WAYLAND_DISPLAY XAUTHORITY
}

# Splits the current server's screen, twice as wide as it is high, into two side-by-side
# RandR monitors: the primary on the left, where the probe looks for the race, and another.
two_monitors() {  # <width of each>x<height>
  local w=${1%x*} h=${1#*x}
  xrandr --setmonitor "*MAIN" "$w/1016x$h/571+0+0" screen >/dev/null
  xrandr --setmonitor SIDE "$w/1016x$h/571+$w+0" none >/dev/null
}

# Made once and kept between runs; needs an X server.
wine_prefix() {
  export WINEPREFIX=$SCRATCH/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  [ -f "$WINEPREFIX/.ready" ] && return 0
  log "making the Wine prefix"
  rm -rf "$WINEPREFIX"
  timeout 180 wineboot -i >>"$WORK/wine.log" 2>&1
  timeout 60 wineserver -w
  touch "$WINEPREFIX/.ready"
}

start_wineserver() {
  wineserver -f -p >>"$WORK/wine.log" 2>&1 &
  WINESERVER_PID=$!
}

stop_wineserver() {
  [ -n "$WINESERVER_PID" ] || return 0
  timeout 10 wineserver -k 2>/dev/null || true
  kill "$WINESERVER_PID" 2>/dev/null || true
  wait "$WINESERVER_PID" 2>/dev/null || true
  WINESERVER_PID=""
}
