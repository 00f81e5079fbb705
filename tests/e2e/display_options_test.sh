# The display mode's command line from outside: --help and --version, and for every kind of
# bad input one line on stderr naming it, a non-zero exit within a second, and no window.
source "$(dirname "$0")/lib.sh"

step "--help and --version"
start --help
wait_exit "$PID" 1
[ "$RC" = 0 ] || fail "--help: exit code $RC"
grep -q -- "--window-id" "$OUT" || fail "--help does not describe --window-id"
[ -s "$ERR" ] && fail "--help wrote to stderr"
start -version
wait_exit "$PID" 1
[ "$RC" = 0 ] || fail "--version: exit code $RC"
[ "$(cat "$OUT")" = "corvanta $(grep -oP 'project\(corvanta VERSION \K[0-9.]+' \
  "$(dirname "$0")/../../CMakeLists.txt")" ] || fail "--version printed: $(cat "$OUT")"

# Runs the program with "$@" and expects the refusal: exit code $1 (2 for a refused command
# line, 1 for a window that is not there, as the manual page says); $2 is what stderr must
# mention.
refused() {
  local code=$1 says=$2
  shift 2
  start "$@"
  wait_exit "$PID" 1
  [ "$RC" = "$code" ] || fail "\"$*\": exit code $RC, not $code"
  [ "$(wc -l <"$ERR")" = 1 ] || fail "\"$*\": not one line on stderr: $(head -c 300 "$ERR")"
  grep -qF -- "$says" "$ERR" || fail "\"$*\": stderr does not mention \"$says\": $(cat "$ERR")"
  [ -s "$OUT" ] && fail "\"$*\" wrote to stdout"
  echo "\"$*\": $(cat "$ERR")"
}

host 152 112 100 100
gone=$HOST_ID
host_do destroy
sleep 0.2

step "bad options and window ids"
# One watch over all the refusals below: none may show a window, even for a moment.
watch_maps 6
refused 2 "unknown option" --fullscreen
refused 2 "unknown option" --root --bogus
refused 2 "needs a window id" --window-id
refused 2 "is not a window id" --window-id 12xyz
refused 2 "is not a window id" -window-id 0x
refused 2 "names no window" --window-id 0
refused 2 "beyond 32 bits" --window-id 0x100000000
refused 2 "beyond 32 bits" --window-id 99999999999999999999999
refused 1 "no window" --window-id "$gone"
refused 1 "no window" --window-id 0x1fffffff
refused 1 "no window" --window-id 0xffffffff
refused 2 "is not fast, medium or slow" --root --speed ludicrous
refused 2 "give --root or --window-id" --speed fast

step "the daemon's variable garbled or naming no window: a message, never a black screen"
XSCREENSAVER_WINDOW=garbage refused 2 "XSCREENSAVER_WINDOW" --root
XSCREENSAVER_WINDOW=garbage refused 2 "XSCREENSAVER_WINDOW"
XSCREENSAVER_WINDOW=0 refused 2 "XSCREENSAVER_WINDOW"
XSCREENSAVER_WINDOW=$(printf '0x%x' "$gone") refused 1 "no window"
maps_seen
[ "$MAPS" = 0 ] || fail "$MAPS windows showed during the refusals"

step "no X server: a message and exit code 1"
DISPLAY=:999999 start --root
wait_exit "$PID" 1
[ "$RC" = 1 ] || fail "exit code $RC without an X server"
grep -q "cannot reach the X server" "$ERR" || fail "no message without an X server: $(cat "$ERR")"
echo "display_options: passed"
