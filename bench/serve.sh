# shellcheck shell=bash
# The servers the measured programs run on, for bench/run (sourced by it): a private Xvfb for
# each screen size, a home of their own, for the Windows program a Wine prefix under
# build/bench with a wineserver of its own in the foreground, so that its CPU can be read, and
# for the Wayland rows a headless sway whose outputs the bench sizes itself.
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

# --- headless sway, for the Wayland rows ----------------------------------------------------
# sway refuses to run as root, so as root the compositor and the programs it shows run as the
# user corvanta-bench, made when missing, from a folder anyone may enter: the programs are
# copied there, beside that user's home and a private runtime folder holding the sockets.
SWAY_PID=""
WL=""

wl_prepare() {  # <incremental program> <naive program>
  local tool
  for tool in sway swaymsg grim setpriv; do
    command -v "$tool" >/dev/null && continue
    log "no $tool: the Wayland rows are not measured"
    printf '%s\n' "wl.$BIG.inc no $tool" "wlroot.$BIG.inc no $tool" >>"$WORK/refused"
    return 1
  done
  WL=$(mktemp -d)
  chmod 755 "$WL"
  install -D -m 755 "$1" "$WL/inc/corvanta"
  install -D -m 755 "$2" "$WL/naive/corvanta"
  mkdir -p "$WL/home/.config" "$WL/run"
  chmod 700 "$WL/run"
  printf '%s\n' 'xwayland disable' 'swaybg_command -' 'default_border none' >"$WL/sway.config"
  chmod 644 "$WL/sway.config"
  if [ "$(id -u)" = 0 ]; then
    id corvanta-bench >/dev/null 2>&1 || useradd -M -s /usr/sbin/nologin corvanta-bench
    AS_WL=(setpriv --reuid=corvanta-bench --regid=corvanta-bench --init-groups --reset-env --)
    chown -R corvanta-bench "$WL/home" "$WL/run"
  else
    AS_WL=()
  fi
}

# Runs its arguments as that user against the current sway, in a clean environment: no
# DISPLAY, so nothing of the program's can fall back to the X server. With WL_EXEC=exec in a
# subshell the command takes the subshell's place, so that $! is its own pid.
as_wl() {
  ${WL_EXEC:-} "${AS_WL[@]}" env -i PATH=/usr/bin:/bin HOME="$WL/home" \
    XDG_CONFIG_HOME="$WL/home/.config" XDG_RUNTIME_DIR="$WL/run" \
    ${WAYLAND_DISPLAY:+WAYLAND_DISPLAY="$WAYLAND_DISPLAY"} ${SWAYSOCK:+SWAYSOCK="$SWAYSOCK"} "$@"
}

# A headless sway with N outputs of one size side by side, HEADLESS-1 at the left; sets
# SWAY_PID, WAYLAND_DISPLAY, SWAYSOCK and WL_OUTPUTS, WL_WIDTH, WL_HEIGHT. Returns 1 when it
# does not come up.
start_sway() {  # <outputs> <width>x<height>
  local n=$1 size=$2 i name
  stop_sway
  # shellcheck disable=SC2034  # read by measure_wayland.sh
  WL_OUTPUTS=$n WL_WIDTH=${size%x*} WL_HEIGHT=${size#*x}
  WAYLAND_DISPLAY="" SWAYSOCK=""
  (
    cd "$WL" || exit 1
    WL_EXEC="exec" as_wl WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
      WLR_HEADLESS_OUTPUTS=1 sway -c "$WL/sway.config"
  ) >"$WORK/sway.log" 2>&1 &
  SWAY_PID=$!
  COMPOSITOR_PID=$SWAY_PID
  STARTED+=("$SWAY_PID")
  for _ in $(seq 200); do
    kill -0 "$SWAY_PID" 2>/dev/null || break
    SWAYSOCK=$(find "$WL/run" -maxdepth 1 -name 'sway-ipc.*.sock' -print -quit)
    WAYLAND_DISPLAY=$(find "$WL/run" -maxdepth 1 -name 'wayland-*' ! -name '*.lock' -printf '%f\n' -quit)
    [ -n "$SWAYSOCK" ] && [ -n "$WAYLAND_DISPLAY" ] && as_wl swaymsg -t get_outputs >/dev/null 2>&1 &&
      break
    SWAYSOCK="" WAYLAND_DISPLAY=""
    sleep 0.05
  done
  [ -n "$SWAYSOCK" ] || { log "sway did not start: $(tail -n 3 "$WORK/sway.log")"; return 1; }
  for ((i = 2; i <= n; i++)); do as_wl swaymsg create_output >/dev/null; done
  for ((i = 1; i <= n; i++)); do
    name=HEADLESS-$i
    as_wl swaymsg output "$name" mode "$size" pos $(((i - 1) * WL_WIDTH)) 0 >/dev/null ||
      { log "sway: $name does not take $size"; return 1; }
  done
}

stop_sway() {
  [ -n "$SWAY_PID" ] || return 0
  kill "$SWAY_PID" 2>/dev/null || true
  wait "$SWAY_PID" 2>/dev/null || true
  SWAY_PID="" COMPOSITOR_PID="" WAYLAND_DISPLAY="" SWAYSOCK=""
  find "$WL/run" -mindepth 1 -maxdepth 1 -exec rm -rf {} +
}
