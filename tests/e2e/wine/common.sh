# Shared by the Wine end-to-end tests: a private X server, the shared Wine prefix, starting the
# program and the helper programs, bounded waits, screenshots. Sourced, never run.
#
# Expects: SCR (corvanta.scr), TOOLS (folder of preview_host.exe and window_probe.exe),
# SHOT_PROBE (native screenshot reader), WORK (this test's scratch folder), SHOTS (where the
# screenshots are kept), WINEPREFIX (made by the prefix fixture).
set -euo pipefail

# Without the Windows program there is nothing to test: 77 is what CTest counts as skipped.
if [ ! -f "${SCR:?the path of corvanta.scr}" ]; then
  echo "skipped: no $SCR to run (build the windows preset first)"
  exit 77
fi
source "$(dirname "${BASH_SOURCE[0]}")/../../xvfb.sh"

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$WORK" "$SHOTS" "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

FAILURES=0
STARTED=()   # process ids of everything this test started, ended on exit

fail() { echo "FAIL: $*" >&2; FAILURES=$((FAILURES + 1)); }
pass() { echo "ok: $*"; }

cleanup() {
  local pid
  for pid in "${STARTED[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  # The prefix's server and its helper processes (the desktop, services) were started for
  # this test by the processes above; end them before their X server goes.
  timeout 10 wineserver -k 2>/dev/null || true
  stop_xvfbs
}
trap cleanup EXIT

# A private X server, 1024 x 768 unless a <width>x<height> is given.
start_x() {
  # Wine processes left by an earlier test that failed to clean up would still talk to that
  # test's X server; the Wine tests never overlap, so whatever runs in the prefix is stale.
  [ -n "${WINEPREFIX:-}" ] && { timeout 10 wineserver -k 2>/dev/null || true; }
  start_xvfb "${1:-1024x768}"
}

winpath() { printf 'Z:%s' "${1//\//\\}"; }

# Starts the program in the background; its process id lands in LAST_PID.
start_scr() {
  wine "$SCR" "$@" >>"$WORK/wine.log" 2>&1 &
  LAST_PID=$!
  STARTED+=("$LAST_PID")
}

# Waits up to $2 seconds for process $1 to end; sets EXIT_CODE (empty if it did not end).
wait_exit() {
  local pid=$1 limit=$2 i
  EXIT_CODE=""
  for i in $(seq $((limit * 20))); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  if kill -0 "$pid" 2>/dev/null; then return 1; fi
  set +e
  wait "$pid"
  EXIT_CODE=$?
  set -e
  return 0
}

# Waits up to $2 seconds for a top-level X window titled $1.
wait_window() {
  local title=$1 limit=$2 i
  for i in $(seq $((limit * 20))); do
    xwininfo -root -tree 2>/dev/null | grep -qF "\"$title\"" && return 0
    sleep 0.05
  done
  return 1
}

shot() { import -window root "$SHOTS/$1.png"; convert "$SHOTS/$1.png" "ppm:$WORK/$1.ppm"; }

# Lists the windows of the top-level window titled $1 into $WORK/probe.txt (see window_probe).
probe() {
  local title=$1
  shift
  rm -f "$WORK/probe.txt"
  wine "$TOOLS/window_probe.exe" "$(winpath "$WORK/probe.txt")" "$title" "$@" >>"$WORK/wine.log" 2>&1
}

finish() {
  if [ "$FAILURES" -ne 0 ]; then
    echo "$FAILURES check(s) failed; screenshots in $SHOTS" >&2
    exit 1
  fi
  echo "all checks passed; screenshots in $SHOTS"
}

# The program without its helpers is a broken Windows build, not a missing one.
for need in "$TOOLS/preview_host.exe" "$TOOLS/window_probe.exe"; do
  [ -f "$need" ] || { echo "missing $need, though $SCR is there" >&2; exit 1; }
done
