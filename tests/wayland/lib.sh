# shellcheck shell=bash
# The core every Wayland end-to-end script stands on, whatever its compositor: an unprivileged
# user and its folders, running things as that user, the program, and one scenario a run.
# A compositor's harness (sway.sh here, ../kwin/kwin.sh, ../phoc/phoc.sh) sources this first;
# everything started is ended when the script ends.
#
# Compositors refuse to run as root, so as root everything runs as the user corvanta-wl, which
# is made when missing. That user reads only what lies in a folder anyone may enter ($WORK,
# mode 755): the program is copied there ($BIN), with the user's home ($WL_HOME, its settings
# file $INI) and a private runtime folder ($WL_RUN, mode 0700) for the compositor's sockets.
#
#   as_user CMD      runs CMD as that user in a clean environment: the compositor's socket
#                    (WAYLAND_DISPLAY), what the harness adds (HARNESS_ENV), WL_ENV; no DISPLAY
#   start ARGS       starts $BIN ARGS in the background as the user; sets PID (the program's own:
#                    signals reach it), OUT, ERR
#   keep_pid PID     ends PID with the script
#   on_exit CMD      runs CMD when the script ends, before the folders go
#   run_scenario S   runs the script's function scenario_S: the last line of every script
#   step, fail       a line of progress; the end of the test, with the compositor's log's tail
set -euo pipefail

: "${CORVANTA:?path of the program}" "${SHOTS:?folder for screenshots}"
source "$(dirname "${BASH_SOURCE[0]}")/../process_checks.sh"
source "$(dirname "${BASH_SOURCE[0]}")/pictures.sh"

for tool in convert compare identify setpriv jq; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing: run scripts/install-deps" >&2; exit 1; }
done

WORK=$(mktemp -d)
chmod 755 "$WORK"
PIDS=()
EXIT_HOOKS=()
COMPOSITOR_LOG=""
cleanup() {
  local pid hook
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  for hook in "${EXIT_HOOKS[@]}"; do eval "$hook" || true; done
  rm -rf "$WORK"
}
trap cleanup EXIT
on_exit() { EXIT_HOOKS=("$1" "${EXIT_HOOKS[@]}"); }
keep_pid() { PIDS+=("$1"); }

fail() {
  echo "FAIL: $*" >&2
  [ -z "$COMPOSITOR_LOG" ] || [ ! -s "$COMPOSITOR_LOG" ] || tail -n 20 "$COMPOSITOR_LOG" >&2
  exit 1
}

step() { echo "-- $*"; }

# --- the user and its folders ---------------------------------------------------------------
if [ "$(id -u)" = 0 ]; then
  WL_USER=corvanta-wl
  # Two scripts at once may both find the user missing; one of them makes it.
  id "$WL_USER" >/dev/null 2>&1 || useradd -M -s /usr/sbin/nologin "$WL_USER" 2>/dev/null ||
    id "$WL_USER" >/dev/null 2>&1 || fail "cannot make the user $WL_USER"
  AS=(setpriv --reuid="$WL_USER" --regid="$WL_USER" --init-groups --reset-env --)
else
  WL_USER=$(id -un)
  AS=()
fi

BIN=$WORK/bin/corvanta
install -D -m 755 "$CORVANTA" "$BIN"
WL_HOME=$WORK/home
WL_RUN=$WORK/run
mkdir -p "$WL_HOME/.config" "$WL_RUN"
chmod 700 "$WL_RUN"
INI="$WL_HOME/.config/Corvanta Screen Saver.ini"
# A sanitizer build reads its suppressions as that user too.
WL_LSAN=${LSAN_OPTIONS:-}
if [[ $WL_LSAN =~ suppressions=([^:]+) ]]; then
  install -m 644 "${BASH_REMATCH[1]}" "$WORK/lsan.supp"
  WL_LSAN=${WL_LSAN/${BASH_REMATCH[1]}/$WORK/lsan.supp}
fi
[ "$(id -u)" != 0 ] || chown -R "$WL_USER" "$WL_HOME" "$WL_RUN"
# Hands files made here to the user, so that the program may rewrite them.
give() { [ "$(id -u)" != 0 ] || chown "$WL_USER" "$@"; }
# The stored speed 2, slow: balls stay near the start while shots are taken.
slow_settings() { printf '[Settings]\nBALL_SPEED=2\n' >"$INI"; give "$INI"; }

rm -rf "$SHOTS"
mkdir -p "$SHOTS"

WAYLAND_DISPLAY=""
HARNESS_ENV=()  # VAR=value the compositor's harness gives every client (its bus, its IPC)
WL_ENV=()       # more VAR=value for the next as_user calls, e.g. WL_ENV=(WAYLAND_DEBUG=1)

# Runs its arguments as the user. With WL_EXEC=exec in a subshell, the command takes the
# subshell's place: ( WL_EXEC=exec as_user CMD ) & makes $! the command's own process id, so no
# runuser or su process stays between.
as_user() {
  ${WL_EXEC:-} "${AS[@]}" env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$WL_HOME" USER="$WL_USER" \
    XDG_CONFIG_HOME="$WL_HOME/.config" XDG_RUNTIME_DIR="$WL_RUN" \
    ${WAYLAND_DISPLAY:+WAYLAND_DISPLAY="$WAYLAND_DISPLAY"} ${WL_LSAN:+LSAN_OPTIONS="$WL_LSAN"} \
    ${HARNESS_ENV[@]+"${HARNESS_ENV[@]}"} ${WL_ENV[@]+"${WL_ENV[@]}"} "$@"
}

# --- the program ------------------------------------------------------------------------------
start() {
  local n=${#PIDS[@]}
  (WL_EXEC=exec as_user "$BIN" "$@") >"$WORK/out.$n" 2>"$WORK/err.$n" &
  PID=$!
  PIDS+=("$PID")
  OUT=$WORK/out.$n ERR=$WORK/err.$n
}

run_scenario() {
  declare -F "scenario_${1:-}" >/dev/null ||
    fail "name a scenario: $(declare -F | sed -n 's/^declare -f scenario_//p' | tr '\n' ' ')"
  "scenario_$1"
  echo "$(basename "$0" _test.sh) $1: passed"
}
