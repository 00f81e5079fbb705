# The README's first command, its start step on a Wayland desktop with no X server: the race
# comes on a headless sway with DISPLAY unset; with neither variable set it says so in a line.
source "$(dirname "$0")/sway.sh"

# The script as the repository has it, beside a built program, where the test user can read.
mkdir -p "$WORK/repo/scripts" "$WORK/repo/build/linux"
install -m 755 "$(dirname "$0")/../../scripts/show" "$WORK/repo/scripts/show"
install -m 755 "$BIN" "$WORK/repo/build/linux/corvanta"

scenario_no_desktop() {
  local rc=0 err
  err=$(env -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u DISPLAY "$WORK/repo/scripts/show" --no-build 2>&1) ||
    rc=$?
  [ "$rc" = 1 ] || fail "exit code $rc, not 1"
  [ "$(printf '%s\n' "$err" | wc -l)" = 1 ] || fail "not one line: $err"
  [[ $err == *WAYLAND_DISPLAY* && $err == *" DISPLAY "* ]] || fail "the line does not name both: $err"
}

scenario_wayland_alone() {
  start_sway
  plug_pointer
  pointer_to 640 360
  slow_settings
  local n=${#PIDS[@]}
  (WL_EXEC=exec as_user "$WORK/repo/scripts/show" --no-build) >"$WORK/out.$n" 2>"$WORK/err.$n" &
  PID=$!
  keep_pid "$PID"
  ERR=$WORK/err.$n
  race_on HEADLESS-1
  key a
  ended_with 0
}

run_scenario "$@"
