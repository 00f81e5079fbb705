# Shared by the Linux fault scripts: everything of the end-to-end helpers (private Xvfb, home,
# start/wait/window/cursor), plus what faults need on top: knowing that nothing a run started
# is left behind, the first race's finishing positions as a fingerprint of the ball speed,
# and running the program as a user whom file permissions bind.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

# Starts the program in a session of its own, so that "nothing left running" can be checked
# after it ends: every process it could have started stays in that session. Sets PID = SID.
# With AS set (e.g. AS="setpriv --reuid=nobody ..."), runs it through that.
start_alone() {
  local n=${#PIDS[@]}
  # shellcheck disable=SC2086
  $AS setsid "$CORVANTA" "$@" >"$WORK/out.$n" 2>"$WORK/err.$n" &
  PID=$!
  PIDS+=("$PID")
  OUT=$WORK/out.$n ERR=$WORK/err.$n
}

# setsid execs in place when it is not a group leader (a background job of a script never is),
# so the program's process id is its session id.
nothing_left() {
  local f line rest left=""
  for f in /proc/[0-9]*/stat; do
    read -r line 2>/dev/null <"$f" || continue
    rest=${line##*) }  # after the command name, which may hold blanks and parentheses
    read -r _ _ _ sid _ <<<"$rest"
    [ "$sid" = "$1" ] && left+=" ${f//[^0-9]/}"
  done
  [ -z "$left" ] || fail "processes of session $1 still run:$left"
}

# Ends a run and checks the usual: within $2 s, exit code 0, nothing on stdout/stderr,
# nothing left running.
ends_cleanly() {
  local what=$1 limit=$2
  wait_exit "$PID" "$limit"
  [ "$RC" = 0 ] || fail "$what: exit code $RC"
  silent
  nothing_left "$PID"
}

# The x of each ball in the first hold frame, "x1 ... x9". The race draws from a random source
# with a fixed start, so on one screen these positions depend only on the ball speed; the
# rolling frame, which follows wall-clock timers, is not part of them.
first_hold() {
  start_alone /S
  window "Screen Saver" >/dev/null
  local found=0
  for _ in $(seq 150); do
    shot "hold-$1"
    if "$FRAME_CHECK" hold "$SHOTS/hold-$1.png" >"$WORK/hold.txt" 2>&1; then found=1; break; fi
    sleep 0.1
  done
  [ $found = 1 ] || { cat "$WORK/hold.txt" >&2; fail "$1: no race finished"; }
  HOLD=$(awk '/^hold: ball/ { sub(/^\(/, "", $5); sub(/,$/, "", $5); printf "%s ", $5 }' \
    "$WORK/hold.txt")
  xdotool key space
  ends_cleanly "$1" 2
}

# A home for a user other than root, for runs in which file permissions must bite: root reads
# and writes through any mode bits. Sets AS, and moves HOME, XDG_CONFIG_HOME, XDG_RUNTIME_DIR
# and INI there. As a plain user the program simply runs as that user.
unprivileged_home() {
  local base
  base=$(mktemp -d)
  chmod 755 "$base"
  PIDS_BASES+=("$base")
  export HOME=$base/home XDG_CONFIG_HOME=$base/home/.config XDG_RUNTIME_DIR=$base/run
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  INI="$XDG_CONFIG_HOME/Corvanta Screen Saver.ini"
  AS=""
  if [ "$(id -u)" = 0 ]; then
    chown -R nobody:nogroup "$base/home" "$base/run"
    AS="setpriv --reuid=nobody --regid=nogroup --clear-groups"
  fi
}
PIDS_BASES=()
AS=""
trap 'rm -rf "${PIDS_BASES[@]}"; cleanup' EXIT

# Runs a shell command as the program's user (root sees through permissions).
as_user() {
  # shellcheck disable=SC2086
  $AS bash -c "$1"
}
