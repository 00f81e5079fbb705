# The README's first command, its start step on a Wayland desktop with no X server: the race
# comes on a headless sway with DISPLAY unset; with neither variable set it says so in a line.
source "$(dirname "$0")/show_lib.sh"

# The script as the repository has it, beside a built program, where the test user can read.
mkdir -p "$WORK/repo/scripts" "$WORK/repo/build/linux"
install -m 755 "$(dirname "$0")/../../scripts/show" "$WORK/repo/scripts/show"
install -m 755 "$BIN" "$WORK/repo/build/linux/corvanta"
printf '[Settings]\nBALL_SPEED=2\n' >"$INI"

step "with neither WAYLAND_DISPLAY nor DISPLAY, one line names both"
rc=0
err=$(env -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u DISPLAY "$WORK/repo/scripts/show" --no-build 2>&1) || rc=$?
[ "$rc" = 1 ] || fail "exit code $rc, not 1"
[ "$(printf '%s\n' "$err" | wc -l)" = 1 ] || fail "not one line: $err"
[[ $err == *WAYLAND_DISPLAY* && $err == *DISPLAY\ is* ]] || fail "the line does not name both: $err"

step "on sway alone, DISPLAY unset, the race"
start_sway
plug_pointer
pointer_to 640 360
n=${#PIDS[@]}
(WL_EXEC=exec as_user "$WORK/repo/scripts/show" --no-build) >"$WORK/out.$n" 2>"$WORK/err.$n" &
PID=$!
PIDS+=("$PID")
OUT=$WORK/out.$n ERR=$WORK/err.$n
race_on HEADLESS-1
key a
ended_with 0
