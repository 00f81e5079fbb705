# shellcheck shell=bash
# A headless mutter of the script's own, as GNOME runs it, on the user of ../wayland/lib.sh:
# inside a session bus of its own with PipeWire and WirePlumber, without which mutter offers no
# remote input or screen cast. Sourcing starts nothing.
#
#   start_mutter [WxH...]  starts it with one virtual monitor per size (default 1280x720),
#                          named Meta-0, Meta-1, ...; every client gets its bus and the
#                          keyfile GSettings backend (gsetting in session.sh writes it). With
#                          MUTTER_X11=1, with XWayland as a GNOME session has it: the stand-in
#                          session manager of session.sh first, told the X display by mutter,
#                          which every client gets too
#   shot NAME OUTPUT, output_size OUTPUT   as ../wayland/race.sh asks, through ScreenCast
#   stop_mutter            ends mutter alone, as a compositor that crashes
#   gnome_input key CODE | move DX DY ...   input through RemoteDesktop (evdev key codes,
#                          pressed and released; relative pointer motion)
#   wait_name NAME         waits up to 10 s for NAME to have an owner on the bus
#   background NAME CMD    starts CMD as the user, its output in $WORK/NAME.log; sets LAST
source "$(dirname "${BASH_SOURCE[0]}")/../wayland/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../wayland/race.sh"
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"

for tool in mutter pipewire wireplumber pw-cli dbus-daemon gdbus; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps"
done
install -m 755 "$(dirname "${BASH_SOURCE[0]}")"/*.py "$WORK/bin/"

background() {
  local name=$1
  shift
  (WL_EXEC=exec as_user "$@") >"$WORK/$name.log" 2>&1 &
  LAST=$!
  keep_pid "$LAST"
}

wait_name() {
  for _ in $(seq 200); do
    as_user gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
      -m org.freedesktop.DBus.NameHasOwner "$1" 2>/dev/null | grep -q true && return 0
    sleep 0.05
  done
  fail "nobody took $1 on the bus"
}

# Waits up to 10 s for the session's PipeWire to answer, and with a name, for a client of it.
wait_pipewire() {
  local client=${1:-pw-cli} log=${1:-pipewire}
  for _ in $(seq 200); do
    [[ "$(as_user pw-cli ls Client 2>/dev/null)" == *"application.name = \"$client\""* ]] &&
      return 0
    sleep 0.05
  done
  fail "${1:-PipeWire} never answered: $(tail -n 1 "$WORK/${log,,}.log")"
}

MONITORS=()
start_mutter() {
  local args=(--headless --wayland --wayland-display wayland-gn) size x
  MONITORS=("${@:-1280x720}")
  for size in "${MONITORS[@]}"; do args+=(--virtual-monitor "$size"); done
  HARNESS_ENV=(DBUS_SESSION_BUS_ADDRESS="unix:path=$WL_RUN/bus" GSETTINGS_BACKEND=keyfile)
  background dbus dbus-daemon --session --nofork --address="unix:path=$WL_RUN/bus"
  for _ in $(seq 100); do [ -S "$WL_RUN/bus" ] && break; sleep 0.05; done
  background pipewire pipewire
  # WirePlumber started before PipeWire listens gives up at once, and without it no screen
  # cast is ever linked to its reader: on a busy machine PipeWire takes its time.
  wait_pipewire
  background wireplumber wireplumber
  wait_pipewire WirePlumber
  [ -n "${MUTTER_X11:-}" ] && start_session_manager || args+=(--no-x11)
  background mutter mutter "${args[@]}"
  MUTTER=$LAST
  COMPOSITOR_LOG=$WORK/mutter.log
  wait_name org.gnome.Mutter.IdleMonitor
  wait_name org.gnome.Mutter.RemoteDesktop
  WAYLAND_DISPLAY=wayland-gn
  [ -n "${MUTTER_X11:-}" ] || return 0
  for x in DISPLAY XAUTHORITY; do
    grep -q "^$x=" "$WORK/session_manager.log" || fail "mutter told the session no $x"
    HARNESS_ENV+=("$(grep -m 1 "^$x=" "$WORK/session_manager.log")")
  done
}

stop_mutter() {
  kill "$MUTTER"
  wait "$MUTTER" 2>/dev/null || true
}

# A monitor where nothing moves may send no frame to a new stream in time, and a busy machine
# may hold one back: tried five times.
shot() {
  local i
  for i in 1 2 3 4 5; do
    as_user /usr/bin/python3 "$WORK/bin/screencast.py" "$2" >"$SHOTS/$1.png" 2>"$WORK/shot.err" &&
      return 0
  done
  fail "no picture of $2: $(tail -n 1 "$WORK/shot.err")"
}
output_size() { tr x ' ' <<<"${MONITORS[${1#Meta-}]}"; }
gnome_input() {
  as_user /usr/bin/python3 "$WORK/bin/remote_input.py" "$@" 2>"$WORK/input.err" ||
    fail "remote input failed: $(tail -n 2 "$WORK/input.err")"
}
