# shellcheck shell=bash
# A private X server for the shell scripts of the tests and the benchmarks. Sourced, never run.
#
#   start_xvfb <width>x<height> [more Xvfb arguments...]
# starts Xvfb at 24 bits and 96 dpi on a display number it picks itself, waits until it takes
# connections, exports DISPLAY and sets XVFB_PID; it ends the script when the server does not
# come up. -noreset keeps the server as it is when its last client leaves, as a desktop's
# server stays, instead of starting over between two programs of one test.
#   stop_xvfb       ends the latest server and waits for it
#   stop_xvfbs      ends every server started here; runs on exit, and a script that sets its
#                   own EXIT trap calls it from there
XVFB_PIDS=()
XVFB_PID=""
XVFB_DIR=$(mktemp -d)

start_xvfb() {
  local size=$1 n=${#XVFB_PIDS[@]}
  shift
  local number=$XVFB_DIR/display.$n log=$XVFB_DIR/log.$n
  Xvfb -displayfd 3 -screen 0 "${size}x24" -dpi 96 -nolisten tcp -noreset "$@" \
    3>"$number" >"$log" 2>&1 &
  XVFB_PID=$!
  XVFB_PIDS+=("$XVFB_PID")
  for _ in $(seq 200); do
    [ -s "$number" ] && break
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.05
  done
  if [ ! -s "$number" ]; then
    cat "$log" >&2
    echo "FAIL: Xvfb did not start on a ${size} screen" >&2
    exit 1
  fi
  export DISPLAY=":$(head -n 1 "$number")"
}

stop_xvfb() {
  [ -n "$XVFB_PID" ] || return 0
  kill "$XVFB_PID" 2>/dev/null || true
  wait "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=""
}

stop_xvfbs() {
  local pid
  for pid in "${XVFB_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${XVFB_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  XVFB_PIDS=() XVFB_PID=""
  rm -rf "$XVFB_DIR"
}
trap stop_xvfbs EXIT
