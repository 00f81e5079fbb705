#!/usr/bin/env bash
# The preview under Wine, inside a host window of our own with a 152 x 112 client area: the
# show window becomes the host's child at the host's client size, and the program ends within a
# second however the host's window goes away. Wine 8 does not paint a child window that belongs
# to another process, so this checks the window structure and the lifetime, not pixels.
# Usage: preview_test.sh <scratch> <screenshots>
WORK="$1" SHOTS="$2"
source "$(dirname "$0")/common.sh"
start_x

# Starts the host; its window handle lands in HOST_HWND, its process id in HOST_PID.
start_host() {
  rm -f "$WORK/host.txt"
  wine "$TOOLS/preview_host.exe" "$(winpath "$WORK/host.txt")" "$@" >>"$WORK/wine.log" 2>&1 &
  HOST_PID=$!
  STARTED+=("$HOST_PID")
  local i
  for i in $(seq 200); do grep -q '^host ' "$WORK/host.txt" 2>/dev/null && break; sleep 0.05; done
  HOST_HWND=$(awk '$1 == "host" { print $2 }' "$WORK/host.txt" 2>/dev/null)
  [ -n "$HOST_HWND" ] || { fail "the preview host did not start"; return 1; }
}
wait_child() {
  local i
  for i in $(seq 200); do grep -q '^child ' "$WORK/host.txt" && return 0; sleep 0.05; done
  fail "the preview never became the host's child"
  return 1
}
check_child() {  # <what>
  local line
  line=$(grep '^child ' "$WORK/host.txt")
  [[ "$line" == *" pid "* && "$line" == *" client 152x112 style_child 1 visible 1" ]] \
    && pass "$1: the show window is the host's visible child, 152 x 112" \
    || fail "$1: host sees '$line'"
}

# --- The host destroys its window ----------------------------------------------------------
start_host --destroy
start_scr /p "$HOST_HWND"
saver=$LAST_PID
wait_child && check_child "destroyed host"
for i in $(seq 200); do grep -q '^saver_exit_ms ' "$WORK/host.txt" && break; sleep 0.05; done
ms=$(awk '$1 == "saver_exit_ms" { print $2 }' "$WORK/host.txt")
if [[ "$ms" =~ ^[0-9]+$ ]] && [ "$ms" -le 1000 ]; then
  pass "the preview ended $ms ms after the host destroyed its window"
else
  fail "the preview did not end within 1 s of the host destroying its window ($ms)"
fi
wait_exit "$saver" 5 && [ "$EXIT_CODE" = 0 ] || fail "preview exit code '$EXIT_CODE'"

# --- The host's process dies without destroying anything -----------------------------------
start_host
start_scr /P "$HOST_HWND"
saver=$LAST_PID
wait_child && check_child "killed host"
shot preview_host  # the host's window; the child in it stays unpainted under Wine 8
{ kill -9 "$HOST_PID"; wait "$HOST_PID"; } 2>/dev/null || true
start=$(date +%s%N)
if wait_exit "$saver" 5; then
  ms=$((($(date +%s%N) - start) / 1000000))
  [ "$ms" -le 1000 ] && pass "the preview ended $ms ms after the host's process was killed" \
    || fail "the preview took $ms ms to end after the host's process was killed"
  [ "$EXIT_CODE" = 0 ] || fail "preview exit code '$EXIT_CODE'"
else
  fail "the preview outlived its killed host by 5 s"
fi

# --- A preview with nothing to show in ends at once ---------------------------------------
start_host
for args in "/p" "/p 0" "/p 99999999" "/p:12 x"; do
  # shellcheck disable=SC2086
  start_scr $args
  wait_exit "$LAST_PID" 10 && [ "$EXIT_CODE" = 0 ] && pass "'$args' ends at once, exit code 0" \
    || fail "'$args' kept running or failed (exit code '$EXIT_CODE')"
done

finish
