# shellcheck shell=bash
# A headless mutter of the script's own, as GNOME runs it, on the user of ../wayland/lib.sh:
# inside a session bus of its own with PipeWire and WirePlumber, without which mutter offers no
# remote input or screen cast. Sourcing starts nothing.
#
#   start_mutter [WxH...]  starts it with one virtual monitor per size (default 1280x720),
#                          named Meta-0, Meta-1, ...; every client gets its bus and the
#                          keyfile GSettings backend (gsetting in session.sh writes it)
#   stop_mutter            ends mutter alone, as a compositor that crashes
#   gnome_key CODE...      presses and releases evdev key codes through RemoteDesktop
#   wait_name NAME         waits up to 10 s for NAME to have an owner on the bus
#   background NAME CMD    starts CMD as the user, its output in $WORK/NAME.log; sets LAST
source "$(dirname "${BASH_SOURCE[0]}")/../wayland/lib.sh"

for tool in mutter pipewire wireplumber dbus-daemon gdbus; do
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

start_mutter() {
  local monitors=() size
  for size in "${@:-1280x720}"; do monitors+=(--virtual-monitor "$size"); done
  HARNESS_ENV=(DBUS_SESSION_BUS_ADDRESS="unix:path=$WL_RUN/bus" GSETTINGS_BACKEND=keyfile)
  background dbus dbus-daemon --session --nofork --address="unix:path=$WL_RUN/bus"
  for _ in $(seq 100); do [ -S "$WL_RUN/bus" ] && break; sleep 0.05; done
  background pipewire pipewire
  background wireplumber wireplumber
  background mutter mutter --headless --wayland --no-x11 "${monitors[@]}" --wayland-display wayland-gn
  MUTTER=$LAST
  COMPOSITOR_LOG=$WORK/mutter.log
  wait_name org.gnome.Mutter.IdleMonitor
  wait_name org.gnome.Mutter.RemoteDesktop
  WAYLAND_DISPLAY=wayland-gn
}

stop_mutter() {
  kill "$MUTTER"
  wait "$MUTTER" 2>/dev/null || true
}

gnome_key() { as_user /usr/bin/python3 "$WORK/bin/remote_input.py" "$@" || fail "remote input failed"; }
