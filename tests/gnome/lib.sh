# shellcheck shell=bash
# Shared by the GNOME scripts: a headless mutter of their own, as GNOME runs it, inside a
# session bus of its own with PipeWire and WirePlumber (without them mutter offers no remote
# input or screen cast), all as an unprivileged user in a private runtime folder.
#
#   start_mutter [WxH...]  starts it with one virtual monitor per size (default 1280x720),
#                          named Meta-0, Meta-1, ...; sets BUS (the session bus's address)
#   stop_mutter            ends mutter alone, as a compositor that crashes
#   as_user CMD            runs CMD as that user in this session (WAYLAND_DISPLAY, BUS set)
#   gnome_key CODE...      presses and releases evdev key codes through RemoteDesktop
# and fail, step, wait_exit, running. Everything started is ended when the script ends.
set -euo pipefail
: "${CORVANTA:?path of the program}"
source "$(dirname "${BASH_SOURCE[0]}")/../process_checks.sh"
GNOME_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

for tool in mutter pipewire wireplumber dbus-daemon gdbus setpriv; do
  command -v "$tool" >/dev/null || { echo "FAIL: no $tool: run scripts/install-deps" >&2; exit 1; }
done

WORK=$(mktemp -d)
chmod 755 "$WORK"
PIDS=()
MUTTER=""
cleanup() {
  local i
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill "${PIDS[i]}" 2>/dev/null || true; done
  for i in "${PIDS[@]}"; do wait "$i" 2>/dev/null || true; done
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ ! -s "$WORK/mutter.log" ] || tail -n 15 "$WORK/mutter.log" >&2
  exit 1
}; step() { echo "-- $*"; }

# mutter, like every compositor here, is run as a user of its own, never as root.
if [ "$(id -u)" = 0 ]; then
  GN_USER=corvanta-gn
  id "$GN_USER" >/dev/null 2>&1 || useradd -M -s /usr/sbin/nologin "$GN_USER" 2>/dev/null ||
    id "$GN_USER" >/dev/null 2>&1 || fail "cannot make the user $GN_USER"
  AS=(setpriv --reuid="$GN_USER" --regid="$GN_USER" --init-groups --reset-env --)
else
  GN_USER=$(id -un)
  AS=()
fi
WL_USER=$GN_USER  # the name the watch's helpers know it by
BIN=$WORK/bin/corvanta
install -D -m 755 "$CORVANTA" "$BIN"
install -m 755 "$GNOME_DIR"/*.py "$WORK/bin/"
GN_HOME=$WORK/home GN_RUN=$WORK/run BUS="" WAYLAND_DISPLAY=""
mkdir -p "$GN_HOME/.config" "$GN_RUN"
chmod 700 "$GN_RUN"
[ "$(id -u)" != 0 ] || chown -R "$GN_USER" "$GN_HOME" "$GN_RUN"

# With WL_EXEC=exec in a subshell the command takes the subshell's place, so $! is its pid.
as_user() {
  ${WL_EXEC:-} "${AS[@]}" env -i PATH=/usr/bin:/bin HOME="$GN_HOME" USER="$GN_USER" \
    XDG_CONFIG_HOME="$GN_HOME/.config" XDG_RUNTIME_DIR="$GN_RUN" GSETTINGS_BACKEND=keyfile \
    ${BUS:+DBUS_SESSION_BUS_ADDRESS="$BUS"} ${WAYLAND_DISPLAY:+WAYLAND_DISPLAY="$WAYLAND_DISPLAY"} \
    "$@"
}
# Starts a program as the user, in the background, output in $WORK/NAME.log; sets LAST.
background() {
  local name=$1
  shift
  (WL_EXEC=exec as_user "$@") >"$WORK/$name.log" 2>&1 &
  LAST=$!
  PIDS+=("$LAST")
}
# Waits up to 10 s for a bus name to have an owner.
wait_name() {
  for _ in $(seq 200); do
    as_user gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
      -m org.freedesktop.DBus.NameHasOwner "$1" 2>/dev/null | grep -q true && return 0
    sleep 0.05
  done
  fail "nobody took $1 on the bus"
}

start_mutter() {
  local monitors=() size
  for size in "${@:-1280x720}"; do monitors+=(--virtual-monitor "$size"); done
  background dbus dbus-daemon --session --nofork --print-address --address="unix:path=$GN_RUN/bus"
  BUS=unix:path=$GN_RUN/bus
  for _ in $(seq 100); do [ -S "$GN_RUN/bus" ] && break; sleep 0.05; done
  background pipewire pipewire
  background wireplumber wireplumber
  WAYLAND_DISPLAY=wayland-gn
  background mutter mutter --headless --wayland --no-x11 "${monitors[@]}" --wayland-display wayland-gn
  MUTTER=$LAST
  wait_name org.gnome.Mutter.IdleMonitor
  wait_name org.gnome.Mutter.RemoteDesktop
}

stop_mutter() { kill "$MUTTER"; wait "$MUTTER" 2>/dev/null || true; }
gnome_key() { as_user /usr/bin/python3 "$WORK/bin/remote_input.py" "$@" || fail "remote input failed"; }
