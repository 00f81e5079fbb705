# No switch, a switch after a blank, an unknown switch, and "/A": each ends at once with exit
# code 0, showing nothing and saying nothing.
source "$(dirname "$0")/lib.sh"

check() {
  watch_maps 1.5
  start "$@"
  wait_exit "$PID" 1
  [ "$RC" = 0 ] || fail "\"$*\": exit code $RC"
  silent
  maps_seen
  [ "$MAPS" = 0 ] || fail "\"$*\" showed a window"
}

step "no argument";        check
step "\" /s\"";            check " /s"
step "\"/A\"";             check /A
step "\"/x\"";             check /x
step "\"/\"";              check /
echo "silent: passed"
