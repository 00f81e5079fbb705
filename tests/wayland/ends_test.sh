# How the show ends other than by input: SIGTERM and SIGINT with exit code 0 (idle daemons'
# resume commands send them), the compositor going with exit code 1 and no core, and a
# compositor without the layer shell refused in one line with exit code 1.
source "$(dirname "$0")/show_lib.sh"

start_sway

for signal in TERM INT; do
  step "SIG$signal ends the show with exit code 0"
  start /S
  race_on HEADLESS-1
  kill -"$signal" "$PID"
  ended_with 0
  silent
done

step "the compositor going ends the show with exit code 1, without a crash"
start /S
race_on HEADLESS-1
stop_sway
ended_with 1

step "weston, which has no layer shell, is refused in one line naming it"
start_weston
WAYLAND_DISPLAY=weston-1 start /S
ended_with 1
[ ! -s "$OUT" ] || fail "it wrote to stdout: $(cat "$OUT")"
[ "$(wc -l <"$ERR")" = 1 ] || fail "not one line on stderr: $(cat "$ERR")"
grep -q "zwlr_layer_shell_v1" "$ERR" || fail "the line does not name the layer shell: $(cat "$ERR")"
grep -q "unset WAYLAND_DISPLAY" "$ERR" || fail "the line does not say how to run on X: $(cat "$ERR")"
cat "$ERR"

step "the same with an X server named in DISPLAY: the show runs on X instead"
source "$(dirname "$0")/../xvfb.sh"
trap 'cleanup; stop_xvfbs' EXIT
start_xvfb 640x480
WL_ENV=(DISPLAY="$DISPLAY")
WAYLAND_DISPLAY=weston-1 start /S
for _ in $(seq 100); do
  xdotool search --onlyvisible --name '^Screen Saver$' >/dev/null 2>&1 && break
  sleep 0.05
done
xdotool search --onlyvisible --name '^Screen Saver$' >/dev/null 2>&1 ||
  fail "no show on X: $(head -c 300 "$ERR")"
running "$PID" || fail "the show on X ended"
silent
# As any show on X: a stop signal ends it (the Wayland path must not have taken it over).
kill "$PID"
wait_exit "$PID" 5
WL_ENV=()
echo "wayland.ends: passed"
