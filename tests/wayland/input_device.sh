# shellcheck shell=bash
# An input device of a test helper program (virtual_pointer, ../kwin/kwin_fake_input), plugged
# in for the rest of the run so that the seat keeps it, as a mouse or keyboard stays plugged in.
#   plug_device PROGRAM   starts it as the user, waits for its "ready"
#   device COMMAND...     sends it one command line and waits for its "done"
#   unplug_device         closes its input: it ends
#   key NAME...           keys by their names (Escape, Return, Up, Tab, a, ...) to the focused
#                         surface, from wtype's virtual keyboard (KWin's harness has its own)

plug_device() {
  rm -f "$WORK/device.in" "$WORK/device.out"
  mkfifo "$WORK/device.in"
  (WL_EXEC=exec as_user "$1" <"$WORK/device.in" >"$WORK/device.out") &
  keep_pid $!
  exec {DEVICE_FD}>"$WORK/device.in"
  for _ in $(seq 100); do grep -q ready "$WORK/device.out" 2>/dev/null && return 0; sleep 0.05; done
  fail "the input device of $(basename "$1") did not come"
}

device() {
  local before
  before=$(grep -c done "$WORK/device.out" || true)
  echo "$*" >&"$DEVICE_FD"
  for _ in $(seq 100); do
    [ "$(grep -c done "$WORK/device.out" || true)" -gt "$before" ] && return 0
    sleep 0.02
  done
  fail "the input device took no \"$*\""
}

unplug_device() {
  [ -z "${DEVICE_FD:-}" ] || exec {DEVICE_FD}>&-
  DEVICE_FD=""
}

# One wtype for them all, after a pause: each wtype is a new virtual keyboard, and a client
# loses keys sent while it takes in the new keyboard's keymap (Qt lost the first of three).
key() {
  local args=(-s 150) k
  for k in "$@"; do args+=(-k "$k" -s 40); done
  as_user wtype "${args[@]}" || fail "wtype $* failed"
}
