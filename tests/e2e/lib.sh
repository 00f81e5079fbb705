# Shared by the end-to-end scripts: a private Xvfb, a private home, and small helpers.
# Every script sources this first; everything it starts is ended when the script ends.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../xvfb.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../process_checks.sh"

: "${CORVANTA:?path of the program}" "${X_HOST:?}" "${FRAME_CHECK:?}" "${SHOTS:?}"

WORK=$(mktemp -d)
PIDS=()
cleanup() {
  local pid
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  stop_xvfbs
  rm -rf "$WORK"
}
trap cleanup EXIT

# Nothing of the caller's desktop leaks in: own home, own runtime folder, own X server.
export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/home/.config XDG_RUNTIME_DIR=$WORK/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING \
  WAYLAND_DISPLAY XAUTHORITY
INI="$XDG_CONFIG_HOME/Corvanta Screen Saver.ini"

rm -rf "$SHOTS"
mkdir -p "$SHOTS"

# A script may ask for another screen size (XVFB_SCREEN) and a white root (XVFB_WHITE=1).
start_xvfb "${XVFB_SCREEN:-1024x768}" ${XVFB_WHITE:+-wr}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

step() { echo "-- $*"; }

# Starts the program in the background with the given arguments; sets PID.
start() {
  local n=${#PIDS[@]}
  "$CORVANTA" "$@" >"$WORK/out.$n" 2>"$WORK/err.$n" &
  PID=$!
  PIDS+=("$PID")
  OUT=$WORK/out.$n ERR=$WORK/err.$n
}

# Waits for a visible window named exactly $1; prints its id.
window() {
  local id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.025
  done
  fail "no window named \"$1\" appeared"
}

shot() { import -window root "$SHOTS/$1.png"; }

cursor() { "$X_HOST" cursor; }

# A preview host: a W x H window at (X, Y) of our own X client. Sets HOST_ID and HOST_FD;
# host_do sends it "destroy", "unmap" or "map".
host() {
  local n=${#PIDS[@]}
  mkfifo "$WORK/host.$n.in"
  "$X_HOST" window "$@" <"$WORK/host.$n.in" >"$WORK/host.$n.out" &
  PIDS+=($!)
  exec {HOST_FD}>"$WORK/host.$n.in"
  for _ in $(seq 200); do [ -s "$WORK/host.$n.out" ] && break; sleep 0.01; done
  HOST_ID=$(head -n 1 "$WORK/host.$n.out")
  [ -n "$HOST_ID" ] || fail "the host window did not appear"
}
host_do() { echo "$1" >&"$HOST_FD"; }

# Waits until the host window has a child: the preview embedded itself.
embedded() {
  for _ in $(seq 200); do
    xwininfo -children -id "$HOST_ID" 2>/dev/null | grep -q "1 child:" && return 0
    sleep 0.025
  done
  fail "the preview did not embed itself in the host window"
}

# Runs the watch for windows being mapped for $1 seconds in the background; maps_seen sets
# MAPS to how many were (not in $(...): a subshell cannot wait for the watch).
watch_maps() {
  "$X_HOST" maps "$1" >"$WORK/maps" &
  MAPS_PID=$!
  PIDS+=("$MAPS_PID")
  for _ in $(seq 200); do grep -q ready "$WORK/maps" 2>/dev/null && return 0; sleep 0.01; done
  fail "the map watch did not start"
}
maps_seen() {
  wait "$MAPS_PID" || true
  MAPS=$(tail -n 1 "$WORK/maps")
}
